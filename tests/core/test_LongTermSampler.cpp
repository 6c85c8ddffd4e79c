#include "common/LoadProgramSettings.h"
#include "common/NumberFormat.h"
#include "LongTermFakes.h"
#include "NmeaTestHarness.h"
#include "longterm/LongTermSampler.h"
#include "longterm/LongTermTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

using namespace trakora;
using namespace trakora::testing;

namespace {

const std::string Deg = "\xC2\xB0";

class LongTermSamplerTest : public ::testing::Test {
protected:
    LongTermSamplerTest()
    {
        LoadProgramSettings(settings, gps, store);
        gps.FixQuality = "1", gps.FixMode = "3", gps.LatDir = "N", gps.LonDir = "E";
        gps.HDOP = 1.0f, gps.Latitude = 45.0f, gps.Longitude = 7.5f;
    }

    // Opens the window with row 0 ticked to sample every `interval` `type`.
    void OpenWithRow(std::string_view interval, std::string_view type)
    {
        sampler.Load();
        sampler.SetEnabled(0, true);
        sampler.SetInterval(0, interval);
        sampler.SetType(0, type);
    }

    void StartSampling()
    {
        gps.NewPosition = true;
        sampler.Start();
        ASSERT_TRUE(sampler.SamplingStarted());
    }

    int PassWithPosition(LocalTime advance)
    {
        clock.time += advance;
        gps.NewPosition = true;
        sampler.TimerPop();
        return sampler.Row(0).RowSampleCount;
    }

    void Save(std::initializer_list<std::array<const char*, 3>> entries)
    {
        for (const auto& [section, key, value] : entries)
            store.Save(section, key, value);
    }

    void ExpectStored(std::initializer_list<std::array<const char*, 3>> entries)
    {
        for (const auto& [section, key, value] : entries)
            EXPECT_EQ(store.Get(section, key, "?"), value) << section << " " << key;
    }

    // A second window over the same store, as after closing and opening it again.
    LongTermSampler& Reopen()
    {
        reopened.emplace(gps, settings, store, clock, reopenedView, hooks);
        reopened->Load();
        return *reopened;
    }

    Harness h;
    GpsState& gps = *h.Gps;
    ProgramSettings& settings = h.Settings;
    MemorySettingsStore store;
    ScriptedClock clock;
    RecordingView view;
    AnsweringHooks hooks;
    LongTermSampler sampler{gps, settings, store, clock, view, hooks};
    RecordingView reopenedView;
    std::optional<LongTermSampler> reopened;
};

TEST_F(LongTermSamplerTest, FirstOpeningWithEmptyStoreAndPassesBeforeStart)
{
    sampler.Load();
    EXPECT_EQ(view.shown["threshold"] + view.shown["alt"] + view.shown["samples9"] + view.shown["choice9"], "2.000/");
    EXPECT_FALSE(view.ticked[9]);

    gps.NewPosition = gps.NewAltitude = true;
    sampler.TimerPop();
    EXPECT_EQ(view.shown.count("now"), 0u);
    EXPECT_EQ(view.shown.count("status"), 0u);
    EXPECT_EQ(sampler.AltSampleCount(), 0);
    EXPECT_TRUE(gps.NewPosition);
}

TEST_F(LongTermSamplerTest, StoredRowsAreRestoredInEveryDegreeFormat)
{
    Save({{"LTEnab", "3", "1"}, {"LTTime", "3", "15"}, {"LTInt", "3", "Mins"}, {"Samps", "3", "4"},
          {"Lats", "3", "180.5"}, {"Lons", "3", "31"},
          {"LTEnab", "1", "0"}, {"Samps", "1", "7"}, {"Lats", "1", "315"}, // a count but switched off: no averages
          {"LTTime", "2", "10"}, {"LTInt", "2", "mins"},                    // the unit must match exactly
          {"Samps", "4", "garbage"}, {"Altitude", "TotAlt", "??"}});
    settings.DegreeFormat = 2;
    sampler.Load();
    EXPECT_TRUE(view.ticked[3]);
    EXPECT_EQ(view.shown["choice3"], "15/Mins");
    EXPECT_EQ(sampler.Row(3).RowIntervalSecs, 900);
    EXPECT_EQ(view.shown["samples3"], "4");
    EXPECT_EQ(view.shown["lat3"], "45.12500" + Deg);
    EXPECT_EQ(view.shown["lon3"], "7.75000" + Deg);
    EXPECT_FALSE(view.ticked[1]);
    EXPECT_EQ(view.shown["samples1"], "7");
    EXPECT_EQ(view.shown.count("lat1"), 0u);
    EXPECT_EQ(view.shown["choice2"], "10/");
    EXPECT_EQ(sampler.Row(2).RowIntervalSecs, NoIntervalSecs);
    EXPECT_EQ(sampler.Row(4).RowSampleCount, 0);
    EXPECT_EQ(sampler.AltSum(), 0);

    settings.DegreeFormat = 3;
    gps.LatDir = "S";
    sampler.Load();
    EXPECT_EQ(view.shown["lat3"], "45" + Deg + " 7.50000' S");
    store.Save("Lats", "3", "179.9999998"); // an average of 44.99999995: minutes that round to 60 carry
    sampler.Load();
    EXPECT_EQ(view.shown["lat3"], "45" + Deg + " 0.00000' S");
}

TEST_F(LongTermSamplerTest, StartWaitsForTheFirstPositionWithoutBlocking)
{
    OpenWithRow("5", "Mins");
    sampler.SetEnabled(1, true); // an interval but no unit: unticked by Start
    sampler.SetInterval(1, "5");
    gps.NewPosition = false;
    sampler.Start();
    EXPECT_TRUE(view.startDisabled);
    EXPECT_EQ(view.shown["status"], "Starting");
    EXPECT_FALSE(sampler.SamplingStarted());
    ExpectStored({{"LTTime", "0", "5"}, {"LTInt", "0", "Mins"}, {"LTEnab", "0", "1"}, {"LTInt", "1", "-"},
                  {"LTEnab", "1", "0"}, {"LTTime", "2", "0"}});
    EXPECT_FALSE(view.ticked[1]);
    EXPECT_EQ(view.shown["tip0"], "Next update at 2026-12-06 12:05:00");

    EXPECT_EQ(PassWithPosition(5), 0) << "the pass that completes Start takes no sample";
    EXPECT_TRUE(sampler.SamplingStarted());
    EXPECT_EQ(view.shown["start"], "2026-12-06 12:00:05");
}

TEST_F(LongTermSamplerTest, RowsSampleOnlyAfterMoreThanTheirInterval)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    EXPECT_EQ(PassWithPosition(1), 0);
    EXPECT_EQ(PassWithPosition(1), 1);
    EXPECT_EQ(PassWithPosition(1), 1);
    EXPECT_EQ(PassWithPosition(1), 2);
    EXPECT_EQ(view.shown["status"], "Running");
    EXPECT_EQ(view.statusColour, StatusColour::LightGrey);
    EXPECT_EQ(view.shown["samples0"], "2");
    EXPECT_FALSE(gps.NewPosition);

    sampler.SetInterval(0, "60");
    sampler.SetType(0, "Hours");
    EXPECT_EQ(PassWithPosition(60 * 3600), 2);
    EXPECT_EQ(PassWithPosition(1), 3);

    sampler.SetType(0, ""); // no unit: 30 days
    EXPECT_EQ(PassWithPosition(NoIntervalSecs), 3);
    EXPECT_EQ(PassWithPosition(1), 4);

    sampler.SetType(0, "Secs");
    sampler.SetInterval(0, ""); // a unit but no interval never samples
    EXPECT_EQ(PassWithPosition(100000), 4);
}

TEST_F(LongTermSamplerTest, GatesHoldInOrderAndKeepThePosition)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    struct Case {
        const char* quality;
        float hdop;
        const char *threshold, *fixMode, *status;
        char decimalPoint = '.';
        TalkerFilter talkers = TalkerFilter::AllGnss;
    } cases[] = {
        {"6", 0, "2.0", "3", "Quality Hold"},   // quality is tested first
        {"0", 1, "2.0", "3", "Quality Hold"},
        {"4", 1, "2.0", "3", "Running"},        // RTK fixed and float, with every talker
        {"5", 1, "2.0", "3", "Running"},
        {"4", 1, "2.0", "3", "Quality Hold", '.', TalkerFilter::GpsOnly},
        {"1", 0, "2.0", "3", "D.O.P. Hold"},    // no HDOP reported
        {"1", 2.5f, "2.0", "3", "D.O.P. Hold"},
        {"1", 1, "", "3", "D.O.P. Hold"},       // an empty threshold reads as 0
        {"1", 1.5f, "2.0", "2", "xD Hold"},
        {"1", 1.5f, "2.0", "\0", "xD Hold"},    // no GSA yet
        {"2", 1, "1.0", "3", "Running"},        // equality passes
        {"1", 1.1f, "1.1", "3", "Running"},     // equality in the precision HDOP is read in
        {"1", 1.2f, "1.2", "3", "Running"},
        {"1", 1.5f, "1,5", "3", "Running", ','}, // the decimal comma the box admits
        {"1", 1.6f, "1,5", "3", "D.O.P. Hold", ','},
        {"1", 1.5f, "2.0", "3", "Running", ','}, // a stored full stop still reads
    };
    for (const Case& c : cases) {
        settings.DecimalPointChar = c.decimalPoint;
        settings.Talkers = c.talkers;
        gps.FixQuality = c.quality;
        gps.HDOP = c.hdop;
        gps.FixMode = std::string_view(c.fixMode, 1);
        sampler.SetThreshold(c.threshold);
        const int before = sampler.Row(0).RowSampleCount;
        const int after = PassWithPosition(10);
        EXPECT_EQ(view.shown["status"], c.status) << c.quality << " " << c.hdop << " " << c.threshold;
        const bool held = std::string(c.status) != "Running";
        EXPECT_EQ(after, held ? before : before + 1);
        clock.time += 10;
        sampler.TimerPop(); // no new position: a held one is tested again, and counted once
        EXPECT_EQ(view.shown["status"], held ? c.status : "Running");
        EXPECT_EQ(sampler.Row(0).RowSampleCount, after);
    }
    EXPECT_EQ(store.Get("LTTime", "DOPMax", ""), "2.0");
    EXPECT_EQ(view.held.Quality, 3);
    EXPECT_EQ(view.held.Dop, 4);
    EXPECT_EQ(view.held.NotThreeD, 2);

    gps.FixQuality = "0";
    const int before = PassWithPosition(10);
    gps.FixQuality = "1"; // the held position passes once the fix is good again
    clock.time += 10;
    sampler.TimerPop();
    EXPECT_EQ(sampler.Row(0).RowSampleCount, before + 1);
    EXPECT_EQ(view.held.Quality, 4);
}

TEST_F(LongTermSamplerTest, AltitudeSumRoundsHalvesToEvenAndStaysInFeet)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    gps.AltUnit = "FE";
    for (float altitude : {100.5f, 101.5f}) {
        gps.Altitude = altitude;
        gps.NewAltitude = true;
        sampler.TimerPop();
    }
    EXPECT_EQ(sampler.AltSum(), 202);
    EXPECT_EQ(view.shown["alt"], "101.0 Feet");
    EXPECT_EQ(view.shown["altSamples"], "2");
    EXPECT_EQ(view.shown["altSigma"], "\xCF\x83 0.71 Feet"); // samples 1 foot apart: 1/sqrt(2)
    EXPECT_FALSE(gps.NewAltitude);

    gps.AltUnit = "ME", settings.SmallUnit = "ME";
    gps.Altitude = 100.0f, gps.NewAltitude = true; // 328 feet
    sampler.TimerPop();
    EXPECT_EQ(sampler.AltSum(), 530);
    EXPECT_EQ(view.shown["alt"], "53.8 Meters");
}

TEST_F(LongTermSamplerTest, EveryHundredAndFirstCountedPassSaves)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    gps.NewPosition = false;
    for (int i = 0; i < 100; ++i)
        sampler.TimerPop();
    gps.FixQuality = "0";
    PassWithPosition(1); // a held pass does not count
    EXPECT_FALSE(store.Contains("Samps", "0"));
    gps.FixQuality = "1";
    gps.NewPosition = false;
    sampler.TimerPop();
    EXPECT_TRUE(store.Contains("Samps", "0"));
    EXPECT_TRUE(store.Contains("Altitude", "TotAlt"));
}

TEST_F(LongTermSamplerTest, SavedDataReopensWithTheUserTickAndWithoutIncompleteRows)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    gps.Latitude = 45.25f;
    PassWithPosition(2);
    gps.Latitude = 45.75f;
    PassWithPosition(2);
    sampler.SetInterval(1, "20"); // chosen but switched off by the user
    sampler.SetType(1, "Secs");
    sampler.SetEnabled(2, true); // ticked without an interval
    sampler.Close();
    sampler.SaveAllData();
    ExpectStored({{"LTInt", "2", "-"}});
    EXPECT_FALSE(view.ticked[2]);

    settings.DegreeFormat = 2;
    const LongTermSampler& reopened = Reopen();
    EXPECT_DOUBLE_EQ(reopened.Row(0).LatSum, 91.0);
    EXPECT_EQ(reopenedView.shown["lat0"], "45.50000" + Deg);
    EXPECT_TRUE(reopenedView.ticked[0]);
    EXPECT_FALSE(reopenedView.ticked[1]);
    EXPECT_EQ(reopenedView.shown["choice1"], "20/Secs");
    EXPECT_EQ(reopenedView.shown["choice2"], "/");
    EXPECT_FALSE(reopened.SamplingStarted());
}

TEST_F(LongTermSamplerTest, ClearStatsZeroesOnYesAndReturnsSamplingToItsState)
{
    OpenWithRow("1", "Secs");
    hooks.answer = true;
    sampler.ClearStats();
    EXPECT_FALSE(sampler.SamplingStarted()) << "Yes before Start must not start sampling";

    StartSampling();
    PassWithPosition(2);
    hooks.answer = false;
    sampler.ClearStats();
    EXPECT_EQ(PassWithPosition(2), 2) << "No leaves sums and sampling as they were";

    hooks.answer = true;
    sampler.ClearStats();
    EXPECT_EQ(hooks.asked, "Clear Verification|Are you sure you want to clear all data from all accumulators ?");
    EXPECT_EQ(view.shown["samples0"], "");
    EXPECT_EQ(view.shown["lat0"], "");
    EXPECT_EQ(view.shown["alt"], "");
    ExpectStored({{"Samps", "0", "0"}, {"Altitude", "AltSamps", "0"}, {"SqSamps", "0", "0"},
                  {"Altitude", "AltSqSamps", "0"}});
    EXPECT_EQ(sampler.Row(0).Spread.Count(), 0);
    EXPECT_EQ(sampler.Row(0).Cloud.Size(), 0u);
    EXPECT_EQ(PassWithPosition(2), 1) << "sampling goes on with the old interval";
}

TEST_F(LongTermSamplerTest, ClearStatsWhileStartWaitsKeepsTheStartThatCompletesMeanwhile)
{
    OpenWithRow("1", "Secs");
    gps.NewPosition = false;
    sampler.Start();
    hooks.whileAsking = [this] { PassWithPosition(0); }; // the first position arrives
    sampler.ClearStats();
    EXPECT_TRUE(sampler.SamplingStarted());
    EXPECT_EQ(PassWithPosition(2), 1);
}

TEST_F(LongTermSamplerTest, SmallSumsSurviveSaveAndReopen)
{
    OpenWithRow("1", "Secs");
    h.FeedBody("GPRMC,120002,A,5128.700,N,00000.003,W,000.0,000.0,061226,002.0,E");
    StartSampling();
    ASSERT_EQ(PassWithPosition(2), 1);
    sampler.Close();
    sampler.SaveAllData();
    // 0.003' is 5e-05 degrees, 4.99999987368938e-05 in single precision.
    ExpectStored({{"Lons", "0", "0.0000499999987368938"}});
    settings.DegreeFormat = 2;
    Reopen();
    EXPECT_EQ(reopenedView.shown["lon0"], "0.00005" + Deg);
}

TEST_F(LongTermSamplerTest, StoredSumsReadBackOrStartOverWhenAbsurd)
{
    const struct { const char *lats, *samps, *shown /* in degree format 2 */; std::int32_t count; } cases[] = {
        {"4.99999987368938e-05", "1", "0.00005", 1}, // as earlier versions wrote small sums
        {"0.0000499999987368938", "1", "0.00005", 1},
        {"180.5", "4", "45.12500", 4},
        {"999999999999999999999999999999", "1", "", 0}, // a damaged file: average far beyond 90
        {"1e999", "1", "", 0},
        {"-45", "1", "", 0},
        {"90.5", "0", "", 0}, // no samples: a leftover sum must not join the next sample
    };
    gps.LatDir = FixedText<1>{}; // no sentence yet: no hemisphere letter to show
    for (const auto& c : cases) {
        Save({{"LTEnab", "0", "1"}, {"Lats", "0", c.lats}, {"Lons", "0", "0"}, {"Samps", "0", c.samps}});
        for (int format : {2, 3}) {
            settings.DegreeFormat = format;
            view.shown.clear();
            sampler.Load();
            const std::string shown = view.shown["lat0"];
            EXPECT_EQ(sampler.Row(0).RowSampleCount, c.count) << c.lats;
            EXPECT_EQ(shown.find('\0'), std::string::npos) << c.lats;
            if (format == 2) {
                EXPECT_EQ(shown, *c.shown ? c.shown + Deg : "") << c.lats;
            } else {
                EXPECT_EQ(shown.empty(), !*c.shown) << c.lats << ": " << shown;
            }
        }
        EXPECT_EQ(sampler.Row(0).LatSum == 0, c.count == 0) << c.lats;
    }
}

TEST_F(LongTermSamplerTest, AltitudeSumNeverOverflowsAndTakesOnlyFixes)
{
    const std::string fix = "GPGGA,120000,5128.700,N,00000.003,W,";
    const struct {
        const char *totAlt, *altSamps;
        std::string gga;
        int repeat;
        const char *savedTotAlt, *savedAltSamps, *shown;
    } cases[] = {
        // 2147481000 + 3280.84 feet passes the 32-bit limit; 2147484281 / 654122 = 3283.003
        {"2147481000", "654121", fix + "1,08,0.9,1000.0,M,46.9,M,,", 1, "2147484281", "654122", "3283.0 Feet"},
        {"0", "0", fix + "1,08,0.9,999999999,M,46.9,M,,", 1, "0", "0", "0"}, // not an altitude on Earth
        {"1000", "2147483647", fix + "1,08,0.9,100.0,M,46.9,M,,", 1, "1000", "2147483647", ".0 Feet"},
        {"1789", "1", "GPGGA,120000,,,,,0,00,,,M,,M,,", 3, "1789", "1", "1789.0 Feet"}, // no fix
        {"1789", "1", fix + "6,08,0.9,545.4,M,46.9,M,,", 1, "1789", "1", "1789.0 Feet"}, // estimated
        {"1789", "1", fix + "2,08,0.9,545.4,,46.9,M,,", 1, "1789", "1", "1789.0 Feet"},  // no unit
    };
    for (const auto& c : cases) {
        Save({{"Altitude", "TotAlt", c.totAlt}, {"Altitude", "AltSamps", c.altSamps}});
        view.shown.clear();
        OpenWithRow("1", "Secs");
        StartSampling();
        PassWithPosition(2);
        gps.NewPosition = false; // a receiver that sends GGA alone
        for (int i = 0; i < c.repeat; ++i) {
            h.FeedBody(c.gga);
            sampler.TimerPop();
        }
        sampler.SaveAllData();
        ExpectStored({{"Altitude", "TotAlt", c.savedTotAlt}, {"Altitude", "AltSamps", c.savedAltSamps}});
        EXPECT_EQ(view.shown["alt"], c.shown) << c.gga;
    }
}

TEST_F(LongTermSamplerTest, RowCountStopsAtItsLimitInsteadOfWrapping)
{
    Save({{"Samps", "0", "2147483647"}, {"Lats", "0", "96636764115"}}); // 45 degrees each
    OpenWithRow("1", "Secs");
    StartSampling();
    EXPECT_EQ(PassWithPosition(2), 2147483647);
    EXPECT_EQ(sampler.Row(0).LatSum, 96636764115.0);
}

TEST_F(LongTermSamplerTest, SpreadStartsWithNewSamplesInOlderStoresAndSurvivesReopening)
{
    // A row written before the spread was kept, and one whose spread is damaged.
    Save({{"LTEnab", "0", "1"}, {"Samps", "0", "4"}, {"Lats", "0", "180"}, {"Lons", "0", "30"},
          {"Samps", "1", "4"}, {"Lats", "1", "180"}});
    for (const char* section : {"RefLat", "RefLon", "LatOff", "LonOff", "LatSq", "LonSq", "SqSamps"})
        store.Save(section, "1", "1");
    store.Save("LatSq", "1", "nan");
    settings.SmallUnit = "ME";
    OpenWithRow("1", "Secs");
    for (int r : {0, 1}) {
        EXPECT_EQ(sampler.Row(r).Spread.Count(), 0);
        EXPECT_EQ(SpreadTextsOf(sampler.Row(r).Spread, settings).SigmaNorth, "") << "unknown, not 0";
    }
    StartSampling();
    // 2^-14 degrees apart, exact in single precision: 6.78 m north of and
    // south of 45 degrees on the ellipsoid (111133 m per degree there).
    for (float lat : {45.0f, 45.0f + 1.0f / 16384, 45.0f - 1.0f / 16384}) {
        gps.Latitude = lat;
        PassWithPosition(2);
    }
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 7);
    EXPECT_EQ(sampler.Row(0).Spread.Count(), 3);
    EXPECT_EQ(sampler.Row(0).Cloud.Size(), 3u);
    EXPECT_GE(view.spreadShown[0], 3);
    const SpreadTexts texts = SpreadTextsOf(sampler.Row(0).Spread, settings);
    EXPECT_EQ(texts.SigmaNorth, "6.78 Meters");
    EXPECT_EQ(texts.SigmaEast, "0.00 Meters");
    EXPECT_EQ(texts.Cep50, "3.99 Meters"); // 0.5887 x 6.783
    sampler.Close();
    sampler.SaveAllData();
    ExpectStored({{"RefLat", "0", "45"}, {"SqSamps", "0", "3"}});
    const LongTermSampler& reopened = Reopen();
    EXPECT_EQ(SpreadTextsOf(reopened.Row(0).Spread, settings).SigmaNorth, "6.78 Meters");
    EXPECT_EQ(reopened.Row(0).Cloud.Size(), 0u) << "the plot shows this run's samples only";
}

TEST_F(LongTermSamplerTest, AveragedPointIsSignedAcrossTheEquatorAndNamesItsRow)
{
    OpenWithRow("1", "Secs");
    h.FeedBody("GPRMC,120002,A,0000.006,N,00000.003,W,000.0,000.0,061226,002.0,E");
    StartSampling();
    EXPECT_FALSE(sampler.PointOf(0)) << "no sample yet";
    PassWithPosition(2);
    h.FeedBody("GPRMC,120004,A,0000.006,S,00000.003,W,000.0,000.0,061226,002.0,E");
    PassWithPosition(2);
    h.FeedBody("GPGGA,120004,0000.006,S,00000.003,W,1,08,0.9,545.4,M,46.9,M,,");
    sampler.TimerPop();
    const std::optional<AveragedPoint> point = sampler.PointOf(0);
    ASSERT_TRUE(point);
    EXPECT_NEAR(point->Latitude, 0, 1e-12) << "0.0001 N and 0.0001 S average to the equator";
    EXPECT_NEAR(point->Longitude, -0.00005, 1e-9);
    EXPECT_NEAR(*point->AltitudeMetres, 545.4 * 0.3048 * 3.2808399, 0.2); // summed in whole feet
    ASSERT_TRUE(point->LastSampleUtc);
    EXPECT_EQ(GeneralDateTimeText(ToLocalTime(*point->LastSampleUtc)), "2026-12-06 12:00:04");
    EXPECT_EQ(point->Name, "Samp 1");
    // 0.0001 degree is 11.057 m at the equator: two samples 22.115 m apart.
    EXPECT_EQ(point->Description.substr(0, 31), "2 samples, \xCF\x83 north 15.64 m, \xCF\x83");

    sampler.ClearStats(); // No: nothing changes
    store.Save("Samps", "0", "3"); // a spread that holds fewer samples than the row
    store.Save("Lats", "0", "0.0003");
    sampler.Load();
    EXPECT_NEAR(sampler.PointOf(0)->Latitude, -0.0001, 1e-9) << "the sums with the current hemisphere";
}

std::string Ddmm(double degrees, int degreeDigits)
{
    const int whole = static_cast<int>(degrees);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f", degreeDigits, whole, (degrees - whole) * 60.0);
    return text;
}

// A stationary receiver replayed through the decoders: the shown average must
// match the mean of the positions the log itself carries, to the precision
// shown, and the spread must find the noise the log was made with, also after
// the window is reopened.
TEST_F(LongTermSamplerTest, StationaryReceiverAveragesToTheMeanOfItsLog)
{
    settings.DegreeFormat = 2;
    OpenWithRow("1", "Secs");
    // One hour at one fix a second, 3 m of noise north and east (metres per
    // degree at this latitude on the WGS 84 ellipsoid).
    const double trueLat = 47.3951234, trueLon = 8.5470321;
    const double northPerDegree = 111178.5, eastPerDegree = 75493.5;
    std::mt19937 noise(42);
    std::normal_distribution<double> metres(0.0, 3.0);
    double latSum = 0, lonSum = 0;
    int sampled = 0;
    for (int second = 0; second < 3600; ++second) {
        const double lat = trueLat + metres(noise) / northPerDegree;
        const double lon = trueLon + metres(noise) / eastPerDegree;
        char time[8];
        std::snprintf(time, sizeof time, "%02d%02d%02d", second / 3600, second / 60 % 60, second % 60);
        const std::string where = Ddmm(lat, 2) + ",N," + Ddmm(lon, 3) + ",E,";
        h.FeedBody("GPRMC," + std::string(time) + ",A," + where + "000.0,000.0,061226,002.0,E");
        h.FeedBody("GPGGA," + std::string(time) + "," + where + "1,08,0.9,545.4,M,46.9,M,,");
        h.FeedBody("GPGSA,A,3,04,05,09,12,,,,,,,,,1.8,0.9,1.5");
        if (second == 0)
            sampler.Start();
        // Each pass samples when more than the one-second interval has gone.
        const std::int32_t before = sampler.Row(0).RowSampleCount;
        sampler.TimerPop();
        if (sampler.Row(0).RowSampleCount != before)
            latSum += gps.Latitude, lonSum += gps.Longitude, ++sampled;
        ++clock.time;
    }

    ASSERT_GT(sampled, 1000);
    EXPECT_EQ(view.shown["status"], "Running");
    EXPECT_EQ(view.shown["samples0"], std::to_string(sampled));
    EXPECT_EQ(view.shown["lat0"], FormatNumber(latSum / sampled, "##0.00000") + Deg);
    EXPECT_EQ(view.shown["lon0"], FormatNumber(lonSum / sampled, "##0.00000") + Deg);
    // Noise of a few metres averages out to well under the shown precision.
    EXPECT_NEAR(sampler.Row(0).LatSum / sampled, trueLat, 2e-5);
    EXPECT_NEAR(sampler.Row(0).LonSum / sampled, trueLon, 2e-5);

    sampler.Close();
    sampler.SaveAllData();
    LongTermSampler& reopened = Reopen();
    for (const LongTermSampler* s : {&sampler, &reopened}) {
        const std::optional<AccuracyFigures> figures = AccuracyOf(s->Row(0).Spread);
        ASSERT_TRUE(figures);
        EXPECT_EQ(s->Row(0).Spread.Count(), sampled);
        EXPECT_NEAR(figures->SigmaNorth, 3.0, 0.3);
        EXPECT_NEAR(figures->SigmaEast, 3.0, 0.3);
        EXPECT_NEAR(figures->Cep50, 1.1774 * 3.0, 0.1 * 1.1774 * 3.0);
    }
    EXPECT_EQ(SpreadTextsOf(reopened.Row(0).Spread, settings).Cep50, SpreadTextsOf(sampler.Row(0).Spread, settings).Cep50);
}

} // namespace
