#pragma once

#include "NmeaTestHarness.h"

#include "app/InputPump.h"
#include "common/LoadProgramSettings.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace trakora::testing {

constexpr auto LT = DisplayWindow::LongTerm;
constexpr auto DS = DisplayWindow::DataStat;
constexpr auto SP = DisplayWindow::ShowPos;
constexpr auto SI = DisplayWindow::SatInfo;
constexpr auto SK = DisplayWindow::SatPos;

class FakePort : public ISerialPort {
public:
    FileResult Open(int portNumber) override
    {
        OpenedNumbers.push_back(portNumber);
        if (OpenFails)
            return FileResult{false, 2, "No such file or directory"};
        IsOpen = true;
        return {};
    }
    void Close() override { IsOpen = false; }
    std::string Device() const override { return DevicePath; }
    std::string ReadAll() override
    {
        ++ReadCount;
        if (Incoming.empty())
            return {};
        std::string next = Incoming.front();
        Incoming.pop_front();
        return next;
    }
    void Write(std::string_view text) override { Written += text; }
    bool Failed() const override { return Gone; }
    std::string FailureText() const override { return Gone ? "Input/output error" : ""; }

    std::deque<std::string> Incoming;
    std::vector<int> OpenedNumbers;
    std::string DevicePath = "/dev/ttyUSB0";
    std::string Written;
    bool OpenFails = false, IsOpen = false, Gone = false;
    int ReadCount = 0;
};

class FakeTimer : public ITimer {
public:
    void Arm(int milliseconds) override { Current = milliseconds; }
    void Disarm() override { Current = 0; }
    int Interval() const override { return Current; }
    int Current = 0;
};

class ScriptedClock : public IClock {
public:
    LocalTime Now() override { return Time; }
    LocalTime Time = ToLocalTime(CivilDateTime{2024, 5, 1, 12, 0, 3});
};

class FakeUi : public IPumpUserInterface {
public:
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    void Yield() override { if (OnYield) OnYield(); }
    void OpenSettingsDialog() override { ++SettingsOpened; }

    std::vector<std::string> Shown;
    int SettingsOpened = 0;
    std::function<void()> OnYield;
};

class RefreshLog : public IRefreshTargets {
public:
    void TimerPop(DisplayWindow window) override { Calls.push_back(window); }
    std::vector<DisplayWindow> Calls;
};

inline std::string Gga(const std::string& time)
{
    return Sentence("GPGGA," + time + ",4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
}

inline std::string Rmc(const std::string& time)
{
    return Sentence("GPRMC," + time + ",A,4807.038,N,01131.000,E,022.4,084.4,010524,003.1,W");
}

inline std::string Gsa() { return Sentence("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"); }

// The pump wired to the real dispatcher and real log files, with fakes for
// the port, timers, clock, user interface and windows.
struct PumpRig {
    PumpRig() : Gps(std::make_unique<GpsState>()), Dispatcher(Parse, *Gps, Settings, Output, DispatchMessages),
                Pump(*Gps, Settings, Parse, Dispatcher,
                     PumpServices{Port, Input, Output, Clock, Timer1, Velmor, Ui, Windows})
    {
        MemorySettingsStore store;
        LoadProgramSettings(Settings, *Gps, store);
        Settings.ShowingNMEARaw = FlagSet;
        Dispatcher.SetRawLineSink(&Raw);
    }

    void ShowAllWindows()
    {
        Settings.ShowingLongTerm = Settings.ShowingDataStat = Settings.ShowingShowPos = FlagSet;
        Settings.ShowingSatInfo = Settings.ShowingSatPos = FlagSet;
    }

    std::unique_ptr<GpsState> Gps;
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
    InputPump Pump;
};

} // namespace trakora::testing
