#pragma once

#include "app/BaudSearch.h"
#include "app/PumpInterfaces.h"
#include "app/ReplayPacer.h"
#include "app/ReplayProgress.h"
#include "common/LocalTime.h"
#include "common/ProgramSettings.h"
#include "nmea/GpsState.h"
#include "nmea/LogFile.h"
#include "nmea/NMEAParse.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/SerialLineCutter.h"
#include "nmea/StreamCounters.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trakora {

// The services the pump works through; all of them outlive it.
struct PumpServices {
    ISerialPort& Port;
    LineFileReader& InputLog;
    LogFile& OutputLog; // the program's one recording log, shared with the Settings dialog
    IClock& Clock;
    ITimer& Timer1;
    ITimer& Velmor;
    IPumpUserInterface& Ui;
    IRefreshTargets& Windows;
    IMonotonicClock& Ticks; // paces a replay by its time stamps
};

// Pulls NMEA lines from the serial port or a recorded log, hands them to the
// dispatcher one at a time and drives the refresh of the display windows.
// Start, Continue and Stop are the Input menu's commands; Timer1Tick and
// VelmorTick are the two timers' handlers. A log replay can also be paced,
// paused, stepped an epoch at a time and moved to any point of the log.
class InputPump {
public:
    static constexpr int TickInterval = 950;
    static constexpr int VelmorDelay = 10000;
    static constexpr std::size_t InputBufferLimit = 10000;

    InputPump(GpsState& gps, ProgramSettings& settings, NMEAParse& parse, SentenceDispatcher& dispatcher,
              PumpServices services);

    void Start();
    void Continue();
    void Stop();

    // One run of the pump: reads lines until it has to wait for more input,
    // reaches the end of the log, or input is stopped. A run asked for while
    // another is in progress (through a yield) is refused.
    void Run();

    // False while a timed replay must wait for the clock to catch up.
    bool RealTimeSyncCheck();

    void Timer1Tick();
    void VelmorTick();

    // The counters the dispatcher feeds: Start clears them, Continue resumes
    // them, and they stand still whenever input stops.
    void SetStreamCounters(StreamCounters* counters) { m_counters = counters; }
    // The replay controls; they do nothing while the input is the serial port.
    void SetSpeed(ReplaySpeed speed);
    void Pause();
    void Resume();
    // Reads the lines up to and including the next accepted GGA (pausing first).
    void Step();
    // Rebuilds the state by replaying the log from its start up to the line
    // at `offset` (at most the size the log has now), the windows painted
    // only at the end, nothing recorded and no long-term pass run. Stop
    // ends a rebuild where it is.
    void SeekTo(long long offset);

    bool ReplayingLog() const;
    bool Paused() const { return m_paused; }
    bool Rebuilding() const { return m_rebuilding; }
    ReplayPosition Position();

    std::int32_t TickCount() const { return m_tickCount; }
    // The rate the serial port is set to.
    std::int32_t BaudRate() const { return m_baud; }
    bool Running() const { return m_inRun; }
    // Received characters not yet cut into lines.
    std::string_view PendingInput() const { return m_gpsInput.Pending(); }

private:
    // Fast: read on; ClockDigit: the seconds digit of the clock against that
    // of the receiver; Stamps: each line when its time stamp is due.
    enum class Pacing { Fast, ClockDigit, Stamps };

    // A line read from the log and not dispatched yet (it may be waiting for its time).
    struct HeldLine {
        std::string Text;
        long long Offset = 0; // where it starts
        long long After = 0;  // where the next line starts
        std::optional<LineTime> Stamp;
        std::optional<std::int64_t> Due;
    };

    void RunSerial();
    // One line of a replay; false when the run ends.
    bool FastReplayStep();
    bool TimedReplayStep();
    bool PacedReplayStep(int factor);
    bool StepEpoch();
    void Rebuild();
    // The next line into m_held; false at the end of the log.
    bool NextLine();
    // Dispatches m_held; with `epochs`, refreshes the windows after an
    // accepted GGA. True when the line was a GGA that closed an epoch.
    bool DispatchHeld(bool epochs);
    bool EndOfLog();
    bool LogVanished();
    Pacing CurrentPacing() const;
    PaintPace PaceFor() const;
    void ForgetHeldLine();
    DispatchResult Dispatch(const std::string& line);
    void SetPortRate(std::int32_t baud);
    void RefreshAfterEpoch();
    // The long-term pass takes each line of a log once, and none during a rebuild.
    bool LongTermMayRun() const;
    void RefreshIfShowing(DisplayWindow window, std::int32_t flag);

    bool OpenInputLog(long long resumeAt);
    bool OpenPort();
    void OpenOutputLogIfWanted();
    void SerialFailed();
    void HaltCounters();
    int FreeFileNumber() const;

    GpsState& m_gps;
    ProgramSettings& m_settings;
    NMEAParse& m_parse;
    SentenceDispatcher& m_dispatcher;
    PumpServices m_services;
    StreamCounters* m_counters = nullptr;

    SerialLineCutter m_gpsInput;
    BaudSearch m_baudSearch;
    std::int32_t m_baud = DefaultBaud;
    bool m_overflowReported = false;
    std::int32_t m_tickCount = 0;
    bool m_inRun = false;

    ReplayPacer m_pacer;
    ReplayProgress m_progress;
    std::optional<HeldLine> m_held;
    std::optional<long long> m_seekTarget;
    int m_stepsPending = 0;
    long long m_linesSinceCheck = 0;
    bool m_paused = false;
    bool m_rebuilding = false;
    bool m_fractionSeen = false; // a stamp with tenths: Real time paces by the stamps
    // Where the furthest line read since Start ends. Lines before it, read
    // again after a seek back, are neither recorded nor sampled again.
    long long m_readUpTo = 0;
    bool m_lineReadBefore = false; // the last line dispatched was one of those, or rebuilt

    // Where a stopped replay left its log, so Continue resumes there.
    std::string m_stoppedInputName;
    long long m_stoppedInputPosition = -1;
    bool m_outputStopped = false;
};

} // namespace trakora
