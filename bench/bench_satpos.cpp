#include "common/ProgramContext.h"
#include "views/frmSatPositions.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

#include <unistd.h>

namespace trakora {
namespace {

struct SkyFixture {
    SkyFixture()
    {
        settings.InputRunning = FlagSet;
        gps->SatViewComplete = true;
        gps->LatDir = "N";
        gps->Latitude = 47.5f;
        for (int k = 0; k < SatSlots; ++k) {
            gps->SatPRN[k] = 2 * k + 1;
            gps->SatElevation[k] = 10 + 6 * k;
            gps->SatAzimuth[k] = 30 * k;
            gps->SatUsed[k] = k < 8;
        }
        window = std::make_unique<frmSatPositions>(context);
        window->show();
        QCoreApplication::processEvents();
    }

    // Every satellite creeps one degree along its path, as over a few
    // minutes of a real pass.
    void Advance(int step)
    {
        for (int k = 0; k < SatSlots; ++k) {
            gps->SatAzimuth[k] = (30 * k + step) % 360;
            gps->SatElevation[k] = 10 + (6 * k + step / 7) % 80;
        }
    }

    std::unique_ptr<GpsState> gps = std::make_unique<GpsState>();
    ProgramSettings settings;
    MemorySettingsStore store;
    std::unique_ptr<GnssState> gnss = std::make_unique<GnssState>();
    ProgramContext context{*gps, settings, store, *gnss};
    std::unique_ptr<frmSatPositions> window;
};

void TimerPopSteadySky(benchmark::State& state)
{
    SkyFixture sky;
    sky.window->TimerPop();
    for (auto _ : state)
        sky.window->TimerPop();
}
BENCHMARK(TimerPopSteadySky)->Unit(benchmark::kMicrosecond);

// The repaint that follows on the event loop is left out of the timing; it
// still runs, as it does after every epoch of a real run, so the regions
// waiting for repaint do not pile up.
void TimerPopMovingSky(benchmark::State& state)
{
    SkyFixture sky;
    int step = 0;
    for (auto _ : state) {
        sky.Advance(++step);
        sky.window->TimerPop();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(TimerPopMovingSky)->Unit(benchmark::kMicrosecond);

// The same with the repaint that follows on the event loop.
void TimerPopMovingSkyAndPaint(benchmark::State& state)
{
    SkyFixture sky;
    int step = 0;
    for (auto _ : state) {
        sky.Advance(++step);
        sky.window->TimerPop();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(TimerPopMovingSkyAndPaint)->Unit(benchmark::kMicrosecond);

// Resident memory of the process in kilobytes.
double ResidentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// A receiver (or a damaged log) reporting 40,000 distinct PRNs, twelve at a
// time: the memory the plot gains should stay flat.
void TimerPopEverNewPrns(benchmark::State& state)
{
    SkyFixture sky;
    const double before = ResidentKilobytes();
    for (auto _ : state) {
        for (int first = 33; first < 33 + 40000; first += SatSlots) {
            for (int k = 0; k < SatSlots; ++k)
                sky.gps->SatPRN[k] = first + k;
            sky.window->TimerPop();
            QCoreApplication::processEvents();
        }
    }
    state.counters["grown_MB"] = (ResidentKilobytes() - before) / 1024.0;
}
BENCHMARK(TimerPopEverNewPrns)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace trakora
