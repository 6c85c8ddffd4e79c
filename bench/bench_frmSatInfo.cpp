#include "common/ProgramContext.h"
#include "views/frmSatInfo.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>

using namespace trakora;

namespace {

// An open, extended window over a full sky with a fix, already sampled once.
struct SatInfoFixture {
    GpsState Gps;
    ProgramSettings Settings;
    MemorySettingsStore Store;
    GnssState Gnss;
    ProgramContext Context{Gps, Settings, Store, Gnss};
    frmSatInfo* Window = nullptr;

    explicit SatInfoFixture(bool shown)
    {
        Settings.GaugeFloor.fill(32);
        Settings.InputRunning = FlagSet;
        Gps.SatViewComplete = true;
        Gps.UtcTime = "123519";
        Gps.UtcDate = "230394";
        Gps.FixQuality = "1";
        Gps.FixMode = "3";
        Gps.HDOP = 1.2f;
        Gps.VDOP = 1.9f;
        Gps.PDOP = 2.2f;
        Gps.HorizErrorEstimate = 8.5f;
        Gps.HorizErrorUnit = "ME";
        Gps.SatsInView = 12;
        Gps.SatsUsed = 8;
        for (int i = 0; i < SatSlots; ++i) {
            Gps.SatPRN[i] = i * 2 + 1;
            Gps.SatElevation[i] = 5 + i * 7;
            Gps.SatAzimuth[i] = i * 30;
            Gps.SatSNR[i] = 30 + i * 2;
            Gps.SatUsed[i] = i < 8;
        }
        Window = new frmSatInfo(Context);
        Window->findChild<QCheckBox*>(QStringLiteral("chkExtended"))->click();
        if (shown)
            Window->show();
        Window->TimerPop();
        QCoreApplication::processEvents();
    }
    ~SatInfoFixture() { delete Window; }

    // One epoch of a moving sky, like a receiver's: every signal wanders by a
    // few dB, the precision changes now and then, and every tenth epoch a
    // satellite rises or sets (changing both counts and a slot's gauge).
    void Advance(int epoch)
    {
        for (int i = 0; i < SatSlots; ++i)
            Gps.SatSNR[i] = 30 + i * 2 + (epoch * 7 + i * 3) % 5;
        if (epoch % 5 == 0)
            Gps.HDOP = 1.0f + static_cast<float>(epoch / 5 % 7) / 10;
        if (epoch % 10 == 0) {
            Gps.SatsInView = 11 + epoch / 10 % 2;
            Gps.SatsUsed = 7 + epoch / 10 % 2;
            Gps.UtcTime = epoch % 20 ? "123520" : "123521";
        }
    }
};

void BM_SteadySky(benchmark::State& state)
{
    SatInfoFixture fixture(state.range(0) != 0);
    for (auto _ : state) {
        fixture.Window->TimerPop();
        QCoreApplication::processEvents();
    }
}

void BM_ChangingSky(benchmark::State& state)
{
    SatInfoFixture fixture(state.range(0) != 0);
    int epoch = 0;
    for (auto _ : state) {
        fixture.Advance(++epoch);
        fixture.Window->TimerPop();
        QCoreApplication::processEvents();
    }
}

// Argument 1: the window is shown, so the refresh includes its repainting.
BENCHMARK(BM_SteadySky)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChangingSky)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
