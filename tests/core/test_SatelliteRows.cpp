// The rows of the satellite windows: every satellite of every system in a
// fixed order, the count of each system, the gauge range each satellite
// carries, and the words a screen reader hears.
#include "NmeaTestHarness.h"
#include "common/SatelliteRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace trakora;
using trakora::testing::Harness;

namespace {

struct Sat {
    int Number, Elevation, Azimuth, Snr; // Snr -1: not tracked
};

// A whole GSV group of `talker` on `signal` ("" for none), four satellites a sentence.
void FeedGroup(Harness& h, const char* talker, const std::vector<Sat>& sats, const std::string& signal = "1")
{
    const int sentences = static_cast<int>((sats.size() + 3) / 4);
    for (int m = 0; m < sentences; ++m) {
        std::string body = std::string(talker) + "GSV," + std::to_string(sentences) + "," + std::to_string(m + 1) +
                           "," + std::to_string(sats.size());
        for (std::size_t j = static_cast<std::size_t>(m) * 4; j < sats.size() && j < static_cast<std::size_t>(m) * 4 + 4; ++j)
            body += "," + std::to_string(sats[j].Number) + "," + std::to_string(sats[j].Elevation) + "," +
                    std::to_string(sats[j].Azimuth) + "," + (sats[j].Snr < 0 ? "" : std::to_string(sats[j].Snr));
        h.FeedBody(signal.empty() ? body : body + "," + signal);
    }
}

std::vector<Sat> Numbered(int first, int count, int snr)
{
    std::vector<Sat> sats;
    for (int i = 0; i < count; ++i)
        sats.push_back({first + i, 10 + 2 * i, 15 * i, snr + i % 5});
    return sats;
}

std::string Names(const SatelliteRows& rows)
{
    std::string names;
    for (int i = 0; i < rows.Count(); ++i)
        names += (names.empty() ? "" : " ") + std::string(DisplayName(rows.Row(i).Id).data());
    return names;
}

// An epoch of 40 satellites: GPS 1-12, GLONASS slots 1-10, Galileo 1-8, BeiDou 1-10, in the
// order a receiver sends them, with the satellites used named by one GSA per system.
void FortySatelliteEpoch(Harness& h, bool reversed)
{
    struct { const char* Talker; std::vector<Sat> Sats; const char* Signal; } groups[] = {
        {"GP", Numbered(1, 12, 30), "1"}, {"GL", Numbered(65, 10, 25), "1"},
        {"GA", Numbered(1, 8, 35), "7"}, {"GB", Numbered(1, 10, 28), "1"}};
    if (reversed) {
        std::reverse(std::begin(groups), std::end(groups));
        for (auto& group : groups)
            std::reverse(group.Sats.begin(), group.Sats.end());
    }
    h.FeedBody("GNGSA,A,3,01,02,03,04,05,06,07,08,,,,,1.0,0.6,0.8,1");
    h.FeedBody("GNGSA,A,3,65,66,67,68,69,70,,,,,,,1.0,0.6,0.8,2");
    h.FeedBody("GNGSA,A,3,01,02,03,04,05,,,,,,,,1.0,0.6,0.8,3");
    h.FeedBody("GNGSA,A,3,01,02,03,04,05,06,07,,,,,,1.0,0.6,0.8,4");
    for (const auto& group : groups)
        FeedGroup(h, group.Talker, group.Sats, group.Signal);
}

TEST(SatelliteRows, FortySatellitesOfFourSystemsSortedBySystemAndNumberWithTheirSummary)
{
    Harness h(TalkerFilter::AllGnss);
    FortySatelliteEpoch(h, false);
    SatelliteRows rows;
    rows.Update(h.Gnss->Satellites);
    ASSERT_EQ(rows.Count(), 40);
    EXPECT_EQ(Names(rows), "G01 G02 G03 G04 G05 G06 G07 G08 G09 G10 G11 G12 R01 R02 R03 R04 R05 R06 R07 R08 R09 R10 "
                           "E01 E02 E03 E04 E05 E06 E07 E08 C01 C02 C03 C04 C05 C06 C07 C08 C09 C10");
    const std::string summary = "GPS 12/8  GLONASS 10/6  Galileo 8/5  BeiDou 10/7";
    EXPECT_EQ(rows.SummaryText(), summary);
    EXPECT_EQ(SystemsText(UsedSystems(h.Gnss->Satellites)), "GPS, GLONASS, Galileo, BeiDou");
    EXPECT_EQ(std::tuple(rows.UsedCount(), rows.CountOf(GnssSystem::Galileo).InView), std::tuple(26, 8));
    // R03 is GLONASS 67: elevation 14, azimuth 30, SNR 27, used.
    const SatelliteRow& r03 = rows.Row(14);
    EXPECT_EQ(std::tuple(r03.Elevation, r03.Azimuth, r03.Snr, r03.Used), std::tuple(14, 30, 27, true));
    EXPECT_FALSE(rows.Row(8).Used) << "G09 is named by no GSA";

    // The same sky sent in the opposite order keeps every row where it was.
    const std::string before = Names(rows);
    Harness reversed(TalkerFilter::AllGnss);
    FortySatelliteEpoch(reversed, true);
    rows.Update(reversed.Gnss->Satellites);
    EXPECT_EQ(std::pair(Names(rows), rows.SummaryText()), std::pair(before, summary));
}

TEST(SatelliteRows, RowsStayInPlaceFromEpochToEpochWhateverOrderTheyComeIn)
{
    Harness h(TalkerFilter::AllGnss);
    SatelliteRows rows;
    const struct { std::vector<Sat> Gps, Glonass; const char* Names; int Snr; const char* Legend; } epochs[] = {
        {{{5, 40, 100, 45}, {12, 30, 200, 28}}, {{70, 50, 10, 38}}, "G05 G12 R06", 28, "first sight"},
        {{{12, 31, 201, 55}, {5, 41, 101, 44}}, {{70, 50, 10, 38}}, "G05 G12 R06", 55, "G12 reported first now"},
        {{{5, 41, 101, 44}, {7, 20, 300, 40}}, {{70, 50, 10, 38}}, "G05 G07 R06", 40, "G07 takes G12's place"},
        {{{5, 41, 101, 44}, {12, 30, 200, -1}}, {{70, 50, 10, 38}}, "G05 G12 R06", -1, "G12 back, untracked"},
    };
    for (const auto& epoch : epochs) {
        FeedGroup(h, "GP", epoch.Gps);
        FeedGroup(h, "GL", epoch.Glonass);
        rows.Update(h.Gnss->Satellites);
        EXPECT_EQ(Names(rows), epoch.Names) << epoch.Legend;
        EXPECT_EQ(rows.Row(1).Snr, epoch.Snr) << epoch.Legend;
    }
    EXPECT_EQ(rows.SummaryText(), "GPS 2/0  GLONASS 1/0");
    EXPECT_EQ(SystemsText(UsedSystems(h.Gnss->Satellites)), "");
}

TEST(SatelliteRows, TheTableIsNeededBeyondTwelveSatellitesOrOneSystem)
{
    const struct { std::vector<Sat> Gps, Glonass; bool Needed; const char* Legend; } cases[] = {
        {Numbered(1, 12, 30), {}, false, "twelve GPS satellites fit the columns"},
        {Numbered(1, 13, 30), {}, true, "thirteen do not"},
        {{{5, 40, 100, 45}, {44, 30, 200, 40}, {48, 20, 150, 38}}, {}, false, "SBAS in GPS sentences is no second system"},
        {{{5, 40, 100, 45}}, {{70, 50, 10, 38}}, true, "GPS and GLONASS"},
    };
    for (const auto& c : cases) {
        Harness h(TalkerFilter::AllGnss);
        FeedGroup(h, "GP", c.Gps);
        if (!c.Glonass.empty())
            FeedGroup(h, "GL", c.Glonass);
        EXPECT_EQ(SatelliteRows::NeedsTable(h.Gnss->Satellites), c.Needed) << c.Legend;
    }
}

TEST(SatelliteRows, EachSatelliteIsDescribedInWordsWithItsSignals)
{
    Harness h(TalkerFilter::AllGnss);
    FeedGroup(h, "GA", {{11, 78, 13, 49}, {12, 5, 200, -1}}, "7");
    FeedGroup(h, "GA", {{11, 78, 13, 41}}, "1");
    FeedGroup(h, "GA", {{11, 78, 13, 33}}, "5"); // a signal without a name here
    FeedGroup(h, "GP", {{7, 60, 300, 44}}, "");
    h.FeedBody("GNGSA,A,3,11,,,,,,,,,,,,1.0,0.6,0.8,3");
    SatelliteRows rows;
    rows.Update(h.Gnss->Satellites);
    ASSERT_EQ(Names(rows), "G07 E11 E12");
    const struct { int Row; const char* Description; const char* Signals; } expected[] = {
        {0, "GPS G07, elevation 60, azimuth 300, signal 44, not used", ""},
        {1, "Galileo E11, elevation 78, azimuth 13, signal 49, used in fix", "E5a 41, signal 5 33, E1 49"},
        {2, "Galileo E12, elevation 5, azimuth 200, no signal, not used", "E1 -"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(DescribeSatellite(rows.Row(e.Row)), e.Description);
        EXPECT_EQ(SignalList(rows.Row(e.Row)), e.Signals) << e.Description;
    }
}

} // namespace
