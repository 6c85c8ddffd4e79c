// The serial path end to end: a pseudo-terminal stands in for the receiver,
// the program reads it through its real port, timers and pump, and the
// decoded state must equal the replay tool's reading of the same bytes.
#include "StateJson.h"

#include "app/TrakoraApplication.h"
#include "app/frmNMEA_Raw.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace trakora;

namespace {

struct Messages : IMessageSink {
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::vector<std::string> Shown;
};

// A receiver on the far end of a pseudo-terminal.
struct FakeReceiver {
    FakeReceiver() : Master(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        if (Master >= 0 && ::grantpt(Master) == 0 && ::unlockpt(Master) == 0)
            Device = ::ptsname(Master);
    }
    ~FakeReceiver() { Unplug(); }
    void Send(std::string_view bytes) { ASSERT_EQ(::write(Master, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    std::string Received()
    {
        char buffer[256];
        const ssize_t n = ::read(Master, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }
    void Unplug() { ::close(std::exchange(Master, -1)); } // closing -1 again is harmless
    termios Line() const // the port's settings as the program left them; all zero when unreadable
    {
        termios line{};
        if (const int fd = ::open(Device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK); fd >= 0)
            ::tcgetattr(fd, &line), ::close(fd);
        return line;
    }

    std::string Device;
    int Master = -1;
};

// The program reading the receiver on `device`, as with --port, with the raw window open.
std::unique_ptr<TrakoraApplication> Launch(const std::string& device, Messages& messages, const char* baud = "4800")
{
    auto store = std::make_unique<MemorySettingsStore>();
    store->Save("Showing", "NMEA_Raw", "-1");
    store->Save("Comm", "Baud", baud);
    auto app = std::make_unique<TrakoraApplication>(std::move(store), &messages);
    app->Launch(RunOptions{.ReplayFile = {}, .Timed = false, .PortDevice = QString::fromStdString(device), .Show = {}});
    QCoreApplication::processEvents(); // input starts once the event loop runs
    return app;
}

const char* const Fix = "$GPGGA,081836,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*79\r\n";
const char* const ReceiverBytes[] = {
    "$GPRMC,081836,A,3751.65,S,14507.36,E,000.0,360.0,130998,011.3,E*62\r\n$GPGGA,0818",
    "36,3751.65,S,14507.36,E,1,05,1.5,280.2,M,-34.0,M,,*79\r\n",
    "\r\nnoise from the line\r\n",
    "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75\r\n",
    "$GPGSV,2,2,08,18,30,050,44,19,62,175,49,22,16,112,34,23,61,291,47*71\r\n",
    "$GPGSA,A,3,01,02,12,14,18,19,22,23,,,,,2.1,1.1,1.8*3D\r\n",
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

    std::string all;
    for (const char* chunk : ReceiverBytes) {
        receiver.Send(chunk);
        all += chunk;
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->RawWindow()->LineCount() == 8; }, 5000));
    EXPECT_EQ(app->Pump().PendingInput(), "$GPRMC,0818");

    QProcess tool;
    tool.start(QStringLiteral(TRAKORA_REPLAY_TOOL), {QStringLiteral("--serial")});
    tool.write(all.data(), static_cast<qint64>(all.size())), tool.closeWriteChannel();
    ASSERT_TRUE(tool.waitForFinished(10000) && tool.exitCode() == 0) << tool.readAllStandardError().toStdString();
    EXPECT_EQ(StateJson(app->Gps()), Json::parse(tool.readAllStandardOutput().toStdString()).at("state"))
        << "the program and trakora-replay --serial disagree";

    // The receiver command, once, ten seconds after Start.
    std::string written;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (written += receiver.Received()).size() >= 7; }, 12000));
    EXPECT_GE(sinceStart.elapsed(), InputPump::VelmorDelay - 50);
    QTest::qWait(300);
    EXPECT_EQ(written + receiver.Received(), "VELMOR\r") << "sent once";
}

// What the pump does about a failing port, and the texts it shows, are checked with a fake port; here
// the real port must notice the failures at all.
TEST(SerialPath, UnpluggedReceiverStopsInputAndSaysSoOnce)
{
    FakeReceiver receiver;
    Messages messages;
    auto app = Launch(receiver.Device, messages);
    receiver.Send(Fix);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->Gps().UtcTime == "081836"; }, 5000));
    receiver.Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.Shown.empty(); }, 5000)) << "the failure must be noticed";
    QTest::qWait(2000);
    EXPECT_EQ(messages.Shown.size(), 1u) << "the user is told once";
    EXPECT_TRUE(app->Settings().InputRunning == FlagClear && !app->Port().IsOpen());
}

// The rate chosen is the port's, always with 8 data bits, no parity, 1 stop bit; Auto starts at 4800 and keeps it once a line passes its checksum (the
// search itself is checked with a fake port: a pseudo-terminal delivers at any rate).
TEST(SerialPath, ThePortRunsAtTheChosenRate)
{
    const struct { const char* Stored; speed_t Speed; std::int32_t Detected; } cases[] = {
        {"4800", B4800, 0}, {"9600", B9600, 0}, {"115200", B115200, 0}, {"Auto", B4800, 4800}};
    for (const auto& c : cases) {
        FakeReceiver receiver;
        Messages messages;
        auto app = Launch(receiver.Device, messages, c.Stored);
        ASSERT_TRUE(messages.Shown.empty()) << c.Stored;
        receiver.Send(Fix);
        ASSERT_TRUE(QTest::qWaitFor([&] { return app->Gps().UtcTime == "081836"; }, 5000)) << c.Stored;
        const termios line = receiver.Line();
        EXPECT_EQ(::cfgetispeed(&line), c.Speed) << c.Stored;
        EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB), tcflag_t(CS8)) << c.Stored;
        EXPECT_EQ(app->Settings().DetectedBaud, c.Detected) << c.Stored;
    }
}

TEST(SerialPath, MissingDeviceIsNamedInTheMessage)
{
    Messages messages;
    auto app = Launch("/dev/trakora-no-such-device", messages);
    EXPECT_TRUE(messages.Shown.size() == 1u && messages.Shown[0].find("Device tried: /dev/trakora-no-such-device (") !=
                                                   std::string::npos) << ::testing::PrintToString(messages.Shown);
}

} // namespace
