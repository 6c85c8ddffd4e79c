// Sentences of every talker: the satellite table by system, the twelve slots
// filled from it, the fix details, bad input, and GPS-only streams decoded
// exactly as with GPS talkers only.
#include "NmeaTestHarness.h"
#include "nmea/GnssDecoders.h"
#include "nmea/LogFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace trakora;
using trakora::testing::Harness;

namespace {

// The table as "G01*:1=36:6=25 R02:1=" (system and number, * when used, then
// each current signal with its SNR; "-" is a GSV without signal ID).
std::string Sats(const GnssState& gnss)
{
    std::vector<const SatelliteEntry*> entries;
    gnss.Satellites.ForEach([&](const SatelliteEntry& e) { entries.push_back(&e); });
    std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) {
        return a->Id.System != b->Id.System ? a->Id.System < b->Id.System : a->Id.Number < b->Id.Number;
    });
    std::string text;
    for (const SatelliteEntry* e : entries) {
        text += (text.empty() ? "" : " ") + std::string(DisplayName(e->Id).data()) + (e->Used ? "*" : "");
        for (int s = 0; s < e->SignalCount; ++s) {
            const SignalReport& signal = e->Signals[static_cast<std::size_t>(s)];
            if (e->SignalCurrent(s))
                text += ":" + (signal.Id == NoSignalId ? std::string("-") : std::to_string(signal.Id)) + "=" +
                        (signal.Snr == NotTracked ? "" : std::to_string(signal.Snr));
        }
    }
    return text;
}

TEST(GnssDecoding, AnEpochOfSeveralSystemsFillsTheTableTheSlotsAndTheFixDetails)
{
    Harness h(TalkerFilter::AllGnss);
    for (const char* body : {"GNRMC,223745.00,A,3806.62964,N,12237.61382,W,0.040,,110720,,,D,V",
                             "GNGGA,223745.00,3806.62964,N,12237.61382,W,2,12,0.54,83.1,M,-29.5,M,,0000",
                             "GNGSA,A,3,29,20,44,,,,,,,,,,0.99,0.54,0.83,1", "GNGSA,A,3,82,73,,,,,,,,,,,1.04,0.56,0.88,2",
                             "GPGSV,1,1,04,20,63,235,37,29,46,133,43,44,45,171,45,05,01,047,,1",
                             "GPGSV,1,1,02,20,63,235,30,29,46,133,38,6", "GLGSV,1,1,02,73,13,282,27,82,51,077,39,1"})
        ASSERT_EQ(h.FeedBody(body).Outcome, DispatchResult::Decoded) << body;

    // One satellite on two signals is one satellite; SBAS 44 is PRN 131.
    EXPECT_EQ(Sats(*h.Gnss), "G05:1= G20*:1=37:6=30 G29*:1=43:6=38 S31*:1=45 R09*:1=27 R18*:1=39");
    const GpsState& g = *h.Gps;
    EXPECT_EQ(std::tuple(g.SatsInView, g.SatsUsed, g.SatViewComplete), std::tuple(6, 5, true));
    // Used first, then the strongest.
    using Slots = std::array<std::int32_t, 12>;
    EXPECT_EQ(g.SatPRN, (Slots{44, 29, 82, 20, 73, 5}));
    EXPECT_EQ(g.SatSNR, (Slots{45, 43, 39, 37, 27, 0}));
    EXPECT_EQ(g.SatElevation, (Slots{45, 46, 51, 63, 13, 1}));
    EXPECT_EQ(g.SatAzimuth, (Slots{171, 133, 77, 235, 282, 47}));
    EXPECT_EQ(g.SatUsed, (std::array<bool, 12>{true, true, true, true, true}));
    EXPECT_EQ(std::tuple(g.PDOP, g.HDOP, g.VDOP), std::tuple(1.04f, 0.56f, 0.88f)) << "the last GSA's";

    EXPECT_EQ(std::tuple(g.UtcTime.View(), h.Gnss->UtcFraction.View(), h.Gnss->FaaMode.View(), h.Gnss->NavStatus.View()),
              std::tuple("223745", ".00 ", "D", "V"));
    EXPECT_EQ(FixQualityName(g.FixQuality), "Differential GPS fix");
    EXPECT_NEAR(g.Latitude, 38.1104940, 1e-5);

    // The next GGA's count of 12 does not undo the count of every system's GSA.
    h.FeedBody("GNGGA,223746.00,3806.62964,N,12237.61382,W,4,12,0.54,83.1,M,-29.5,M,,0000");
    EXPECT_EQ(std::tuple(g.SatsUsed, FixQualityName(g.FixQuality)), std::tuple(5, std::string_view("RTK fixed")));
}

TEST(GnssDecoding, GroupsReplaceOnlyTheirOwnSatellitesAndSilentOnesAgeOut)
{
    Harness h(TalkerFilter::AllGnss);
    const struct { const char* Body; const char* Table; } steps[] = {
        {"GNGGA,120000.00,,,,,1,,,,,,,,", ""},
        {"GPGSV,2,1,05,01,10,010,31,02,20,020,32,03,30,030,33,04,40,040,34,1", "G01:1=31 G02:1=32 G03:1=33 G04:1=34"},
        {"GPGSV,2,2,05,05,50,050,35,1", "G01:1=31 G02:1=32 G03:1=33 G04:1=34 G05:1=35"},
        {"GLGSV,1,1,01,65,60,060,41,1", "G01:1=31 G02:1=32 G03:1=33 G04:1=34 G05:1=35 R01:1=41"},
        // A new pass of (GP, signal 1) takes back that group's satellites and nothing else.
        {"GPGSV,1,1,02,01,11,011,36,02,21,021,37,1", "G01:1=36 G02:1=37 R01:1=41"},
        {"GPGSV,1,1,01,01,11,011,25,6", "G01:1=36:6=25 G02:1=37 R01:1=41"},
        {"GPGSV,1,1,01,02,21,021,38,1", "G01:6=25 G02:1=38 R01:1=41"},
        // A later sentence without the total in view still adds its satellites.
        {"GPGSV,2,1,09,02,21,021,39,03,30,030,,1", "G01:6=25 G02:1=39 G03:1= R01:1=41"},
        {"GPGSV,2,2,,06,60,060,36,1", "G01:6=25 G02:1=39 G03:1= G06:1=36 R01:1=41"},
        // A pass cut short leaves the other groups alone.
        {"GPGSV,2,1,08,02,21,021,40,1", "G01:6=25 G02:1=40 R01:1=41"},
        {"GLGSV,1,1,01,66,61,061,42,1", "G01:6=25 G02:1=40 R02:1=42"},
        // One GSA per system: each replaces its own system's flags only.
        {"GNGSA,A,3,02,,,,,,,,,,,,1.0,0.5,0.8,1", "G01:6=25 G02*:1=40 R02:1=42"},
        {"GNGSA,A,3,66,,,,,,,,,,,,1.2,0.6,0.9,2", "G01:6=25 G02*:1=40 R02*:1=42"},
        {"GNGSA,A,3,,,,,,,,,,,,,1.4,0.7,1.1", "G01:6=25 G02*:1=40 R02*:1=42"}, // says nothing about any system
        {"GNGSA,A,3,,,,,,,,,,,,,1.5,0.8,1.2,2", "G01:6=25 G02*:1=40 R02:1=42"},
        // Three seconds of receiver time later everything is still there; after four, what no group
        // or GSA reported again has gone (checked when a pass begins).
        {"GNGGA,120003.00,,,,,1,,,,,,,,", "G01:6=25 G02*:1=40 R02:1=42"},
        {"GPGSV,1,1,01,02,21,021,41,1", "G01:6=25 G02*:1=41 R02:1=42"},
        {"GNGGA,120004.00,,,,,1,,,,,,,,", "G01:6=25 G02*:1=41 R02:1=42"},
        {"GPGSV,1,1,01,02,21,021,42,1", "G02:1=42"},
    };
    for (const auto& step : steps) {
        h.FeedBody(step.Body);
        EXPECT_EQ(Sats(*h.Gnss), step.Table) << step.Body;
    }
    EXPECT_EQ(std::pair(h.Gps->PDOP, h.Gps->VDOP), std::pair(1.5f, 1.2f)) << "the last GSA's; the GGAs since wrote HDOP";
}

TEST(GnssDecoding, BadInputNeverTouchesOtherSystemsOrOverfillsTheTable)
{
    const std::string base = "G01:1=31 R01:1=41";
    const struct { std::vector<std::string> Bodies; std::string Table; } cases[] = {
        {{"GPGSV,1,1,02,00,10,010,30,999,10,010,30,1"}, "R01:1=41"}, // no such satellites (GP pass replaced)
        {{"G1GSV,1,1,01,05,10,010,30,1", "gpGSV,1,1,01,05,10,010,30,1"}, base}, // not talkers
        // Out-of-range elevation, azimuth and SNR are unknown; the satellite is still listed.
        {{"GAGSV,1,1,02,11,95,360,120,12,-91,-1,-5,7"}, base + " E11:7= E12:7="},
        // A group whose sentence count changes in the middle, and a GSA of 20 satellites.
        {{"GPGSV,3,1,12,01,10,010,31,1", "GPGSV,5,2,12,02,10,010,32,1", "GPGSV,2,3,12,03,10,010,33,1"},
         "G01:1=31 G02:1=32 G03:1=33 R01:1=41"},
        {{"GNGSA,A,3,01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,1.0,0.5,0.8"},
         "G01*:1=31 G02* G03* G04* G05* G06* G07* G08* G09* G10* G11* G12* G13* G14* G15* G16* G17* G18* G19* G20* "
         "R01:1=41"},
    };
    for (const auto& c : cases) {
        Harness h(TalkerFilter::AllGnss);
        h.FeedBody("GPGSV,1,1,01,01,10,010,31,1");
        h.FeedBody("GLGSV,1,1,01,65,10,010,41,1");
        for (const std::string& body : c.Bodies)
            h.FeedBody(body);
        EXPECT_EQ(Sats(*h.Gnss), c.Table) << c.Bodies.front();
        for (int galileo : {11, 12})
            if (const SatelliteEntry* e = h.Gnss->Satellites.Find(ClassifySatellite("GA", 0, galileo))) {
                EXPECT_TRUE(e->Elevation == UnknownAngle && e->Azimuth == UnknownAngle) << galileo;
            }
    }

    // 80 satellites offered (GPS and SBAS 1-48, GLONASS 65-96; 97-112 are none), 64 kept: the GLONASS one
    // already there stays, the newcomers that do not fit are left out.
    Harness h(TalkerFilter::AllGnss);
    h.FeedBody("GLGSV,1,1,01,65,10,010,41,1");
    for (int talker = 0; talker < 2; ++talker)
        for (int sentence = 1; sentence <= 12; ++sentence) {
            std::string body = std::string(talker == 0 ? "GPGSV" : "GLGSV") + ",12," + std::to_string(sentence) + ",48";
            for (int j = 0; j < 4; ++j)
                body += "," + std::to_string(talker * 64 + (sentence - 1) * 4 + j + 1) + ",10,010,30";
            h.FeedBody(body + ",1");
        }
    EXPECT_EQ(h.Gnss->Satellites.Count(), MaxSatellites);
    ASSERT_NE(h.Gnss->Satellites.Find(ClassifySatellite("GL", 0, 65)), nullptr);
    EXPECT_EQ(h.Gnss->Satellites.Find(ClassifySatellite("GL", 0, 65))->BestSnr(), 30) << "reported again by the GL pass";
    EXPECT_EQ(h.Gps->SatsInView, MaxSatellites);
}

// Receivers of GPS only must look the same whichever talkers are decoded.
TEST(GnssDecoding, GpsOnlyLogsDecodeExactlyAsWithGpsTalkersOnly)
{
    const std::string corpus = std::string(TRAKORA_TEST_DATA) + "/corpus/";
    for (const std::string& log : {std::string(TRAKORA_TEST_DATA) + "/sample.TKL", corpus + "ac12.log",
                                   corpus + "garmin38.log", corpus + "gp-320fw-2019-04-07-coldboot.log",
                                   corpus + "GPSmap-76S.log"}) {
        Harness gpsOnly(TalkerFilter::GpsOnly), all(TalkerFilter::AllGnss);
        LineFileReader reader;
        ASSERT_TRUE(reader.Open(log).Ok) << log;
        int line = 0;
        for (std::string text; reader.ReadLine(text);) {
            ++line;
            gpsOnly.Feed(text);
            all.Feed(text);
            ASSERT_TRUE(*gpsOnly.Gps == *all.Gps) << log << " line " << line << ": " << text;
        }
        EXPECT_GT(all.Gnss->Satellites.Count(), 0) << log;
    }
}

} // namespace
