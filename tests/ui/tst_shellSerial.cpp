// The serial path end to end: a pseudo-terminal stands in for the receiver,
// the program reads it through its real port, timers and pump, and the
// decoded state must equal the replay tool's reading of the same bytes.
#include "StateJson.h"

#include "app/TrakoraApplication.h"
#include "app/frmNMEA_Raw.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>

using namespace trakora;

namespace {

struct Messages : IMessageSink {
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::vector<std::string> Shown;
};

// A receiver on the far end of a pseudo-terminal.
class FakeReceiver {
public:
    FakeReceiver()
    {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&m_master, &slave, name, nullptr, nullptr) == 0) {
            ::close(slave);
            Device = name;
            ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~FakeReceiver() { Unplug(); }
    void Send(std::string_view bytes) { ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    std::string Received()
    {
        char buffer[256];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }
    void Unplug()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

    std::string Device;

private:
    int m_master = -1;
};

// The program reading the receiver on `device`, as with --port, with the raw window open.
std::unique_ptr<TrakoraApplication> Launch(const std::string& device, Messages& messages)
{
    auto store = std::make_unique<MemorySettingsStore>();
    store->Save("Showing", "NMEA_Raw", "-1");
    auto app = std::make_unique<TrakoraApplication>(std::move(store), &messages);
    app->Launch(RunOptions{.ReplayFile = {}, .Timed = false, .PortDevice = QString::fromStdString(device)});
    QCoreApplication::processEvents(); // input starts once the event loop runs
    return app;
}

const char* const ReceiverBytes[] = {
    "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E*62\r\n$GPGGA,0818",
    "36,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*79\r\n",
    "\r\nnoise from the line\r\n",
    "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75\r\n",
    "$GPGSV,2,2,08,18,30,050,44,19,62,175,49,22,16,112,34,23,61,291,47*71\r\n",
    "$GPGSA,A,3,01,02,12,14,18,19,22,23,,,,,2.1,1.1,1.8*3D\r\n",
    "$PGRME,15.0,M,45.0,M,25.0,M*1C\r\n",
    "$GPGLL,3751.65,S,14507.36,E,081837,A*33\r\n",
    "$GPGGA,081837,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*78\r\n$GPRMC,0818",
};

TEST(SerialPath, ReceiverBytesThroughAPseudoTerminalDecodeLikeTheReplayTool)
{
    FakeReceiver receiver;
    ASSERT_FALSE(receiver.Device.empty());
    Messages messages;
    QElapsedTimer sinceStart;
    sinceStart.start();
    auto app = Launch(receiver.Device, messages);
    ASSERT_TRUE(messages.Shown.empty()) << messages.Shown.front();
    termios line{};
    const int fd = ::open(receiver.Device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_TRUE(fd >= 0 && ::tcgetattr(fd, &line) == 0);
    ::close(fd);
    EXPECT_TRUE(::cfgetispeed(&line) == B4800 && (line.c_cflag & (CSIZE | PARENB | CSTOPB)) == CS8) << "4800,n,8,1";

    std::string all;
    for (const char* chunk : ReceiverBytes) {
        receiver.Send(chunk);
        all += chunk;
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->RawWindow()->LineCount() == 10; }, 5000));
    EXPECT_EQ(app->Pump().PendingInput(), "$GPRMC,0818");

    QTemporaryDir dir;
    std::ofstream(dir.filePath("bytes.bin").toStdString(), std::ios::binary) << all;
    QProcess tool;
    tool.start(QStringLiteral(TRAKORA_REPLAY_TOOL), {QStringLiteral("--serial"), dir.filePath("bytes.bin")});
    ASSERT_TRUE(tool.waitForFinished(10000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_EQ(StateJson(app->Gps()), Json::parse(tool.readAllStandardOutput().toStdString()).at("state"))
        << "the program and trakora-replay --serial disagree";

    // The receiver command, once, ten seconds after Start.
    std::string written;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (written += receiver.Received()).size() >= 7; }, 12000));
    EXPECT_GE(sinceStart.elapsed(), InputPump::VelmorDelay - 50);
    QTest::qWait(300);
    EXPECT_EQ(written + receiver.Received(), "VELMOR\r") << "sent once";
}

TEST(SerialPath, UnpluggedReceiverStopsInputAndSaysSoOnce)
{
    FakeReceiver receiver;
    Messages messages;
    auto app = Launch(receiver.Device, messages);
    receiver.Send("$GPGGA,081836,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*79\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->Gps().UtcTime == "081836"; }, 5000));
    receiver.Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.Shown.empty(); }, 5000)) << "the failure must be noticed";
    QTest::qWait(2000);
    ASSERT_EQ(messages.Shown.size(), 1u) << "the user is told once";
    EXPECT_NE(messages.Shown[0].find("stopped delivering data"), std::string::npos) << messages.Shown[0];
    EXPECT_TRUE(app->Settings().InputRunning == FlagClear && !app->Port().IsOpen());
    EXPECT_EQ(app->Gps().UtcTime, "081836") << "what arrived before is kept";
}

TEST(SerialPath, MissingDeviceIsNamedInTheMessage)
{
    Messages messages;
    auto app = Launch("/dev/trakora-no-such-device", messages);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].rfind("Comm Port 1 is not available, please choose another.\n\n"
                                      "Device tried: /dev/trakora-no-such-device (", 0), 0u) << messages.Shown[0];
}

} // namespace
