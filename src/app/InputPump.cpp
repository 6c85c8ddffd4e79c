#include "app/InputPump.h"

#include "app/SerialOpenFailure.h"
#include "nmea/TalkerMatch.h"

#include <algorithm>
#include <cctype>

namespace trakora {

namespace {

// Clears the in-run mark however a run ends.
class RunGuard {
public:
    explicit RunGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~RunGuard() { m_flag = false; }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

InputPump::InputPump(GpsState& gps, ProgramSettings& settings, NMEAParse& parse, SentenceDispatcher& dispatcher,
                     PumpServices services)
    : m_gps(gps), m_settings(settings), m_parse(parse), m_dispatcher(dispatcher), m_services(services)
{
}

void InputPump::Start()
{
    if (m_inRun)
        return;
    m_settings.InputRunning = FlagSet;
    if (m_counters)
        m_counters->Start();
    m_paused = false;
    m_stepsPending = 0;
    m_seekTarget.reset();
    m_fractionSeen = false;
    m_readUpTo = 0;
    m_lineReadBefore = false;
    m_dispatcher.SuspendRecording(false);
    ForgetHeldLine();
    m_progress.Restart();

    if (m_settings.FileInput) {
        if (m_settings.InputFileNumber < 0)
            m_settings.InputFileNumber = FreeFileNumber();
        if (!OpenInputLog(0))
            return;
    } else {
        if (m_settings.CommNeedsOpen) {
            if (!OpenPort())
                return;
            m_settings.CommNeedsOpen = FlagClear;
        }
        // Whatever the port buffered before Start is stale.
        m_overflowReported = false;
        for (int read = 0; read < 2; ++read) {
            m_gpsInput.Clear();
            m_gpsInput.Append(m_services.Port.ReadAll());
        }
        m_services.Velmor.Arm(VelmorDelay);
    }

    OpenOutputLogIfWanted();
    Run();
}

void InputPump::Continue()
{
    if (m_inRun)
        return;
    m_settings.InputRunning = FlagSet;
    if (m_counters)
        m_counters->Resume();
    m_paused = false;
    m_stepsPending = 0;
    m_pacer.Restart();
    m_lineReadBefore = false;
    m_dispatcher.SuspendRecording(false);

    // A source closed by Stop (or never opened) is opened again; a log
    // resumes at the line after the last one read.
    if (m_settings.FileInput) {
        if (!m_services.InputLog.IsOpen()) {
            const bool resume = m_stoppedInputPosition >= 0 && m_stoppedInputName == m_settings.InputFileName;
            if (!resume)
                m_readUpTo = 0;
            if (m_settings.InputFileNumber < 0)
                m_settings.InputFileNumber = FreeFileNumber();
            if (!OpenInputLog(resume ? m_stoppedInputPosition : 0))
                return;
        }
    } else if (m_settings.CommNeedsOpen) {
        if (!OpenPort())
            return;
        m_settings.CommNeedsOpen = FlagClear;
    }

    OpenOutputLogIfWanted();
    Run();
}

void InputPump::Stop()
{
    m_settings.InputRunning = FlagClear;
    HaltCounters();
    m_seekTarget.reset();
    m_stepsPending = 0;
    if (m_services.InputLog.IsOpen()) {
        m_stoppedInputName = m_settings.InputFileName;
        // A line read but not dispatched yet is read again by Continue.
        m_stoppedInputPosition = m_held ? m_held->Offset : m_services.InputLog.Position();
        m_services.InputLog.Close();
    }
    ForgetHeldLine();
    m_services.OutputLog.Close();
    m_services.Windows.PaintNow();
}

void InputPump::Run()
{
    if (m_inRun)
        return;
    RunGuard guard(m_inRun);

    if (m_settings.FileInput) {
        m_services.Windows.SetPaintPace(PaceFor());
        m_progress.MaxRunStarted(m_services.InputLog.Position(), m_services.Ticks.Milliseconds());
    }
    for (;;) {
        if (!m_settings.InputRunning)
            return;
        if (!m_settings.FileInput) {
            RunSerial();
            return;
        }
        if (m_seekTarget) {
            Rebuild();
            continue;
        }
        if (m_paused) {
            if (m_stepsPending > 0 && StepEpoch())
                continue;
            m_services.Windows.PaintNow();
            return;
        }
        // Real time paces a log with tenths of seconds by its stamps: the
        // next line tells before it is read on.
        if (!m_fractionSeen && EffectiveReplaySpeed(m_settings) == ReplaySpeed::RealTime)
            NextLine();
        bool more = true;
        switch (CurrentPacing()) {
        case Pacing::Fast:
            more = FastReplayStep();
            break;
        case Pacing::ClockDigit:
            more = TimedReplayStep();
            break;
        case Pacing::Stamps:
            more = PacedReplayStep(SpeedFactor(EffectiveReplaySpeed(m_settings)));
            break;
        }
        if (!more)
            return;
    }
}

bool InputPump::RealTimeSyncCheck()
{
    const LocalTime now = m_services.Clock.Now();
    const int clockDigit = static_cast<int>(((now % 60) + 60) % 60 % 10);
    const char last = m_gps.UtcTime[5];
    const int timeDigit = std::isdigit(static_cast<unsigned char>(last)) ? last - '0' : 0;
    int behind = clockDigit - timeDigit;
    if (behind < 0)
        behind += 10;
    return behind >= 2;
}

void InputPump::Timer1Tick()
{
    m_services.Timer1.Disarm();
    Run();
    // Replays paced by their stamps refresh after every epoch instead.
    if (m_settings.FileInput && CurrentPacing() != Pacing::ClockDigit) {
        ++m_tickCount;
        return;
    }
    if (LongTermMayRun())
        RefreshIfShowing(DisplayWindow::LongTerm, m_settings.ShowingLongTerm);
    if (m_tickCount % 2 == 0) {
        RefreshIfShowing(DisplayWindow::DataStat, m_settings.ShowingDataStat);
        RefreshIfShowing(DisplayWindow::ShowPos, m_settings.ShowingShowPos);
        RefreshIfShowing(DisplayWindow::SatInfo, m_settings.ShowingSatInfo);
    }
    if (m_tickCount % 5 == 0)
        RefreshIfShowing(DisplayWindow::SatPos, m_settings.ShowingSatPos);
    m_services.Windows.RefreshesDone();
    ++m_tickCount;
}

void InputPump::VelmorTick()
{
    m_services.Port.Write("VELMOR\r");
    m_services.Velmor.Disarm();
}

void InputPump::RunSerial()
{
    m_settings.SyncWaitPending = FlagClear;
    const std::string received = m_services.Port.ReadAll();
    if (m_counters)
        m_counters->Received(received.size());
    m_gpsInput.Append(received);
    const bool failed = m_services.Port.Failed();

    // Said once per Start: a stream without line feeds would say it every tick.
    if (m_gpsInput.PendingSize() > InputBufferLimit && !m_overflowReported) {
        m_overflowReported = true;
        m_services.Ui.ShowMessage("Data processing error or program loop: GPSInput buffer overflowing");
    }

    std::string line;
    bool checkedLineSeen = false;
    while (m_gpsInput.NextLine(line)) {
        const DispatchResult::Kind outcome = Dispatch(line).Outcome;
        checkedLineSeen |= outcome == DispatchResult::Decoded || outcome == DispatchResult::UnknownType ||
                           outcome == DispatchResult::OtherTalker;
        if (m_gps.RouteComplete)
            m_services.Ui.Yield();
    }

    if (failed) {
        SerialFailed();
        return;
    }
    if (m_baudSearch.Searching()) {
        if (const std::int32_t next = m_baudSearch.AfterRun(checkedLineSeen)) {
            // What arrived at the old rate is noise at the new one.
            SetPortRate(next);
            m_gpsInput.Clear();
        } else if (!m_baudSearch.Searching()) {
            m_settings.DetectedBaud = m_baud;
        }
    }
    m_settings.SyncWaitPending = FlagSet;
    m_services.Timer1.Arm(TickInterval);
    m_services.Windows.RefreshesDone();
    m_services.Ui.Yield();
}

bool InputPump::FastReplayStep()
{
    if (!NextLine())
        return EndOfLog();
    DispatchHeld(true);
    // Reading on at full speed, a vanished log is noticed now and then.
    if (++m_linesSinceCheck >= 4096) {
        m_linesSinceCheck = 0;
        if (LogVanished())
            return false;
    }
    return true;
}

bool InputPump::TimedReplayStep()
{
    if (m_settings.SyncWaitPending) {
        if (!RealTimeSyncCheck()) {
            m_services.Timer1.Arm(TickInterval);
            return false;
        }
        m_settings.SyncWaitPending = FlagClear;
    }
    if (!RealTimeSyncCheck()) {
        m_settings.SyncWaitPending = FlagSet;
        m_services.Timer1.Arm(TickInterval);
        m_services.Windows.RefreshesDone();
        LogVanished();
        return false;
    }
    if (!NextLine())
        return EndOfLog();
    DispatchHeld(false);
    return true;
}

bool InputPump::PacedReplayStep(int factor)
{
    if (!NextLine())
        return EndOfLog();
    const std::int64_t now = m_services.Ticks.Milliseconds();
    if (!m_held->Due)
        m_held->Due = m_pacer.DueAt(m_held->Stamp, now, factor);
    if (*m_held->Due > now) {
        m_services.Timer1.Arm(static_cast<int>(std::min(*m_held->Due - now, ReplayPacer::LongestWait)));
        m_services.Windows.RefreshesDone();
        LogVanished();
        return false;
    }
    DispatchHeld(true);
    return true;
}

bool InputPump::StepEpoch()
{
    --m_stepsPending;
    for (;;) {
        if (!m_settings.InputRunning)
            return false;
        if (!NextLine()) {
            m_stepsPending = 0;
            return EndOfLog();
        }
        if (DispatchHeld(true))
            break;
    }
    m_services.Windows.PaintNow();
    return true;
}

// The state at a point of the log is what a replay from its start makes of
// the lines before it, so the receiver and the windows start afresh.
void InputPump::Rebuild()
{
    LineFileReader& log = m_services.InputLog;
    const long long target = *m_seekTarget;
    m_seekTarget.reset();
    ForgetHeldLine();
    if (!log.Seek(0))
        return;
    m_rebuilding = true;
    m_services.Windows.SetPaintPace(PaintPace::Suspended);
    m_services.Windows.ResetWindows();
    m_dispatcher.ForgetReceiver();
    m_settings.GaugeFloor.fill(32);
    m_settings.LastGaugePRN.fill(0);
    m_progress.Restart();
    while (m_settings.InputRunning && !m_seekTarget && log.Position() < target && NextLine())
        DispatchHeld(true);
    m_rebuilding = false;
    m_pacer.Restart();
    m_services.Windows.SetPaintPace(PaceFor());
    m_progress.MaxRunStarted(log.Position(), m_services.Ticks.Milliseconds());
    if (!m_seekTarget)
        m_services.Windows.PaintNow();
}

bool InputPump::NextLine()
{
    if (m_held)
        return true;
    LineFileReader& log = m_services.InputLog;
    if (log.AtEnd())
        return false;
    HeldLine line;
    line.Offset = log.Position();
    log.ReadLine(line.Text);
    line.After = log.Position();
    line.Stamp = LineTimeStamp(line.Text);
    if (line.Stamp && line.Stamp->Fraction)
        m_fractionSeen = true;
    m_held = std::move(line);
    return true;
}

bool InputPump::DispatchHeld(bool epochs)
{
    const HeldLine line = std::move(*m_held);
    m_held.reset();
    m_progress.LineRead(line.After, line.Stamp);
    // A rebuild reads lines already recorded; so does a replay after a seek back.
    m_lineReadBefore = m_rebuilding || line.Offset < m_readUpTo;
    m_readUpTo = std::max(m_readUpTo, line.After);
    m_dispatcher.SuspendRecording(m_lineReadBefore);
    const DispatchResult::Kind outcome = Dispatch(line.Text).Outcome;
    // A line without a checksum leaves the last GGA's fields in place: it
    // refreshes the windows again, but only a GGA decoded now closes an epoch.
    const bool refresh = IsAcceptedGga(m_gps.SentenceField[0], m_settings.Talkers);
    if (epochs && refresh) {
        RefreshAfterEpoch();
        m_services.Windows.RefreshesDone();
        m_services.Ui.Yield();
    }
    if (m_gps.RouteComplete)
        m_services.Ui.Yield();
    return refresh && outcome == DispatchResult::Decoded;
}

bool InputPump::EndOfLog()
{
    m_services.Windows.PaintNow();
    if (!LogVanished()) {
        HaltCounters();
        m_services.Ui.ShowMessage("End of file.");
    }
    return false;
}

// A log deleted or replaced while it is replayed ends the replay; what was
// decoded from it stays.
bool InputPump::LogVanished()
{
    if (!m_services.InputLog.Vanished())
        return false;
    const std::string name = m_settings.InputFileName;
    Stop();
    m_services.Ui.ShowMessage("The input file " + name + " is no longer there." + m_settings.DoubleLineBreak +
                              "The replay has ended; everything read from it so far is kept.");
    return true;
}

InputPump::Pacing InputPump::CurrentPacing() const
{
    switch (EffectiveReplaySpeed(m_settings)) {
    case ReplaySpeed::Max:
        return Pacing::Fast;
    case ReplaySpeed::RealTime:
        return m_fractionSeen ? Pacing::Stamps : Pacing::ClockDigit;
    default:
        return Pacing::Stamps;
    }
}

PaintPace InputPump::PaceFor() const
{
    if (m_rebuilding)
        return PaintPace::Suspended;
    const ReplaySpeed speed = EffectiveReplaySpeed(m_settings);
    return speed == ReplaySpeed::Max || speed == ReplaySpeed::X60 ? PaintPace::OncePerFrame : PaintPace::EveryRefresh;
}

void InputPump::ForgetHeldLine()
{
    m_held.reset();
    m_pacer.Restart();
}

bool InputPump::ReplayingLog() const
{
    return m_settings.FileInput && m_services.InputLog.IsOpen();
}

void InputPump::SetSpeed(ReplaySpeed speed)
{
    ChooseReplaySpeed(m_settings, speed);
    m_pacer.Restart();
    if (m_held)
        m_held->Due.reset();
    if (!m_settings.FileInput)
        return;
    if (!m_rebuilding)
        m_services.Windows.SetPaintPace(PaceFor());
    // A replay waiting for its next line goes on at the new speed at once.
    if (!m_inRun && m_services.Timer1.Interval() > 0) {
        m_services.Timer1.Disarm();
        Run();
    }
}

void InputPump::Pause()
{
    if (!ReplayingLog() || !m_settings.InputRunning || m_paused)
        return;
    m_paused = true;
    // No tick may refresh the windows (and so sample them) while paused.
    m_services.Timer1.Disarm();
    // A rebuild under way paints when it is done.
    if (!m_rebuilding)
        m_services.Windows.PaintNow();
}

void InputPump::Resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_stepsPending = 0;
    m_pacer.Restart();
    if (m_held)
        m_held->Due.reset();
    m_settings.SyncWaitPending = FlagClear;
    Run();
}

void InputPump::Step()
{
    if (!ReplayingLog() || !m_settings.InputRunning)
        return;
    m_paused = true;
    m_services.Timer1.Disarm();
    ++m_stepsPending;
    Run();
}

void InputPump::SeekTo(long long offset)
{
    if (!ReplayingLog() || !m_settings.InputRunning)
        return;
    m_seekTarget = std::clamp(offset, 0LL, m_services.InputLog.Size());
    m_services.Timer1.Disarm();
    Run();
}

ReplayPosition InputPump::Position()
{
    ReplayPosition position;
    if (!ReplayingLog())
        return position;
    position.Offset = m_held ? m_held->Offset : m_services.InputLog.Position();
    position.Size = m_services.InputLog.Size();
    position.ReceiverTime = m_progress.LastTime();
    position.RemainingSeconds = m_progress.RemainingSeconds(
        position.Offset, position.Size, SpeedFactor(EffectiveReplaySpeed(m_settings)), m_services.Ticks.Milliseconds());
    return position;
}

DispatchResult InputPump::Dispatch(const std::string& line)
{
    m_parse.FullString = line;
    return m_dispatcher.Dispatch();
}

void InputPump::SetPortRate(std::int32_t baud)
{
    m_baud = baud;
    m_services.Port.SetBaudRate(baud);
}

bool InputPump::LongTermMayRun() const
{
    return !m_rebuilding && !m_lineReadBefore;
}

void InputPump::RefreshAfterEpoch()
{
    if (LongTermMayRun())
        RefreshIfShowing(DisplayWindow::LongTerm, m_settings.ShowingLongTerm);
    RefreshIfShowing(DisplayWindow::DataStat, m_settings.ShowingDataStat);
    RefreshIfShowing(DisplayWindow::ShowPos, m_settings.ShowingShowPos);
    RefreshIfShowing(DisplayWindow::SatInfo, m_settings.ShowingSatInfo);
    RefreshIfShowing(DisplayWindow::SatPos, m_settings.ShowingSatPos);
}

void InputPump::RefreshIfShowing(DisplayWindow window, std::int32_t flag)
{
    if (flag)
        m_services.Windows.TimerPop(window);
}

bool InputPump::OpenInputLog(long long resumeAt)
{
    LineFileReader& log = m_services.InputLog;
    log.Close();
    FileResult opened = log.Open(m_settings.InputFileName);
    if (opened.Ok && resumeAt > 0 && !log.Seek(resumeAt))
        opened = FileResult{false, 0, "The log could not be positioned where reading stopped."};
    m_stoppedInputPosition = -1;
    if (opened.Ok)
        return true;

    m_settings.InputFileNumber = -1;
    // Stopped first: a tick of the replay the log was reopened for must not
    // read on (and report "End of file.") while the message is up, and the
    // Settings dialog lets another log be chosen only while input is stopped.
    m_settings.InputRunning = FlagClear;
    HaltCounters();
    m_services.Ui.ShowMessage("Cannot open input file.  Please check the settings screen." +
                              m_settings.DoubleLineBreak + "Error # " + std::to_string(opened.ErrorNumber) +
                              " - " + opened.ErrorText);
    m_services.Ui.OpenSettingsDialog();
    return false;
}

// A fixed rate is set as chosen; Auto starts with the rate found before.
bool InputPump::OpenPort()
{
    if (m_settings.CommBaud == AutoBaud) {
        m_baudSearch.Begin(m_settings.DetectedBaud);
        SetPortRate(m_baudSearch.Rate());
    } else {
        m_baudSearch.Cancel();
        SetPortRate(m_settings.CommBaud);
    }
    m_services.Port.PreferDevice(m_settings.CommDevice);
    const FileResult opened = m_services.Port.Open(m_settings.CommPort);
    if (opened.Ok)
        return true;

    const std::string device = m_services.Port.Device();
    const DeviceGroup group = IsPermissionError(opened.ErrorNumber) ? DeviceGroupOf(device) : DeviceGroup{};
    m_services.Ui.ShowMessage(
        SerialOpenFailureMessage(m_settings.CommPort, device, opened, group, m_settings.DoubleLineBreak));
    return false;
}

// Recording resumes after a Stop: a log closed by Stop is opened again for
// appending rather than written to while closed.
void InputPump::OpenOutputLogIfWanted()
{
    if (m_settings.OutputFileName.empty())
        m_settings.OutputFileName = DefaultLogFileName(m_services.Clock.Now());
    if (m_settings.WriteData != 1)
        return;
    if (m_settings.OutputFileNumber >= 0 && m_services.OutputLog.IsOpen())
        return;

    if (m_settings.OutputFileNumber < 0)
        m_settings.OutputFileNumber = FreeFileNumber();
    const FileResult opened = m_services.OutputLog.OpenAppend(m_settings.OutputFileName);
    if (opened.Ok)
        return;
    m_services.Ui.ShowMessage("Error " + std::to_string(opened.ErrorNumber) +
                              " opening output file: " + m_settings.OutputFileName + m_settings.DoubleLineBreak +
                              opened.ErrorText);
    m_settings.WriteData = 0;
}

// The receiver went away while running: stop reading, keep what was decoded
// and recorded, and let the next Start open the port afresh.
void InputPump::SerialFailed()
{
    m_settings.InputRunning = FlagClear;
    HaltCounters();
    m_settings.SyncWaitPending = FlagClear;
    m_settings.CommNeedsOpen = FlagSet;
    m_services.Velmor.Disarm();
    const std::string device = m_services.Port.Device();
    const std::string reason = m_services.Port.FailureText();
    m_services.Port.Close();
    // The system's words ("Resource temporarily unavailable") do not say
    // what happened, so they come last, for the record.
    m_services.Ui.ShowMessage("The receiver on Comm Port " + std::to_string(m_settings.CommPort) + " (" + device +
                              ") was disconnected." + m_settings.DoubleLineBreak +
                              "Input has stopped; everything received so far is kept. Connect the receiver again "
                              "and choose Start New to reopen " + device + "." + m_settings.DoubleLineBreak +
                              "(The system reported: " + reason + ")");
}

void InputPump::HaltCounters()
{
    if (m_counters)
        m_counters->Halt();
}

int InputPump::FreeFileNumber() const
{
    int number = 1;
    while (number == m_settings.InputFileNumber || number == m_settings.OutputFileNumber)
        ++number;
    return number;
}

} // namespace trakora
