#pragma once

#include "app/BaudSearch.h"
#include "app/PumpInterfaces.h"
#include "common/LocalTime.h"
#include "common/ProgramSettings.h"
#include "nmea/GpsState.h"
#include "nmea/LogFile.h"
#include "nmea/NMEAParse.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/SerialLineCutter.h"
#include "nmea/StreamCounters.h"

#include <cstdint>
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
};

// Pulls NMEA lines from the serial port or a recorded log, hands them to the
// dispatcher one at a time and drives the refresh of the display windows.
// Start, Continue and Stop are the Input menu's commands; Timer1Tick and
// VelmorTick are the two timers' handlers.
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

    std::int32_t TickCount() const { return m_tickCount; }
    // The rate the serial port is set to.
    std::int32_t BaudRate() const { return m_baud; }
    bool Running() const { return m_inRun; }
    // Received characters not yet cut into lines.
    std::string_view PendingInput() const { return m_gpsInput.Pending(); }

private:
    void RunSerial();
    // One line of a replay; false when the run ends.
    bool FastReplayStep();
    bool TimedReplayStep();
    DispatchResult Dispatch(const std::string& line);
    void SetPortRate(std::int32_t baud);
    void RefreshAfterEpoch();
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

    // Where a stopped replay left its log, so Continue resumes there.
    std::string m_stoppedInputName;
    long long m_stoppedInputPosition = -1;
    bool m_outputStopped = false;
};

} // namespace trakora
