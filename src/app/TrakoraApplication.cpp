#include "app/TrakoraApplication.h"

#include "app/QtStatusIndicator.h"
#include "app/frmHealth.h"
#include "app/frmNMEA_Raw.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace trakora {

namespace {

WindowKind KindOf(DisplayWindow window)
{
    switch (window) {
    case DisplayWindow::LongTerm:
        return WindowKind::LongTerm;
    case DisplayWindow::DataStat:
        return WindowKind::DataStat;
    case DisplayWindow::ShowPos:
        return WindowKind::ShowPos;
    case DisplayWindow::SatInfo:
        return WindowKind::SatInfo;
    case DisplayWindow::SatPos:
        return WindowKind::SatPos;
    }
    return WindowKind::DataStat;
}

} // namespace

TrakoraApplication::TrakoraApplication(std::unique_ptr<ISettingsStore> store, IMessageSink* messages,
                                       IMonotonicClock* clock)
    : m_store(std::move(store)), m_gps(std::make_unique<GpsState>()),
      m_gnss(std::make_unique<GnssState>()), m_context{*m_gps, m_settings, *m_store, *m_gnss},
      m_messageBoxes(messages ? nullptr : std::make_unique<QtMessageBox>([this] { return m_mainWindow.get(); })),
      m_messages(messages ? *messages : *m_messageBoxes),
      m_dispatcher(m_parse, *m_gps, *m_gnss, m_settings, m_outputLog, m_messages),
      m_monotonic(clock ? *clock : m_steadyClock), m_counters(m_monotonic),
      m_services{m_context, m_outputLog, m_clock, m_messages, [this]() -> QWidget* { return m_mainWindow.get(); }},
      m_dialogs(MakeDialogOpeners(m_services)), m_ui(m_messages, m_dialogs.OpenSettings), m_refresh(*this),
      m_timer1(QStringLiteral("Timer1"), [this] { m_pump->Timer1Tick(); }),
      m_velmor(QStringLiteral("tmrVELMOR"), [this] { m_pump->VelmorTick(); })
{
    m_store->ReportWriteFailuresTo(&m_messages);
    m_pump = std::make_unique<InputPump>(
        *m_gps, m_settings, m_parse, m_dispatcher,
        PumpServices{m_port, m_inputLog, m_outputLog, m_clock, m_timer1, m_velmor, m_ui, m_refresh, m_ticks});
    m_dispatcher.SetCounters(&m_counters);
    m_pump->SetStreamCounters(&m_counters);

    RegisterRawWindow();
    RegisterHealthWindow();
    RegisterDisplayWindows(m_registry, m_services);

    frmMDI::Hooks hooks;
    hooks.OpenSplash = m_dialogs.OpenSplash;
    hooks.OpenSettings = m_dialogs.OpenSettings;
    hooks.Start = [this] { m_pump->Start(); };
    hooks.Continue = [this] { m_pump->Continue(); };
    hooks.Stop = [this] { m_pump->Stop(); };
    hooks.EndProgram = [this] {
        m_store->Flush();
        QCoreApplication::quit();
    };
    m_mainWindow = std::make_unique<frmMDI>(m_context, m_registry, std::move(hooks));

    constexpr int StatusInterval = 500; // milliseconds: the health window still changes once a second
    m_statusTimer.setObjectName(QStringLiteral("tmrStatus"));
    m_statusTimer.setInterval(StatusInterval);
    QObject::connect(&m_statusTimer, &QTimer::timeout, [this] { RefreshStatus(); });
    m_replayControls = new QtReplayControls(*m_mainWindow, *m_mainWindow->InputMenu(),
                                            m_mainWindow->ExitSeparator(), *m_pump, m_settings);
    m_replayControls->OnVisibilityChanged([this] { m_mainWindow->FitToBars(); });
}

TrakoraApplication::~TrakoraApplication()
{
    m_statusTimer.stop();
    // The windows go before the records and the dispatcher they point to.
    m_mainWindow->DestroyWindows();
    m_mainWindow.reset();
    // What the windows saved as they went is written now; no message box
    // can be shown any more.
    m_store->ReportWriteFailuresTo(nullptr);
    m_store->Flush();
}

void TrakoraApplication::Launch(const RunOptions& options)
{
    m_mainWindow->Load();

    if (!options.ReplayFile.isEmpty()) {
        const QFileInfo file(options.ReplayFile);
        m_settings.FileInput = FlagSet;
        m_settings.CommInput = FlagClear;
        m_settings.ReadRealTime = options.Timed ? FlagSet : FlagClear;
        m_settings.InputFileName = file.absoluteFilePath().toStdString();
        m_settings.InputFilePath = file.absolutePath().toStdString();
    } else if (!options.PortDevice.isEmpty()) {
        m_settings.FileInput = FlagClear;
        m_settings.CommInput = FlagSet;
        m_port.SetDeviceOverride(options.PortDevice);
    }

    m_replayControls->Update();
    m_mainWindow->show();
    RefreshStatus();
    m_statusTimer.start();
    // Told once, as soon as the program runs.
    if (std::string notice = m_store->OpeningNotice(); !notice.empty())
        QTimer::singleShot(0, m_mainWindow.get(), [this, notice] { m_messages.ShowMessage(notice); });
    if (!options.Show.empty())
        WaitForMainWindowFrame();
    for (WindowKind kind : options.Show)
        m_mainWindow->ShowForThisRun(kind);
    if (!options.ReplayFile.isEmpty() || !options.PortDevice.isEmpty())
        QTimer::singleShot(0, m_mainWindow.get(), [this] { m_pump->Start(); });
}

// Windows are placed beside the main window's frame, which the window
// manager makes known a moment after the window is shown (never, without
// a window manager: then the wait is short).
void TrakoraApplication::WaitForMainWindowFrame()
{
    constexpr int LongestWait = 300; // milliseconds
    QElapsedTimer waited;
    waited.start();
    while (m_mainWindow->frameGeometry() == m_mainWindow->geometry() && waited.elapsed() < LongestWait) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

void TrakoraApplication::RegisterRawWindow()
{
    DisplayWindowEntry entry;
    entry.Create = [this]() -> QWidget* {
        auto* window = new frmNMEA_Raw(m_context);
        m_rawWindow = window;
        m_dispatcher.SetRawLineSink(window);
        QObject::connect(window, &QObject::destroyed, [this, window] {
            if (m_rawWindow == window) {
                m_rawWindow = nullptr;
                m_dispatcher.SetRawLineSink(nullptr);
            }
        });
        return window;
    };
    m_registry.Register(WindowKind::NMEARaw, std::move(entry));
}

void TrakoraApplication::RegisterHealthWindow()
{
    // Refreshed by the status timer, not by the epochs: nothing to paint or reset.
    DisplayWindowEntry entry;
    entry.Create = [this]() -> QWidget* { return new frmHealth(m_context, m_counters, m_monotonic); };
    entry.TimerPop = [](QWidget* window) { static_cast<frmHealth*>(window)->TimerPop(); };
    m_registry.Register(WindowKind::Health, std::move(entry));
}

void TrakoraApplication::RefreshStatus()
{
    m_mainWindow->Status().Show(DiagnoseStream(m_counters, m_settings.Talkers,
                                               m_settings.FileInput ? InputKind::Log : InputKind::Serial));
    if (QWidget* health = m_mainWindow->OpenWindow(WindowKind::Health))
        if (const DisplayWindowEntry& entry = m_registry.Entry(WindowKind::Health); entry.TimerPop)
            entry.TimerPop(health);
}

TrakoraApplication::RefreshTargets::RefreshTargets(TrakoraApplication& app)
    : m_app(app), m_painter(app.m_ticks, [this] { PaintAll(); })
{
}

void TrakoraApplication::RefreshTargets::SetPaintPace(PaintPace pace)
{
    m_painter.SetPace(m_everyRefresh && pace == PaintPace::OncePerFrame ? PaintPace::EveryRefresh : pace);
}

// Runs one of the registry's operations on every open window that has it.
void TrakoraApplication::RefreshTargets::ForEachOpenWindow(WindowOperation operation)
{
    for (int k = 0; k < WindowKindCount; ++k) {
        const auto kind = static_cast<WindowKind>(k);
        const auto& run = m_app.m_registry.Entry(kind).*operation;
        if (QWidget* open = m_app.m_mainWindow->OpenWindow(kind); open && run)
            run(open);
    }
}

void TrakoraApplication::RefreshTargets::PaintAll()
{
    ++m_paints;
    ForEachOpenWindow(&DisplayWindowEntry::Paint);
    if (m_app.m_rawWindow)
        m_app.m_rawWindow->Paint();
}

void TrakoraApplication::RefreshTargets::ResetWindows()
{
    ForEachOpenWindow(&DisplayWindowEntry::ResetModel);
    if (m_app.m_rawWindow)
        m_app.m_rawWindow->ClearLines();
}

void TrakoraApplication::RefreshTargets::TimerPop(DisplayWindow window)
{
    const WindowKind kind = KindOf(window);
    QWidget* open = m_app.m_mainWindow->OpenWindow(kind);
    const DisplayWindowEntry& entry = m_app.m_registry.Entry(kind);
    if (open && entry.TimerPop)
        entry.TimerPop(open);
}

} // namespace trakora
