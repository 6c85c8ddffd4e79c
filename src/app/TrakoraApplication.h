#pragma once

#include "app/InputPump.h"
#include "app/QtCommandLine.h"
#include "app/QtDisplayWindows.h"
#include "app/QtFramePainter.h"
#include "app/QtPumpUserInterface.h"
#include "app/QtReplayControls.h"
#include "app/QtSerialPort.h"
#include "app/QtTimer.h"
#include "app/QtWindowRegistry.h"
#include "app/frmMDI.h"
#include "common/LocalTime.h"
#include "common/MonotonicClock.h"
#include "common/ProgramContext.h"
#include "nmea/LogFile.h"
#include "nmea/NMEAParse.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/StreamCounters.h"

#include <QTimer>

#include <memory>

namespace trakora {

class frmNMEA_Raw;

// The program: owns the records, the settings store, the parser, the
// recording log, the dispatcher, the input pump with its port and timers,
// and the main window. Nothing of it is global.
class TrakoraApplication {
public:
    // `messages` replaces the message boxes and `clock` the system's
    // monotonic clock (tests); null means boxes and the system's clock.
    explicit TrakoraApplication(std::unique_ptr<ISettingsStore> store, IMessageSink* messages = nullptr,
                                IMonotonicClock* clock = nullptr);
    ~TrakoraApplication();
    TrakoraApplication(const TrakoraApplication&) = delete;
    TrakoraApplication& operator=(const TrakoraApplication&) = delete;

    // Loads the main window, applies the command line, shows the window
    // and, when the command line asks for input, starts it.
    void Launch(const RunOptions& options = {});

    frmMDI& MainWindow() { return *m_mainWindow; }
    InputPump& Pump() { return *m_pump; }
    GpsState& Gps() { return *m_gps; }
    GnssState& Gnss() { return *m_gnss; }
    ProgramSettings& Settings() { return m_settings; }
    ISettingsStore& Store() { return *m_store; }
    WindowRegistry& Registry() { return m_registry; }
    QtSerialPort& Port() { return m_port; }
    LogFile& OutputLog() { return m_outputLog; }
    frmNMEA_Raw* RawWindow() const { return m_rawWindow; }
    StreamCounters& Counters() { return m_counters; }

    // The input's status in the main window and the health window, brought
    // up to date; the status timer does it twice a second.
    void RefreshStatus();
    QtReplayControls& ReplayControls() { return *m_replayControls; }
    // Paints after every refresh whatever the speed: the reference that fast
    // replays, painted once a frame, are checked against.
    void PaintEveryRefresh(bool every) { m_refresh.PaintEveryRefresh(every); }
    // How often the windows have been painted (for the benchmark).
    long long PaintCount() const { return m_refresh.PaintCount(); }

private:
    class RefreshTargets : public IRefreshTargets {
    public:
        explicit RefreshTargets(TrakoraApplication& app);
        void TimerPop(DisplayWindow window) override;
        void SetPaintPace(PaintPace pace) override;
        void PaintEveryRefresh(bool every) { m_everyRefresh = every; }
        long long PaintCount() const { return m_paints; }
        void RefreshesDone() override { m_painter.Changed(); }
        void PaintNow() override { m_painter.PaintNow(); }
        void ResetWindows() override;

    private:
        using WindowOperation = std::function<void(QWidget*)> DisplayWindowEntry::*;
        void ForEachOpenWindow(WindowOperation operation);
        void PaintAll();

        TrakoraApplication& m_app;
        QtFramePainter m_painter;
        bool m_everyRefresh = false;
        long long m_paints = 0;
    };

    void RegisterRawWindow();
    void WaitForMainWindowFrame();
    void RegisterHealthWindow();

    std::unique_ptr<ISettingsStore> m_store;
    std::unique_ptr<GpsState> m_gps;
    std::unique_ptr<GnssState> m_gnss; // satellites of every system, beside the GPS record
    ProgramSettings m_settings;
    ProgramContext m_context;
    NMEAParse m_parse;
    LogFile m_outputLog;
    LineFileReader m_inputLog;
    std::unique_ptr<IMessageSink> m_messageBoxes;
    IMessageSink& m_messages;
    SentenceDispatcher m_dispatcher;
    SystemClock m_clock;
    SteadyClock m_steadyClock;
    IMonotonicClock& m_monotonic;
    StreamCounters m_counters;
    QTimer m_statusTimer;
    SteadyClock m_ticks; // the pump's pacing and the frame painter
    QtSerialPort m_port;
    WindowRegistry m_registry;
    WindowServices m_services;
    DialogOpeners m_dialogs;
    QtPumpUserInterface m_ui;
    RefreshTargets m_refresh;
    QtTimer m_timer1;
    QtTimer m_velmor;
    std::unique_ptr<InputPump> m_pump;
    std::unique_ptr<frmMDI> m_mainWindow;
    QtReplayControls* m_replayControls = nullptr; // owned by the main window
    frmNMEA_Raw* m_rawWindow = nullptr;
};

} // namespace trakora
