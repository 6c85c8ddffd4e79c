#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

using trakora::DispatchResult;
using trakora::testing::Harness;
using trakora::testing::Sentence;
using Lines = std::vector<std::string>;

namespace {

const std::string RMC = Sentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W");
const std::string GGA = Sentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const std::string GSA = Sentence("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
const std::string GSV = Sentence("GPGSV,1,1,02,01,40,083,46,02,17,308,41");
const std::string PGRME = Sentence("PGRME,15.0,M,45.0,M,25.0,M");
const std::string RMB = Sentence("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V");
const std::string WPL = Sentence("GPWPL,4917.16,N,12310.64,W,003");
const std::string BadGGA = GGA.substr(0, GGA.size() - 2) + "00"; // the right sum is 47

TEST(SentenceTable, ListsTheTwelveTypesInOrderWithTheirGroups)
{
    std::string listed; // each identifier with its recording group: Position, Waypoint or Satellites
    for (const trakora::SentenceType& row : trakora::SentenceTable)
        listed += std::string(row.Identifier) + " PWS"[static_cast<int>(row.Group)] + " ";
    EXPECT_EQ(listed, "$GPRMCW $GPRMBW $GPGLLP $PGRMZP $PGRMMP $GPBODW $GPRTEW $GPWPLW $GPGGAP $GPGSAS $GPGSVS $PGRMEP ");
}

TEST(SentenceDispatcher, DecodesOnlyExactIdentifiersWithAGoodChecksum)
{
    Harness h;
    const struct { const char* Body; DispatchResult::Kind Outcome; } ignored[] = {
        {"GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", DispatchResult::OtherTalker},
        {"PGRMC,123519", DispatchResult::UnknownType}, // proprietary: no talker
        {"gpgga,123519", DispatchResult::UnknownType},
        {"GPGGAX,123519", DispatchResult::UnknownType},
        {"GPVTG,054.7,T,034.4,M,005.5,N,010.2,K", DispatchResult::UnknownType},
    };
    for (const auto& line : ignored)
        EXPECT_EQ(h.FeedBody(line.Body).Outcome, line.Outcome) << line.Body;
    EXPECT_EQ(h.Feed(BadGGA).Outcome, DispatchResult::BadChecksum);
    EXPECT_TRUE(trakora::testing::SameStateBesidesSentence(trakora::GpsState(), *h.Gps));
    const DispatchResult result = h.Feed(GGA);
    EXPECT_EQ(std::pair(result.Outcome, result.TableRow), std::pair(DispatchResult::Decoded, 8));
}

TEST(SentenceDispatcher, RecordsOnlyTheGroupsSwitchedOn)
{
    const struct { int WriteData, Position, Waypoint, Satellites; Lines Expected; const char* Legend; } cases[] = {
        // Each group alone, replayed by trakora-replay --record (tests/replay), is not repeated here.
        {1, 1, 0, 0, {GGA, PGRME}, "position group"},
        {-1, 1, 0, 0, {GGA, PGRME}, "a flag value of WriteData still records"},
        {2, 1, 1, 1, {}, "switches combine bitwise: 2 shares no bit with 1"},
        {0, 1, 1, 1, {}, "recording off"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.Settings.WriteData = c.WriteData, h.Settings.SavePositionInfo = c.Position;
        h.Settings.SaveWaypointInfo = c.Waypoint, h.Settings.SavePRNInfo = c.Satellites;
        std::size_t recorded = 0;
        for (const std::string& line : {RMC, GGA, GSA, GSV, PGRME, RMB, WPL, BadGGA})
            recorded += h.Feed(line).Recorded;
        EXPECT_EQ(h.Log.Lines, c.Expected) << c.Legend;
        EXPECT_EQ(recorded, c.Expected.size()) << c.Legend;
    }
}

TEST(SentenceDispatcher, OtherTalkersAreRecordedAsReceivedUnderTheGroupOfTheirGPRow)
{
    Harness h(trakora::TalkerFilter::AllGnss);
    h.Settings.WriteData = h.Settings.SavePositionInfo = h.Settings.SavePRNInfo = 1;
    const std::string gga = Sentence("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    const std::string gsv = Sentence("GLGSV,1,1,01,65,40,083,46,1");
    for (const std::string& line : {Sentence("GNRMC,123519,A,4807.038,N,01131.000,E,,,230394,,"), gga, gsv,
                                    Sentence("PQGSV,1,1,01,01,40,083,46"), Sentence("GNVTG,054.7,T,034.4,M")})
        h.Feed(line);
    EXPECT_EQ(h.Log.Lines, (Lines{gga, gsv})) << "waypoint group off; proprietary and unknown types never";
}

TEST(SentenceDispatcher, EveryLineReachesTheRawWindowOnlyWhileItIsShown)
{
    Harness h;
    h.Settings.ShowingNMEARaw = -1;
    const Lines lines = {"     ", "", GGA, Sentence("GPVTG,054.7,T,034.4,M"), "$GPXTE,A,A,0.67,L,N", BadGGA};
    for (const std::string& line : lines)
        h.Feed(line);
    EXPECT_EQ(h.Raw.Lines, lines);
    h.Settings.ShowingNMEARaw = 0;
    h.Feed(GGA);
    EXPECT_EQ(h.Raw.Lines.size(), lines.size());
}

TEST(SentenceDispatcher, WriteFailureTurnsRecordingOffReportsOnceAndKeepsTheInputGoing)
{
    for (const bool closeLog : {false, true}) {
        Harness h;
        h.Settings.WriteData = h.Settings.SavePositionInfo = 1;
        h.Settings.OutputFileName = "GP040317.TKL";
        h.Feed(GGA);
        (closeLog ? h.Log.Open : h.Log.FailWrites) = !closeLog; // a closed log, else a full disk
        const DispatchResult failed = h.Feed(GGA);
        EXPECT_TRUE(failed.Outcome == DispatchResult::Decoded && !failed.Recorded && h.Settings.WriteData == 0);
        for (int i = 0; i < 5; ++i)
            h.Feed(PGRME);
        EXPECT_EQ(h.Shown.Shown, Lines{"Error writing to output file: GP040317.TKL\n\nError 28 - No space left on device"
                                       "\n\nRecording has been turned off."});
        EXPECT_EQ(h.Log.Lines, Lines{GGA});
    }
}

} // namespace
