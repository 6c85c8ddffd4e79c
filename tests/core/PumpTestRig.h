#pragma once

#include "NmeaTestHarness.h"

#include "app/InputPump.h"
#include "common/LoadProgramSettings.h"

#include <cerrno>
#include <deque>

namespace trakora::testing {

constexpr auto LT = DisplayWindow::LongTerm;
constexpr auto DS = DisplayWindow::DataStat;
constexpr auto SP = DisplayWindow::ShowPos;
constexpr auto SK = DisplayWindow::SatPos;

struct FakePort : ISerialPort {
    void SetBaudRate(std::int32_t baud) override { Rates.push_back(baud); }
    void PreferDevice(const std::string& device) override { Preferred = device; }
    FileResult Open(int portNumber) override
    {
        OpenedNumbers.push_back(portNumber);
        IsOpen = !OpenFails;
        return OpenFails ? Failure : FileResult{};
    }
    void Close() override { IsOpen = false; }
    std::string Device() const override { return DevicePath; }
    std::string ReadAll() override
    {
        ++ReadCount;
        std::string next;
        if (!Incoming.empty())
            next = std::move(Incoming.front()), Incoming.pop_front();
        return next;
    }
    void Write(std::string_view) override {}
    bool Failed() const override { return Gone; }
    std::string FailureText() const override { return Gone ? "Input/output error" : ""; }

    std::deque<std::string> Incoming;
    std::vector<int> OpenedNumbers;
    std::vector<std::int32_t> Rates; // every rate set, in order
    std::string Preferred;
    std::string DevicePath = "/dev/ttyUSB0";
    FileResult Failure{false, ENOENT, "No such file or directory"};
    bool OpenFails = false, IsOpen = false, Gone = false;
    int ReadCount = 0;
};

struct FakeTimer : ITimer {
    void Arm(int milliseconds) override { Current = milliseconds, Armed.push_back(milliseconds); }
    void Disarm() override { Current = 0; }
    int Interval() const override { return Current; }
    int Current = 0;
    std::vector<int> Armed;
};

struct ScriptedClock : IClock {
    LocalTime Now() override { return Time; }
    LocalTime Time = ToLocalTime(CivilDateTime{2024, 5, 1, 12, 0, 3});
};

struct FakeTicks : IMonotonicClock {
    std::int64_t Milliseconds() override { return Now; }
    std::int64_t Now = 1000000;
};

struct FakeUi : IPumpUserInterface {
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text), OnShow ? OnShow() : void(); }
    void Yield() override { if (OnYield) OnYield(); }
    void OpenSettingsDialog() override { ++SettingsOpened, OnSettings ? OnSettings() : void(); }

    std::vector<std::string> Shown;
    int SettingsOpened = 0;
    std::function<void()> OnYield, OnSettings, OnShow; // OnShow: while the message is up
};

struct RefreshLog : IRefreshTargets {
    void TimerPop(DisplayWindow window) override { Calls.push_back(window); }
    void SetPaintPace(PaintPace pace) override { Pace = pace; }
    void PaintNow() override { ++Paints; }
    void ResetWindows() override { ++Resets; }
    std::vector<DisplayWindow> Calls;
    PaintPace Pace = PaintPace::EveryRefresh;
    int Paints = 0, Resets = 0;
};

inline std::string Gga(const std::string& time) { return Sentence("GPGGA," + time + ",4807.038,N,01131.000,E,1,08,,,,,,,"); }
inline std::string Rmc(const std::string& time) { return Sentence("GPRMC," + time + ",A,4807.038,N,01131.000,E,,,010524,,"); }

// The pump wired to the real dispatcher and real log files, with fakes for
// the port, timers, clock, user interface and windows.
struct PumpRig {
    PumpRig() : Gps(std::make_unique<GpsState>()), Gnss(std::make_unique<GnssState>()),
                Dispatcher(Parse, *Gps, *Gnss, Settings, Output, DispatchMessages),
                Pump(*Gps, Settings, Parse, Dispatcher,
                     PumpServices{Port, Input, Output, Clock, Timer1, Velmor, Ui, Windows, Ticks})
    {
        MemorySettingsStore store;
        LoadProgramSettings(Settings, *Gps, store);
        Settings.ShowingNMEARaw = FlagSet;
        Dispatcher.SetRawLineSink(&Raw);
    }

    void ShowAllButSatInfo() // a closed window is skipped
    {
        Settings.ShowingLongTerm = Settings.ShowingDataStat = Settings.ShowingShowPos = Settings.ShowingSatPos = FlagSet;
    }

    std::unique_ptr<GpsState> Gps;
    std::unique_ptr<GnssState> Gnss;
    ProgramSettings Settings;
    NMEAParse Parse;
    LogFile Output;
    LineFileReader Input;
    Messages DispatchMessages;
    RawLines Raw;
    SentenceDispatcher Dispatcher;
    FakePort Port;
    ScriptedClock Clock;
    FakeTimer Timer1, Velmor;
    FakeUi Ui;
    RefreshLog Windows;
    FakeTicks Ticks;
    InputPump Pump;
};

} // namespace trakora::testing
