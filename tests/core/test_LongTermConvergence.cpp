// A stationary receiver replayed through the decoders into the long-term
// averages: the shown average must match the mean of the positions the log
// itself carries, to the precision shown, and the spread must find the noise
// the log was made with, also after the window is reopened.
#include "LongTermFakes.h"
#include "NmeaTestHarness.h"

#include "common/LoadProgramSettings.h"
#include "common/NumberFormat.h"
#include "longterm/LongTermSampler.h"
#include "longterm/LongTermTexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

using namespace trakora;
using namespace trakora::testing;

namespace {

std::string Ddmm(double degrees, int degreeDigits)
{
    const int whole = static_cast<int>(degrees);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f", degreeDigits, whole, (degrees - whole) * 60.0);
    return text;
}

TEST(LongTermConvergence, StationaryReceiverAveragesToTheMeanOfItsLog)
{
    Harness h;
    MemorySettingsStore store;
    LoadProgramSettings(h.Settings, *h.Gps, store);
    h.Settings.DegreeFormat = 2;
    ScriptedClock clock;
    RecordingView view;
    AnsweringHooks hooks;
    LongTermSampler sampler(*h.Gps, h.Settings, store, clock, view, hooks);
    sampler.Load();
    sampler.SetEnabled(0, true);
    sampler.SetInterval(0, "1");
    sampler.SetType(0, "Secs");

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
        h.Feed(Sentence("GPRMC," + std::string(time) + ",A," + where + "000.0,000.0,061226,002.0,E"));
        h.Feed(Sentence("GPGGA," + std::string(time) + "," + where + "1,08,0.9,545.4,M,46.9,M,,"));
        h.Feed(Sentence("GPGSA,A,3,04,05,09,12,,,,,,,,,1.8,0.9,1.5"));
        if (second == 0)
            sampler.Start();
        // Each pass samples when more than the one-second interval has gone.
        const std::int32_t before = sampler.Row(0).RowSampleCount;
        sampler.TimerPop();
        if (sampler.Row(0).RowSampleCount != before) {
            latSum += h.Gps->Latitude;
            lonSum += h.Gps->Longitude;
            ++sampled;
        }
        ++clock.time;
    }

    ASSERT_GT(sampled, 1000);
    EXPECT_EQ(view.shown["status"], "Running");
    EXPECT_EQ(view.shown["samples0"], std::to_string(sampled));
    EXPECT_EQ(view.shown["lat0"], FormatNumber(latSum / sampled, "##0.00000") + "\xC2\xB0");
    EXPECT_EQ(view.shown["lon0"], FormatNumber(lonSum / sampled, "##0.00000") + "\xC2\xB0");
    // Noise of a few metres averages out to well under the shown precision.
    EXPECT_NEAR(sampler.Row(0).LatSum / sampled, trueLat, 2e-5);
    EXPECT_NEAR(sampler.Row(0).LonSum / sampled, trueLon, 2e-5);

    sampler.Close();
    sampler.SaveAllData();
    RecordingView reopenedView;
    LongTermSampler reopened(*h.Gps, h.Settings, store, clock, reopenedView, hooks);
    reopened.Load();
    for (const LongTermSampler* s : {&sampler, &reopened}) {
        const std::optional<AccuracyFigures> figures = AccuracyOf(s->Row(0).Spread);
        ASSERT_TRUE(figures);
        EXPECT_EQ(s->Row(0).Spread.Count(), sampled);
        EXPECT_NEAR(figures->SigmaNorth, 3.0, 0.3);
        EXPECT_NEAR(figures->SigmaEast, 3.0, 0.3);
        EXPECT_NEAR(figures->Cep50, 1.1774 * 3.0, 0.1 * 1.1774 * 3.0);
    }
    EXPECT_EQ(SpreadTextsOf(reopened.Row(0).Spread, h.Settings).Cep50,
              SpreadTextsOf(sampler.Row(0).Spread, h.Settings).Cep50);
}

} // namespace
