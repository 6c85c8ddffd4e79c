// A stationary receiver replayed through the decoders into the long-term
// averages: the shown average must match the mean of the positions the log
// itself carries, to the precision shown.
#include "LongTermFakes.h"
#include "NmeaTestHarness.h"

#include "common/LoadProgramSettings.h"
#include "common/NumberFormat.h"
#include "longterm/LongTermSampler.h"

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

    const double trueLat = 47.3951234, trueLon = 8.5470321;
    std::mt19937 noise(42);
    std::normal_distribution<double> metres(0.0, 3.0);
    double latSum = 0, lonSum = 0;
    int sampled = 0;
    bool started = false;

    for (int second = 0; second < 3600; ++second) {
        const double lat = trueLat + metres(noise) / 111320.0;
        const double lon = trueLon + metres(noise) / 75000.0;
        char time[8];
        std::snprintf(time, sizeof time, "%02d%02d%02d", second / 3600, second / 60 % 60, second % 60);
        h.Feed(Sentence("GPRMC," + std::string(time) + ",A," + Ddmm(lat, 2) + ",N," + Ddmm(lon, 3) +
                        ",E,000.0,000.0,061226,002.0,E"));
        h.Feed(Sentence("GPGGA," + std::string(time) + "," + Ddmm(lat, 2) + ",N," + Ddmm(lon, 3) +
                        ",E,1,08,0.9,545.4,M,46.9,M,,"));
        h.Feed(Sentence("GPGSA,A,3,04,05,09,12,,,,,,,,,1.8,0.9,1.5"));
        if (!started) {
            sampler.Start();
            started = true;
        }
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
}

} // namespace
