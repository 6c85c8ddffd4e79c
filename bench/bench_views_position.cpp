// TimerPop cost of the Position Information and Data Status windows: with a
// receiver state that stays the same (nothing to redraw) and with one that
// moves every epoch (new time, position, speed and course, and the validity
// flipping every tenth epoch).

#include "views/frmDataStat.h"
#include "views/frmShowPosition.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <memory>

namespace trakora {
namespace {

struct Receiver {
    std::unique_ptr<GpsState> Gps = std::make_unique<GpsState>();
    ProgramSettings Settings;
    MemorySettingsStore Store;
    std::unique_ptr<GnssState> Gnss = std::make_unique<GnssState>();
    ProgramContext Context{*Gps, Settings, Store, *Gnss};

    Receiver()
    {
        Settings.InputRunning = FlagSet;
        Settings.UTCOffsetDirection = 1;
        Settings.UTCOffsetHour = 5;
        Settings.UTCOffsetMinute = 30;
        Gps->RMCStatus = "A";
        Gps->GLLStatus = "A";
        Gps->UtcDate = "311204";
        Gps->UtcTime = "233015";
        Gps->Latitude = 45.5125f;
        Gps->LatDir = "N";
        Gps->Longitude = 12.3456f;
        Gps->LonDir = "E";
        Gps->Altitude = 545.4f;
        Gps->AltUnit = "ME";
        Gps->Speed = 12.3f;
        Gps->SpeedUnit = "NA";
        Gps->CourseMag = 87.5f;
        Gps->MagVar = 2.5f;
        Gps->MagVarDir = "E";
        Gps->MapDatum = " WGS 84 ";
    }

    // The state of epoch n of a moving receiver.
    void Advance(long n)
    {
        char time[16];
        std::snprintf(time, sizeof time, "%02ld%02ld%02ld", (n / 3600) % 24, (n / 60) % 60, n % 60);
        Gps->UtcTime = time;
        Gps->Latitude = 45.5125f + float(n % 1000) * 1e-5f;
        Gps->Longitude = 12.3456f + float(n % 1000) * 1e-5f;
        Gps->Speed = float(n % 200) * 0.1f;
        Gps->CourseMag = float(n % 360);
        Gps->RMCStatus = (n / 10) % 2 ? "V" : "A";
        Gps->GLLStatus = Gps->RMCStatus.View();
    }
};

template <typename Window>
void SteadyState(benchmark::State& state, int degreeFormat)
{
    Receiver receiver;
    receiver.Settings.DegreeFormat = degreeFormat;
    Window window(receiver.Context);
    window.show();
    window.TimerPop();
    for (auto _ : state)
        window.TimerPop();
}

// With `paint`, the pending repaints run after each refresh, as the pump lets
// them after every $GPGGA in fast replay.
template <typename Window>
void ChangingState(benchmark::State& state, int degreeFormat, bool paint)
{
    Receiver receiver;
    receiver.Settings.DegreeFormat = degreeFormat;
    Window window(receiver.Context);
    window.show();
    QApplication::processEvents();
    long epoch = 0;
    for (auto _ : state) {
        receiver.Advance(++epoch);
        window.TimerPop();
        if (paint)
            QApplication::processEvents();
    }
}

void ShowPositionSteady(benchmark::State& state) { SteadyState<frmShowPosition>(state, int(state.range(0))); }
void ShowPositionChanging(benchmark::State& state)
{
    ChangingState<frmShowPosition>(state, int(state.range(0)), false);
}
void ShowPositionChangingPainted(benchmark::State& state)
{
    ChangingState<frmShowPosition>(state, int(state.range(0)), true);
}
void DataStatSteady(benchmark::State& state) { SteadyState<frmDataStat>(state, 1); }
void DataStatChanging(benchmark::State& state) { ChangingState<frmDataStat>(state, 1, false); }
void DataStatChangingPainted(benchmark::State& state) { ChangingState<frmDataStat>(state, 1, true); }

BENCHMARK(ShowPositionSteady)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowPositionChanging)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowPositionChangingPainted)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(DataStatSteady)->Unit(benchmark::kMicrosecond);
BENCHMARK(DataStatChanging)->Unit(benchmark::kMicrosecond);
BENCHMARK(DataStatChangingPainted)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace trakora
