#pragma once

#include "common/FileResult.h"
#include "common/FramePaintThrottle.h"
#include "common/MonotonicClock.h"
#include "nmea/LogSink.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace trakora {

// The one serial port of the program: no parity, 8 data bits, 1 stop bit,
// at the rate asked for (4800 baud unless told otherwise).
class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    // The rate of the next Open, applied at once while the port is open.
    virtual void SetBaudRate(std::int32_t baud) = 0;
    // The device Open uses whatever the port number while it exists ("" for none).
    virtual void PreferDevice(const std::string& device) = 0;
    // Configures and opens the device behind the port number; on failure the
    // result carries the reason.
    virtual FileResult Open(int portNumber) = 0;
    virtual void Close() = 0;
    // The device the last Open tried ("" when no device had that number).
    virtual std::string Device() const = 0;
    // Everything received since the last read.
    virtual std::string ReadAll() = 0;
    virtual void Write(std::string_view text) = 0;
    // True once reading has failed for good (the device was unplugged);
    // FailureText() then says why.
    virtual bool Failed() const = 0;
    virtual std::string FailureText() const = 0;
};

// A timer of the main window: Arm(ms) starts it ticking every ms
// milliseconds, Disarm() stops it (an interval of 0).
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void Arm(int milliseconds) = 0;
    virtual void Disarm() = 0;
    virtual int Interval() const = 0;
};

// What the pump needs of the user interface.
class IPumpUserInterface : public IMessageSink {
public:
    // Lets pending window events (menus, timers) run.
    virtual void Yield() = 0;
    // Opens the Settings dialog without waiting for it.
    virtual void OpenSettingsDialog() = 0;
};

// The display windows the pump refreshes.
enum class DisplayWindow { LongTerm, DataStat, ShowPos, SatInfo, SatPos };

class IRefreshTargets {
public:
    virtual ~IRefreshTargets() = default;
    // Runs the window's TimerPop; called only while its Showing flag is set.
    virtual void TimerPop(DisplayWindow window) = 0;

    virtual void SetPaintPace(PaintPace) {}
    // A round of refreshes (and raw lines) is done: paint it by the pace.
    virtual void RefreshesDone() {}
    // Paint everything pending now, whatever the pace: at a pause, a step,
    // the end of the log, Stop, and after a seek.
    virtual void PaintNow() {}
    // A seek replays the log from its start: every window forgets what it
    // gathered (statistics, tracks, raw lines) as if it had just been opened.
    // The long-term window keeps its sums: its pass does not run meanwhile.
    virtual void ResetWindows() {}
};

} // namespace trakora
