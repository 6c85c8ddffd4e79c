#include "common/LoadProgramSettings.h"
#include "longterm/LongTermSampler.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace trakora;

namespace {

class ScriptedClock : public IClock {
public:
    LocalTime Now() override { return time; }
    LocalTime time = ToLocalTime({2026, 12, 6, 12, 0, 0});
};

struct RecordingView : ILongTermView {
    void ShowStatus(std::string_view text, StatusColour colour) override
    {
        status = text;
        if (colour != StatusColour::Unchanged)
            statusColour = colour;
    }
    void ShowNow(std::string_view text) override { now = text; }
    void ShowTopDOP(std::string_view text) override { topDop = text; }
    void ShowStartTime(std::string_view text) override { startTime = text; }
    void ShowSamples(int row, std::string_view text) override { samples[row] = text; }
    void ShowSamplesTip(int row, std::string_view tip) override { tips[row] = tip; }
    void ShowAverages(int row, std::string_view lat, std::string_view lon) override
    {
        lats[row] = lat;
        lons[row] = lon;
    }
    void ShowRowChoices(int row, bool enabled, std::string_view interval, std::string_view type) override
    {
        ticked[row] = enabled;
        intervals[row] = interval;
        types[row] = type;
    }
    void UntickRow(int row) override { ticked[row] = false; }
    void ShowAltitude(std::string_view average, std::string_view count) override
    {
        altitude = average;
        altSamples = count;
    }
    void ShowThreshold(std::string_view text) override { threshold = text; }
    void DisableStart() override { startDisabled = true; }

    std::string status = "Stopped", now = "Not yet started", topDop = "Unknown", startTime = "Not yet started";
    StatusColour statusColour = StatusColour::LightRed;
    std::map<int, std::string> samples, tips, lats, lons, intervals, types;
    std::map<int, bool> ticked;
    std::string altitude, altSamples, threshold;
    bool startDisabled = false;
};

struct AnsweringHooks : ILongTermHooks {
    void Yield() override { ++yields; }
    bool AskYesNo(std::string_view title, std::string_view question) override
    {
        asked = std::string(title) + "|" + std::string(question);
        return answer;
    }
    bool answer = false;
    int yields = 0;
    std::string asked;
};

class LongTermSamplerTest : public ::testing::Test {
protected:
    LongTermSamplerTest()
    {
        LoadProgramSettings(settings, gps, store);
        gps.FixQuality = "1";
        gps.FixMode = "3";
        gps.HDOP = 1.0f;
        gps.Latitude = 45.0f;
        gps.LatDir = "N";
        gps.Longitude = 7.5f;
        gps.LonDir = "E";
    }

    // Opens the window with row 0 set to sample every `interval` `type`.
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

    void PassWithPosition(LocalTime advance)
    {
        clock.time += advance;
        gps.NewPosition = true;
        sampler.TimerPop();
    }

    GpsState gps;
    ProgramSettings settings;
    MemorySettingsStore store;
    ScriptedClock clock;
    RecordingView view;
    AnsweringHooks hooks;
    LongTermSampler sampler{gps, settings, store, clock, view, hooks};
};

TEST_F(LongTermSamplerTest, FirstOpeningWithEmptyStoreShowsNothingSampled)
{
    sampler.Load();
    EXPECT_EQ(view.threshold, "2.0");
    EXPECT_EQ(store.Get("LTTime", "DOPMax", ""), "2.0");
    EXPECT_EQ(view.altitude, "0");
    EXPECT_EQ(view.altSamples, "0");
    for (int r = 0; r < LongTermRows; ++r) {
        EXPECT_EQ(view.samples[r], "0");
        EXPECT_FALSE(view.ticked[r]);
        EXPECT_EQ(view.intervals[r], "");
        EXPECT_EQ(view.types[r], "");
        EXPECT_EQ(sampler.Row(r).RowIntervalSecs, NoIntervalSecs);
    }
}

TEST_F(LongTermSamplerTest, PassesBeforeStartChangeNothing)
{
    sampler.Load();
    gps.NewPosition = true;
    gps.NewAltitude = true;
    sampler.TimerPop();
    EXPECT_EQ(view.now, "Not yet started");
    EXPECT_EQ(view.topDop, "Unknown");
    EXPECT_EQ(view.status, "Stopped");
    EXPECT_EQ(sampler.AltSampleCount(), 0);
    EXPECT_TRUE(gps.NewPosition);
}

TEST_F(LongTermSamplerTest, StoredRowIsRestoredWithItsAverages)
{
    store.Save("LTEnab", "3", "1");
    store.Save("LTTime", "3", "15");
    store.Save("LTInt", "3", "Mins");
    store.Save("Samps", "3", "4");
    store.Save("Lats", "3", "180.5");
    store.Save("Lons", "3", "30");
    settings.DegreeFormat = 2;
    sampler.Load();
    EXPECT_TRUE(view.ticked[3]);
    EXPECT_EQ(view.intervals[3], "15");
    EXPECT_EQ(view.types[3], "Mins");
    EXPECT_EQ(sampler.Row(3).RowIntervalSecs, 900);
    EXPECT_EQ(view.samples[3], "4");
    EXPECT_EQ(view.lats[3], "45.12500\xC2\xB0");
    EXPECT_EQ(view.lons[3], "7.50000\xC2\xB0");
}

TEST_F(LongTermSamplerTest, DisabledRowShowsCountButNoAverages)
{
    store.Save("LTEnab", "1", "0");
    store.Save("Samps", "1", "7");
    store.Save("Lats", "1", "315");
    sampler.Load();
    EXPECT_FALSE(view.ticked[1]);
    EXPECT_EQ(view.samples[1], "7");
    EXPECT_EQ(view.lats.count(1), 0u);
}

TEST_F(LongTermSamplerTest, TypeComparisonIsExactAndDamagedEntriesReadAsZero)
{
    store.Save("LTTime", "2", "10");
    store.Save("LTInt", "2", "mins");
    store.Save("Samps", "4", "garbage");
    store.Save("Lats", "4", "x1");
    store.Save("Altitude", "TotAlt", "??");
    sampler.Load();
    EXPECT_EQ(view.types[2], "");
    EXPECT_EQ(sampler.Row(2).RowIntervalSecs, NoIntervalSecs);
    EXPECT_EQ(sampler.Row(4).RowSampleCount, 0);
    EXPECT_EQ(sampler.Row(4).LatSum, 0.0);
    EXPECT_EQ(sampler.AltSum(), 0);
}

TEST_F(LongTermSamplerTest, IntervalsInSecondsForEachType)
{
    sampler.Load();
    sampler.SetInterval(0, "60");
    sampler.SetType(0, "Hours");
    EXPECT_EQ(sampler.Row(0).RowIntervalSecs, 60 * 3600);
    sampler.SetType(0, "Secs");
    EXPECT_EQ(sampler.Row(0).RowIntervalSecs, 60);
    sampler.SetType(0, "");
    EXPECT_EQ(sampler.Row(0).RowIntervalSecs, NoIntervalSecs);
}

TEST_F(LongTermSamplerTest, StartWaitsForTheFirstPositionWithoutBlocking)
{
    OpenWithRow("1", "Secs");
    gps.NewPosition = false;
    sampler.Start();
    EXPECT_TRUE(view.startDisabled);
    EXPECT_EQ(view.status, "Starting");
    EXPECT_FALSE(sampler.SamplingStarted());
    EXPECT_EQ(view.startTime, "Not yet started");

    clock.time += 5;
    gps.NewPosition = true;
    sampler.TimerPop();
    EXPECT_TRUE(sampler.SamplingStarted());
    EXPECT_EQ(view.startTime, "2026-12-06 12:00:05");
    EXPECT_EQ(view.now, view.startTime);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 0) << "the pass that completes Start takes no sample";
}

TEST_F(LongTermSamplerTest, StartRecordsRowChoicesAndUnticksIncompleteRows)
{
    sampler.Load();
    sampler.SetEnabled(0, true);
    sampler.SetInterval(0, "5");
    sampler.SetType(0, "Mins");
    sampler.SetEnabled(1, true);
    sampler.SetInterval(1, "5");
    StartSampling();
    EXPECT_EQ(store.Get("LTTime", "0", ""), "5");
    EXPECT_EQ(store.Get("LTInt", "0", ""), "Mins");
    EXPECT_EQ(store.Get("LTEnab", "0", ""), "1");
    EXPECT_EQ(store.Get("LTInt", "1", ""), "-");
    EXPECT_EQ(store.Get("LTEnab", "1", ""), "0");
    EXPECT_FALSE(view.ticked[1]);
    EXPECT_EQ(store.Get("LTTime", "2", ""), "0");
    EXPECT_EQ(view.tips[0], "Next update at 2026-12-06 12:05:00");
}

TEST_F(LongTermSamplerTest, OneSecondIntervalSamplesAtMostEveryTwoSeconds)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    PassWithPosition(1);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 0);
    PassWithPosition(1);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 1);
    PassWithPosition(1);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 1);
    PassWithPosition(1);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 2);
    EXPECT_EQ(view.status, "Running");
    EXPECT_EQ(view.statusColour, StatusColour::LightGrey);
    EXPECT_EQ(view.samples[0], "2");
    EXPECT_FALSE(gps.NewPosition);
}

TEST_F(LongTermSamplerTest, SixtyHoursAndMissingTypeWaitTheirIntervals)
{
    OpenWithRow("60", "Hours");
    sampler.SetEnabled(1, true);
    sampler.SetInterval(1, "5");
    StartSampling();
    sampler.SetType(1, ""); // ticked again with an interval but no type
    sampler.SetEnabled(1, true);
    PassWithPosition(60 * 3600);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 0);
    PassWithPosition(1);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 1);
    EXPECT_EQ(sampler.Row(1).RowSampleCount, 0);
    PassWithPosition(NoIntervalSecs);
    EXPECT_EQ(sampler.Row(1).RowSampleCount, 1);
}

TEST_F(LongTermSamplerTest, TypeWithoutIntervalNeverSamples)
{
    OpenWithRow("", "Secs");
    StartSampling();
    sampler.SetEnabled(0, true);
    for (int i = 0; i < 5; ++i)
        PassWithPosition(100000);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 0);
}

TEST_F(LongTermSamplerTest, GatesHoldInOrderAndKeepThePosition)
{
    OpenWithRow("1", "Secs");
    StartSampling();

    gps.FixQuality = "6";
    gps.HDOP = 0;
    PassWithPosition(10);
    EXPECT_EQ(view.status, "Quality Hold");
    EXPECT_EQ(view.statusColour, StatusColour::LightRed);
    EXPECT_TRUE(gps.NewPosition);

    gps.FixQuality = "0";
    PassWithPosition(10);
    EXPECT_EQ(view.status, "Quality Hold");

    gps.FixQuality = "1";
    PassWithPosition(10);
    EXPECT_EQ(view.status, "D.O.P. Hold");

    gps.HDOP = 2.5f;
    PassWithPosition(10);
    EXPECT_EQ(view.status, "D.O.P. Hold");

    gps.HDOP = 1.5f;
    gps.FixMode = "2";
    PassWithPosition(10);
    EXPECT_EQ(view.status, "xD Hold");

    gps.FixMode = FixedText<1>(); // no GSA yet: NUL
    PassWithPosition(10);
    EXPECT_EQ(view.status, "xD Hold");
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 0);
    EXPECT_TRUE(gps.NewPosition);
}

TEST_F(LongTermSamplerTest, EqualHdopPassesTheGate)
{
    OpenWithRow("1", "Secs");
    sampler.SetThreshold("1.0");
    StartSampling();
    gps.FixQuality = "2";
    gps.HDOP = 1.0f;
    PassWithPosition(10);
    EXPECT_EQ(view.status, "Running");
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 1);
}

TEST_F(LongTermSamplerTest, EmptyThresholdHoldsEveryReportedHdop)
{
    OpenWithRow("1", "Secs");
    sampler.SetThreshold("");
    EXPECT_EQ(store.Get("LTTime", "DOPMax", "x"), "");
    StartSampling();
    PassWithPosition(10);
    EXPECT_EQ(view.status, "D.O.P. Hold");
}

TEST_F(LongTermSamplerTest, AltitudesSumRoundingHalvesToEven)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    gps.AltUnit = "FE";
    gps.Altitude = 100.5f;
    gps.NewAltitude = true;
    sampler.TimerPop();
    EXPECT_EQ(sampler.AltSum(), 100);
    gps.Altitude = 101.5f;
    gps.NewAltitude = true;
    sampler.TimerPop();
    EXPECT_EQ(sampler.AltSum(), 202);
    EXPECT_EQ(view.altitude, "101.0 Feet");
    EXPECT_EQ(view.altSamples, "2");
    EXPECT_FALSE(gps.NewAltitude);
}

TEST_F(LongTermSamplerTest, AltitudeSumStaysInFeetWhenTheUnitChanges)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    gps.AltUnit = "ME";
    gps.Altitude = 100.0f;
    gps.NewAltitude = true;
    sampler.TimerPop(); // 328 feet
    settings.SmallUnit = "ME";
    gps.NewAltitude = true;
    sampler.TimerPop();
    EXPECT_EQ(sampler.AltSum(), 656);
    EXPECT_EQ(view.altitude, "100.0 Meters");
}

TEST_F(LongTermSamplerTest, EveryHundredAndFirstCountedPassSaves)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    gps.NewPosition = false;
    for (int i = 0; i < 100; ++i)
        sampler.TimerPop();
    EXPECT_FALSE(store.Contains("Samps", "0"));

    gps.FixQuality = "0"; // held passes do not count
    PassWithPosition(1);
    EXPECT_FALSE(store.Contains("Samps", "0"));

    gps.FixQuality = "1";
    gps.NewPosition = false;
    sampler.TimerPop();
    EXPECT_TRUE(store.Contains("Samps", "0"));
    EXPECT_TRUE(store.Contains("Altitude", "TotAlt"));
}

TEST_F(LongTermSamplerTest, SaveAllDataKeepsTheUserTickAndClearsRowsWithoutInterval)
{
    OpenWithRow("10", "Mins");
    sampler.SetInterval(1, "20");
    sampler.SetType(1, "Secs");
    sampler.SetEnabled(2, true);
    sampler.SaveAllData();
    EXPECT_EQ(store.Get("LTEnab", "0", ""), "1");
    EXPECT_EQ(store.Get("LTEnab", "1", ""), "0");
    EXPECT_EQ(store.Get("LTTime", "1", ""), "20");
    EXPECT_EQ(store.Get("LTInt", "1", ""), "Secs");
    EXPECT_EQ(store.Get("LTInt", "2", ""), "-");
    EXPECT_EQ(store.Get("LTTime", "2", ""), "0");
    EXPECT_FALSE(view.ticked[2]);
    EXPECT_FALSE(sampler.Row(2).Enabled);
}

TEST_F(LongTermSamplerTest, ReopeningRestoresSumsAndAverages)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    gps.Latitude = 45.25f;
    PassWithPosition(2);
    gps.Latitude = 45.75f;
    PassWithPosition(2);
    sampler.Close();
    sampler.SaveAllData();

    RecordingView reopenedView;
    LongTermSampler reopened{gps, settings, store, clock, reopenedView, hooks};
    settings.DegreeFormat = 2;
    reopened.Load();
    EXPECT_EQ(reopened.Row(0).RowSampleCount, 2);
    EXPECT_DOUBLE_EQ(reopened.Row(0).LatSum, 91.0);
    EXPECT_EQ(reopenedView.lats[0], "45.50000\xC2\xB0");
    EXPECT_TRUE(reopenedView.ticked[0]);
    EXPECT_FALSE(reopened.SamplingStarted());
}

TEST_F(LongTermSamplerTest, DegreeFormatThreeShowsMinutesAndHemisphere)
{
    store.Save("LTEnab", "0", "1");
    store.Save("Samps", "0", "2");
    store.Save("Lats", "0", "91");
    store.Save("Lons", "0", "15.5");
    settings.DegreeFormat = 3;
    gps.LatDir = "S";
    gps.LonDir = "W";
    sampler.Load();
    EXPECT_EQ(view.lats[0], "45\xC2\xB0 30.00000' S");
    EXPECT_EQ(view.lons[0], "7\xC2\xB0 45.00000' W");
}

TEST_F(LongTermSamplerTest, ClearStatsYesZeroesAndKeepsSampling)
{
    OpenWithRow("1", "Secs");
    StartSampling();
    PassWithPosition(2);
    gps.NewAltitude = true;
    sampler.TimerPop();
    hooks.answer = true;
    sampler.ClearStats();
    EXPECT_EQ(hooks.asked, "Clear Verification|Are you sure you want to clear all data from all accumulators ?");
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 0);
    EXPECT_EQ(sampler.Row(0).LatSum, 0.0);
    EXPECT_EQ(view.samples[0], "");
    EXPECT_EQ(view.lats[0], "");
    EXPECT_EQ(view.altitude, "");
    EXPECT_EQ(store.Get("Samps", "0", ""), "0");
    EXPECT_EQ(store.Get("Altitude", "AltSamps", ""), "0");
    EXPECT_TRUE(sampler.SamplingStarted());
    PassWithPosition(2);
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 1);
}

TEST_F(LongTermSamplerTest, ClearStatsReturnsSamplingToItsState)
{
    OpenWithRow("1", "Secs");
    hooks.answer = true;
    sampler.ClearStats();
    EXPECT_FALSE(sampler.SamplingStarted()) << "Yes before Start must not start sampling";

    StartSampling();
    PassWithPosition(2);
    hooks.answer = false;
    sampler.ClearStats();
    EXPECT_TRUE(sampler.SamplingStarted());
    EXPECT_EQ(sampler.Row(0).RowSampleCount, 1);
}

} // namespace
