#include "NmeaTestHarness.h"
#include "nmea/LogFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

using trakora::DispatchResult;
using trakora::SentenceTable;
using trakora::testing::Harness;
using trakora::testing::Messages;
using trakora::testing::Sentence;

namespace {

const std::string RMC = Sentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W");
const std::string GGA = Sentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const std::string GSA = Sentence("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
const std::string GSV = Sentence("GPGSV,1,1,02,01,40,083,46,02,17,308,41");
const std::string PGRME = Sentence("PGRME,15.0,M,45.0,M,25.0,M");
const std::string RMB = Sentence("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V");
const std::string WPL = Sentence("GPWPL,4917.16,N,12310.64,W,003");

TEST(SentenceTable, ListsTheTwelveTypesInOrderWithTheirGroups)
{
    using G = trakora::RecordGroup;
    const std::vector<std::pair<std::string_view, G>> expected = {
        {"$GPRMC", G::Waypoint},   {"$GPRMB", G::Waypoint},   {"$GPGLL", G::Position},
        {"$PGRMZ", G::Position},   {"$PGRMM", G::Position},   {"$GPBOD", G::Waypoint},
        {"$GPRTE", G::Waypoint},   {"$GPWPL", G::Waypoint},   {"$GPGGA", G::Position},
        {"$GPGSA", G::Satellites}, {"$GPGSV", G::Satellites}, {"$PGRME", G::Position},
    };
    ASSERT_EQ(SentenceTable.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(SentenceTable[i].Identifier, expected[i].first) << i;
        EXPECT_EQ(SentenceTable[i].Group, expected[i].second) << i;
        EXPECT_NE(SentenceTable[i].Decoder, nullptr) << i;
    }
}

TEST(SentenceDispatcher, ReportsTheRowOfADecodedLine)
{
    Harness h;
    const DispatchResult result = h.Feed(GGA);
    EXPECT_EQ(result.Outcome, DispatchResult::Decoded);
    EXPECT_EQ(result.TableRow, 8);
    EXPECT_FLOAT_EQ(h.Gps->Altitude, 545.4f);
}

TEST(SentenceDispatcher, IdentifiersMatchExactlyIncludingTheTalker)
{
    Harness h;
    EXPECT_EQ(h.FeedBody("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,").Outcome,
              DispatchResult::UnknownType);
    EXPECT_EQ(h.FeedBody("gpgga,123519").Outcome, DispatchResult::UnknownType);
    EXPECT_EQ(h.FeedBody("GPGGAX,123519").Outcome, DispatchResult::UnknownType);
    EXPECT_EQ(h.Gps->Latitude, 0.0f);
    EXPECT_FALSE(h.Gps->NewAltitude);
}

TEST(SentenceDispatcher, RecordsOnlyTheGroupsSwitchedOn)
{
    Harness h;
    h.Settings.WriteData = 1;
    h.Settings.SavePositionInfo = 1;
    h.Settings.SaveWaypointInfo = 0;
    h.Settings.SavePRNInfo = 0;
    for (const std::string& line : {RMC, GGA, GSA, GSV, PGRME})
        h.Feed(line);
    EXPECT_EQ(h.Log.Lines, (std::vector<std::string>{GGA, PGRME}));

    Harness w;
    w.Settings.WriteData = 1;
    w.Settings.SavePositionInfo = 0;
    w.Settings.SaveWaypointInfo = 1;
    for (const std::string& line : {RMC, GGA, GSA, RMB, WPL})
        w.Feed(line);
    EXPECT_EQ(w.Log.Lines, (std::vector<std::string>{RMC, RMB, WPL}));

    Harness s;
    s.Settings.WriteData = 1;
    s.Settings.SavePositionInfo = 0;
    s.Settings.SavePRNInfo = 1;
    for (const std::string& line : {RMC, GGA, GSA, GSV})
        s.Feed(line);
    EXPECT_EQ(s.Log.Lines, (std::vector<std::string>{GSA, GSV}));
}

TEST(SentenceDispatcher, SwitchesCombineBitwise)
{
    Harness h;
    h.Settings.WriteData = -1; // a flag value still records
    h.Settings.SavePositionInfo = 1;
    EXPECT_TRUE(h.Feed(GGA).Recorded);
    h.Settings.WriteData = 2; // shares no bit with 1
    EXPECT_FALSE(h.Feed(GGA).Recorded);
    EXPECT_EQ(h.Log.Lines.size(), 1u);
}

TEST(SentenceDispatcher, RecordsNothingWhileWriteDataIsOff)
{
    Harness h;
    h.Settings.WriteData = 0;
    h.Settings.SavePositionInfo = 1;
    h.Settings.SaveWaypointInfo = 1;
    h.Settings.SavePRNInfo = 1;
    for (const std::string& line : {RMC, GGA, GSA, GSV, PGRME, RMB, WPL})
        EXPECT_FALSE(h.Feed(line).Recorded);
    EXPECT_TRUE(h.Log.Lines.empty());
    EXPECT_TRUE(h.Shown.Shown.empty());
}

TEST(SentenceDispatcher, BadChecksumIsShownButNeitherRecordedNorDecoded)
{
    Harness h;
    h.Settings.ShowingNMEARaw = -1;
    h.Settings.WriteData = 1;
    std::string bad = GGA;
    bad[bad.size() - 1] = bad.back() == '0' ? '1' : '0';
    const DispatchResult result = h.Feed(bad);
    EXPECT_EQ(result.Outcome, DispatchResult::BadChecksum);
    EXPECT_EQ(h.Raw.Lines, std::vector<std::string>{bad});
    EXPECT_TRUE(h.Log.Lines.empty());
    EXPECT_FALSE(h.Gps->NewAltitude);
    EXPECT_EQ(h.Gps->Altitude, 0.0f);
}

TEST(SentenceDispatcher, EveryLineReachesTheRawWindowOnlyWhileItIsShown)
{
    Harness h;
    h.Settings.ShowingNMEARaw = -1;
    const std::vector<std::string> lines = {"     ", "", GGA, Sentence("GPVTG,054.7,T,034.4,M"),
                                            "$GPXTE,A,A,0.67,L,N", "garbage*ZZ"};
    for (const std::string& line : lines)
        h.Feed(line);
    EXPECT_EQ(h.Raw.Lines, lines);
    h.Settings.ShowingNMEARaw = 0;
    h.Feed(GGA);
    EXPECT_EQ(h.Raw.Lines.size(), lines.size());
}

TEST(SentenceDispatcher, OtherTypesAreShownAndIgnored)
{
    Harness h;
    h.Settings.ShowingNMEARaw = -1;
    h.Settings.WriteData = 1;
    h.Settings.SaveWaypointInfo = 1;
    h.Settings.SavePRNInfo = 1;
    for (const char* body : {"GPVTG,054.7,T,034.4,M,005.5,N,010.2,K", "GPXTE,A,A,0.67,L,N",
                             "GPBWC,225444,4917.24,N,12309.57,W,051.9,T,031.6,M,001.3,N,004"}) {
        auto before = std::make_unique<trakora::GpsState>(*h.Gps);
        EXPECT_EQ(h.FeedBody(body).Outcome, DispatchResult::UnknownType) << body;
        before->SentenceField = h.Gps->SentenceField;
        before->SentenceFieldCount = h.Gps->SentenceFieldCount;
        EXPECT_TRUE(*before == *h.Gps) << body;
    }
    EXPECT_EQ(h.Raw.Lines.size(), 3u);
    EXPECT_TRUE(h.Log.Lines.empty());
}

TEST(SentenceDispatcher, WriteFailureTurnsRecordingOffAndReportsOnce)
{
    Harness h;
    h.Settings.WriteData = 1;
    h.Settings.OutputFileName = "GP040317.TKL";
    h.Feed(GGA);
    h.Log.FailWrites = true;
    const DispatchResult failed = h.Feed(GGA);
    EXPECT_EQ(failed.Outcome, DispatchResult::Decoded);
    EXPECT_FALSE(failed.Recorded);
    EXPECT_EQ(h.Settings.WriteData, 0);
    for (int i = 0; i < 5; ++i)
        h.Feed(PGRME);
    ASSERT_EQ(h.Shown.Shown.size(), 1u);
    EXPECT_NE(h.Shown.Shown[0].find("GP040317.TKL"), std::string::npos);
    EXPECT_NE(h.Shown.Shown[0].find("No space left on device"), std::string::npos);
    EXPECT_EQ(h.Log.Lines, std::vector<std::string>{GGA});
    EXPECT_FLOAT_EQ(h.Gps->HorizErrorEstimate, 15.0f); // input went on
}

TEST(SentenceDispatcher, RecordingToAClosedLogIsAFailureToo)
{
    Harness h;
    h.Settings.WriteData = 1;
    h.Log.Open = false;
    h.Feed(GGA);
    h.Feed(GGA);
    EXPECT_EQ(h.Settings.WriteData, 0);
    EXPECT_EQ(h.Shown.Shown.size(), 1u);
    EXPECT_TRUE(h.Gps->NewAltitude);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SentenceDispatcher, FullDiskKeepsTheLinesAlreadyRecorded)
{
    trakora::NMEAParse parse;
    auto gps = std::make_unique<trakora::GpsState>();
    trakora::ProgramSettings settings;
    settings.WriteData = 1;
    settings.OutputFileName = "/dev/full";
    trakora::LogFile log;
    Messages shown;
    trakora::SentenceDispatcher dispatcher(parse, *gps, settings, log, shown);
    ASSERT_TRUE(log.OpenAppend("/dev/full").Ok);
    parse.FullString = GGA;
    const DispatchResult result = dispatcher.Dispatch();
    EXPECT_FALSE(result.Recorded);
    EXPECT_EQ(settings.WriteData, 0);
    ASSERT_EQ(shown.Shown.size(), 1u);
    EXPECT_NE(shown.Shown[0].find("/dev/full"), std::string::npos);
    EXPECT_NE(shown.Shown[0].find("No space left on device"), std::string::npos);
    EXPECT_TRUE(gps->NewAltitude);

    // A real file: the lines written before a failure stay intact.
    char path[] = "/tmp/trakora-dispatchXXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    settings.WriteData = 1;
    ASSERT_TRUE(log.OpenAppend(path).Ok);
    parse.FullString = GGA;
    EXPECT_TRUE(dispatcher.Dispatch().Recorded);
    parse.FullString = PGRME;
    EXPECT_TRUE(dispatcher.Dispatch().Recorded);
    log.Close();
    parse.FullString = GGA;
    EXPECT_FALSE(dispatcher.Dispatch().Recorded);
    EXPECT_EQ(settings.WriteData, 0);
    EXPECT_EQ(shown.Shown.size(), 2u);
    EXPECT_EQ(ReadWholeFile(path), GGA + "\r\n" + PGRME + "\r\n");
    std::remove(path);
}

TEST(SentenceDispatcher, RecordedLogReplaysToTheSameState)
{
    Harness live;
    live.Settings.WriteData = 1;
    live.Settings.SavePositionInfo = 1;
    live.Settings.SaveWaypointInfo = 1;
    live.Settings.SavePRNInfo = 1;
    const std::vector<std::string> input = {
        RMC, "$GPGGA,bad*00", GGA, GSA, GSV, PGRME, RMB, WPL, Sentence("PGRMZ,246,f,3"),
        Sentence("PGRMM,WGS 84"), Sentence("GPBOD,099.3,T,105.6,M,POINTB,"),
        Sentence("GPRTE,1,1,c,0,003,004"), "no checksum", Sentence("GPVTG,1,T"),
        Sentence("GPGLL,4916.45,N,12311.12,W,225444,A")};
    for (const std::string& line : input)
        live.Feed(line);
    EXPECT_EQ(live.Log.Lines.size(), input.size() - 3);

    Harness replay;
    for (const std::string& line : live.Log.Lines)
        EXPECT_EQ(replay.Feed(line).Outcome, DispatchResult::Decoded) << line;
    EXPECT_TRUE(*replay.Gps == *live.Gps);
}

} // namespace
