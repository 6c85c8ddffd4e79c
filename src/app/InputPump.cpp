#include "app/InputPump.h"

#include "app/SerialOpenFailure.h"
#include "nmea/TalkerMatch.h"

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

    // A source closed by Stop (or never opened) is opened again; a log
    // resumes at the line after the last one read.
    if (m_settings.FileInput) {
        if (!m_services.InputLog.IsOpen()) {
            const bool resume = m_stoppedInputPosition >= 0 && m_stoppedInputName == m_settings.InputFileName;
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
    if (m_services.InputLog.IsOpen()) {
        m_stoppedInputName = m_settings.InputFileName;
        m_stoppedInputPosition = m_services.InputLog.Position();
        m_services.InputLog.Close();
    }
    m_services.OutputLog.Close();
}

void InputPump::Run()
{
    if (m_inRun)
        return;
    RunGuard guard(m_inRun);

    for (;;) {
        if (!m_settings.InputRunning)
            return;
        if (!m_settings.FileInput) {
            RunSerial();
            return;
        }
        const bool more = m_settings.ReadRealTime ? TimedReplayStep() : FastReplayStep();
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
    RefreshIfShowing(DisplayWindow::LongTerm, m_settings.ShowingLongTerm);
    if (m_tickCount % 2 == 0) {
        RefreshIfShowing(DisplayWindow::DataStat, m_settings.ShowingDataStat);
        RefreshIfShowing(DisplayWindow::ShowPos, m_settings.ShowingShowPos);
        RefreshIfShowing(DisplayWindow::SatInfo, m_settings.ShowingSatInfo);
    }
    if (m_tickCount % 5 == 0)
        RefreshIfShowing(DisplayWindow::SatPos, m_settings.ShowingSatPos);
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
    m_services.Ui.Yield();
}

bool InputPump::FastReplayStep()
{
    if (m_services.InputLog.AtEnd()) {
        HaltCounters();
        m_services.Ui.ShowMessage("End of file.");
        return false;
    }
    std::string line;
    m_services.InputLog.ReadLine(line);
    Dispatch(line);
    if (IsAcceptedGga(m_gps.SentenceField[0], m_settings.Talkers)) {
        RefreshAfterEpoch();
        m_services.Ui.Yield();
    }
    if (m_gps.RouteComplete)
        m_services.Ui.Yield();
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
        return false;
    }
    if (m_services.InputLog.AtEnd()) {
        HaltCounters();
        m_services.Ui.ShowMessage("End of file.");
        return false;
    }
    std::string line;
    m_services.InputLog.ReadLine(line);
    Dispatch(line);
    if (m_gps.RouteComplete)
        m_services.Ui.Yield();
    return true;
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

void InputPump::RefreshAfterEpoch()
{
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
