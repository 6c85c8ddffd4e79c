// The serial path end to end: a pseudo-terminal stands in for the receiver,
// the real port, timers and pump read it, and the decoded state must equal
// the replay tool's reading of the same bytes.
#include "StateJson.h"

#include "app/InputPump.h"
#include "app/QtPumpUserInterface.h"
#include "app/QtSerialPort.h"
#include "app/QtTimer.h"
#include "common/LoadProgramSettings.h"
#include "nmea/SerialLineCutter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <memory>

using namespace trakora;

namespace {

// Runs the receiver command's timer twenty times faster, so a test waits
// half a second for what the program does after ten.
class FastTimer : public ITimer {
public:
    explicit FastTimer(ITimer& inner) : m_inner(inner) {}
    void Arm(int milliseconds) override
    {
        m_requested = milliseconds;
        m_inner.Arm(milliseconds / 20);
    }
    void Disarm() override
    {
        m_requested = 0;
        m_inner.Disarm();
    }
    int Interval() const override { return m_inner.Interval() ? m_requested : 0; }

private:
    ITimer& m_inner;
    int m_requested = 0;
};

class RecordedMessages : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::vector<std::string> Shown;
};

class NoWindows : public IRefreshTargets {
public:
    void TimerPop(DisplayWindow) override {}
};

class Lines : public IRawLineSink {
public:
    void AddRawLine(std::string_view line) override { Seen.emplace_back(line); }
    std::vector<std::string> Seen;
};

bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// A receiver on the far end of a pseudo-terminal.
class FakeReceiver {
public:
    FakeReceiver()
    {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&m_master, &slave, name, nullptr, nullptr) == 0) {
            ::close(slave);
            m_device = name;
            ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~FakeReceiver() { Unplug(); }

    bool Ok() const { return m_master >= 0; }
    const std::string& Device() const { return m_device; }
    void Send(std::string_view bytes) { ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    std::string Received()
    {
        std::string text;
        char buffer[256];
        ssize_t n;
        while ((n = ::read(m_master, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }
    void Unplug()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    std::string m_device;
};

// The pump as the program wires it, on the real port and timers.
struct SerialRig {
    SerialRig()
        : Gps(std::make_unique<GpsState>()), Dispatcher(Parse, *Gps, Settings, Output, Messages),
          Timer1(QStringLiteral("Timer1"), [this] { Pump->Timer1Tick(); }),
          VelmorTimer(QStringLiteral("tmrVELMOR"), [this] { Pump->VelmorTick(); }), Velmor(VelmorTimer),
          Ui(Messages, {})
    {
        MemorySettingsStore store;
        LoadProgramSettings(Settings, *Gps, store);
        Settings.ShowingNMEARaw = FlagSet;
        Dispatcher.SetRawLineSink(&Raw);
        Pump = std::make_unique<InputPump>(*Gps, Settings, Parse, Dispatcher,
                                           PumpServices{Port, Input, Output, Clock, Timer1, Velmor, Ui, Windows});
    }

    std::unique_ptr<GpsState> Gps;
    ProgramSettings Settings;
    NMEAParse Parse;
    LogFile Output;
    LineFileReader Input;
    RecordedMessages Messages;
    Lines Raw;
    SentenceDispatcher Dispatcher;
    SystemClock Clock;
    QtSerialPort Port;
    QtTimer Timer1;
    QtTimer VelmorTimer;
    FastTimer Velmor;
    QtPumpUserInterface Ui;
    NoWindows Windows;
    std::unique_ptr<InputPump> Pump;
};

const char* const ReceiverBytes[] = {
    "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E*62\r\n$GPGGA,0818",
    "36,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*79\r\n",
    "\r\n",
    "noise from the line\r\n",
    "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75\r\n",
    "$GPGSV,2,2,08,18,30,050,44,19,62,175,49,22,16,112,34,23,61,291,47*71\r\n",
    "$GPGSA,A,3,01,02,12,14,18,19,22,23,,,,,2.1,1.1,1.8*3D\r\n",
    "$PGRME,15.0,M,45.0,M,25.0,M*1C\r\n",
    "$GPGLL,3751.65,S,14507.36,E,081837,A*33\r\n",
    "$GPGGA,081837,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*78\r\n$GPRMC,0818",
};

std::string AllBytes()
{
    std::string all;
    for (const char* chunk : ReceiverBytes)
        all += chunk;
    return all;
}

// The state the core reaches when the same bytes are cut the same way.
Json StateFromCutter(const std::string& bytes)
{
    auto gps = std::make_unique<GpsState>();
    ProgramSettings settings;
    MemorySettingsStore store;
    LoadProgramSettings(settings, *gps, store);
    NMEAParse parse;
    LogFile log;
    RecordedMessages messages;
    SentenceDispatcher dispatcher(parse, *gps, settings, log, messages);
    SerialLineCutter cutter;
    cutter.Append(bytes);
    std::string line;
    while (cutter.NextLine(line)) {
        parse.FullString = line;
        dispatcher.Dispatch();
    }
    return StateJson(*gps);
}

TEST(SerialPath, ReceiverBytesThroughAPseudoTerminalDecodeLikeTheReplayTool)
{
    FakeReceiver receiver;
    ASSERT_TRUE(receiver.Ok());
    SerialRig rig;
    rig.Port.SetDeviceOverride(QString::fromStdString(receiver.Device()));

    QElapsedTimer sinceStart;
    sinceStart.start();
    rig.Pump->Start();
    ASSERT_TRUE(rig.Messages.Shown.empty()) << rig.Messages.Shown.front();
    ASSERT_TRUE(rig.Port.IsOpen());
    {
        const int fd = ::open(receiver.Device().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        termios line{};
        ASSERT_EQ(::tcgetattr(fd, &line), 0);
        EXPECT_EQ(::cfgetispeed(&line), speed_t(B4800));
        EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
        EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), tcflag_t(0)) << "no parity, one stop bit";
        ::close(fd);
    }

    for (const char* chunk : ReceiverBytes) {
        receiver.Send(chunk);
        QApplication::processEvents();
    }
    ASSERT_TRUE(WaitFor([&] { return rig.Raw.Seen.size() == 10; })) << rig.Raw.Seen.size();
    EXPECT_EQ(rig.Raw.Seen[2], "     ");
    EXPECT_EQ(rig.Raw.Seen[3], "     ");
    EXPECT_EQ(rig.Pump->PendingInput(), "$GPRMC,0818");

    const Json expected = StateFromCutter(AllBytes());
    EXPECT_EQ(StateJson(*rig.Gps), expected);
    EXPECT_EQ(rig.Gps->UtcTime, "081837");

#ifdef TRAKORA_REPLAY_TOOL
    QTemporaryDir dir;
    const QString bytesFile = dir.filePath("bytes.bin");
    {
        std::ofstream out(bytesFile.toStdString(), std::ios::binary);
        out << AllBytes();
    }
    QProcess tool;
    tool.start(QStringLiteral(TRAKORA_REPLAY_TOOL), {QStringLiteral("--serial"), bytesFile});
    ASSERT_TRUE(tool.waitForFinished(10000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const Json toolOutput = Json::parse(tool.readAllStandardOutput().toStdString());
    EXPECT_EQ(StateJson(*rig.Gps), toolOutput.at("state")) << "the program and trakora-replay --serial disagree";
#endif

    // The receiver command, once, after the (shortened) delay.
    ASSERT_TRUE(WaitFor([&] { return rig.Velmor.Interval() == 0; }, 3000));
    const qint64 firedAfter = sinceStart.elapsed();
    EXPECT_GE(firedAfter, InputPump::VelmorDelay / 20 - 20);
    std::string written;
    WaitFor([&] {
        written += receiver.Received();
        return written.size() >= 7;
    }, 2000);
    EXPECT_EQ(written, "VELMOR\r");
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(receiver.Received(), "") << "the command is sent once";
    EXPECT_EQ(rig.Settings.InputRunning, FlagSet);
}

TEST(SerialPath, UnpluggedReceiverStopsInputAndSaysSoOnce)
{
    auto receiver = std::make_unique<FakeReceiver>();
    ASSERT_TRUE(receiver->Ok());
    SerialRig rig;
    rig.Port.SetDeviceOverride(QString::fromStdString(receiver->Device()));
    rig.Pump->Start();
    receiver->Send("$GPGGA,081836,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*79\r\n");
    ASSERT_TRUE(WaitFor([&] { return rig.Raw.Seen.size() == 1; }));

    receiver->Unplug();
    ASSERT_TRUE(WaitFor([&] { return !rig.Messages.Shown.empty(); }, 5000)) << "the failure must be noticed";
    WaitFor([] { return false; }, 2500);
    ASSERT_EQ(rig.Messages.Shown.size(), 1u);
    EXPECT_NE(rig.Messages.Shown[0].find("stopped delivering data"), std::string::npos) << rig.Messages.Shown[0];
    EXPECT_EQ(rig.Settings.InputRunning, FlagClear);
    EXPECT_EQ(rig.Gps->UtcTime, "081836") << "what arrived before is kept";
    EXPECT_FALSE(rig.Port.IsOpen());
}

TEST(SerialPath, MissingDeviceNamesItInTheMessage)
{
    SerialRig rig;
    rig.Settings.CommPort = 2;
    rig.Port.SetDeviceOverride(QStringLiteral("/dev/trakora-no-such-device"));
    rig.Pump->Start();
    ASSERT_EQ(rig.Messages.Shown.size(), 1u);
    EXPECT_EQ(rig.Messages.Shown[0].rfind("Comm Port 2 is not available, please choose another.\n\n"
                                          "Device tried: /dev/trakora-no-such-device (",
                                          0),
              0u)
        << rig.Messages.Shown[0];
    EXPECT_EQ(rig.Settings.CommNeedsOpen, FlagSet);
}

} // namespace
