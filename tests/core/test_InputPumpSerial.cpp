// The input pump reading a serial port: line cutting, the port's failures,
// the command sent to the receiver and the tick schedule of the windows.
#include "PumpTestRig.h"

#include <gmock/gmock.h>

using namespace trakora;
using namespace trakora::testing;
using ::testing::ElementsAre;

namespace {

constexpr auto LT = DisplayWindow::LongTerm;
constexpr auto DS = DisplayWindow::DataStat;
constexpr auto SP = DisplayWindow::ShowPos;
constexpr auto SI = DisplayWindow::SatInfo;
constexpr auto SK = DisplayWindow::SatPos;

TEST(InputPumpSerial, StartDiscardsWhatThePortHadBufferedButKeepsTheSecondRead)
{
    PumpRig rig;
    rig.Port.Incoming = {Gga("115959") + "\r\n", "$GPGGA,1200"};
    rig.Pump.Start();

    EXPECT_THAT(rig.Port.OpenedNumbers, ElementsAre(1));
    EXPECT_EQ(rig.Settings.CommNeedsOpen, FlagClear);
    EXPECT_TRUE(rig.Raw.Lines.empty()) << "the first read is stale and must be dropped";
    EXPECT_EQ(rig.Pump.PendingInput(), "$GPGGA,1200");
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);
    EXPECT_EQ(rig.Settings.SyncWaitPending, FlagSet);
    EXPECT_EQ(rig.Velmor.Current, InputPump::VelmorDelay);
}

TEST(InputPumpSerial, SentenceSplitAcrossTwoReadsIsDispatchedOnTheNextRun)
{
    PumpRig rig;
    const std::string line = Gga("120005");
    rig.Port.Incoming = {"", "", line.substr(0, 20)};
    rig.Pump.Start();
    EXPECT_TRUE(rig.Raw.Lines.empty());
    EXPECT_EQ(rig.Pump.PendingInput(), line.substr(0, 20));

    rig.Port.Incoming = {line.substr(20) + "\r\n" + "$GPRMC,12"};
    rig.Pump.Timer1Tick();
    EXPECT_THAT(rig.Raw.Lines, ElementsAre(line));
    EXPECT_EQ(rig.Gps->UtcTime, "120005");
    EXPECT_EQ(rig.Pump.PendingInput(), "$GPRMC,12");
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval) << "each serial run waits for the next tick";
}

TEST(InputPumpSerial, EmptyShortAndForeignLinesArriveAsFiveBlanks)
{
    PumpRig rig;
    rig.Port.Incoming = {"", "", "\r\n" "hello world\r\n" "$G\r\n" "$GP\r\n" "ab\r\n" "\n"};
    rig.Pump.Start();
    EXPECT_THAT(rig.Raw.Lines, ElementsAre("     ", "     ", "     ", "$GP", "     ", "     "));
}

TEST(InputPumpSerial, LineEndedByLineFeedAloneLosesItsLastCharacterAndFailsItsChecksum)
{
    PumpRig rig;
    const std::string line = Gga("120006");
    rig.Port.Incoming = {"", "", line + "\n"};
    rig.Pump.Start();
    ASSERT_EQ(rig.Raw.Lines.size(), 1u);
    EXPECT_EQ(rig.Raw.Lines[0], line.substr(0, line.size() - 1));
    EXPECT_NE(rig.Gps->UtcTime, "120006");
}

TEST(InputPumpSerial, OverflowingBufferIsReportedOnEveryRunAndKept)
{
    PumpRig rig;
    rig.Port.Incoming = {"", "", std::string(10000, 'x')};
    rig.Pump.Start();
    EXPECT_TRUE(rig.Ui.Shown.empty()) << "exactly 10000 characters are still allowed";

    rig.Port.Incoming = {"y"};
    rig.Pump.Timer1Tick();
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("Data processing error or program loop: GPSInput buffer overflowing"));
    EXPECT_EQ(rig.Pump.PendingInput().size(), 10001u);
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);

    rig.Port.Incoming = {"\r\n"};
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Ui.Shown.size(), 2u) << "the message comes with each run while the buffer is over the limit";
    EXPECT_TRUE(rig.Pump.PendingInput().empty());
    EXPECT_THAT(rig.Raw.Lines, ElementsAre("     "));
}

TEST(InputPumpSerial, MissingPortIsNamedAndTheNextStartTriesAgain)
{
    PumpRig rig;
    rig.Settings.CommPort = 3;
    rig.Port.OpenFails = true;
    rig.Port.DevicePath = "/dev/ttyS2";
    rig.Pump.Start();

    EXPECT_THAT(rig.Ui.Shown, ElementsAre("Comm Port 3 is not available, please choose another.\n\n"
                                          "Device tried: /dev/ttyS2 (No such file or directory)"));
    EXPECT_EQ(rig.Port.ReadCount, 0) << "the pump must not run";
    EXPECT_EQ(rig.Velmor.Current, 0);
    EXPECT_EQ(rig.Timer1.Current, 0);
    EXPECT_EQ(rig.Settings.CommNeedsOpen, FlagSet);
    EXPECT_EQ(rig.Settings.InputRunning, FlagSet);

    rig.Port.OpenFails = false;
    rig.Pump.Start();
    EXPECT_THAT(rig.Port.OpenedNumbers, ElementsAre(3, 3));
    EXPECT_EQ(rig.Settings.CommNeedsOpen, FlagClear);
    EXPECT_EQ(rig.Velmor.Current, InputPump::VelmorDelay);

    rig.Pump.Start();
    EXPECT_EQ(rig.Port.OpenedNumbers.size(), 2u) << "an open port is not configured again";
}

TEST(InputPumpSerial, PortNumberWithoutAnyDeviceSaysSo)
{
    PumpRig rig;
    rig.Port.OpenFails = true;
    rig.Port.DevicePath.clear();
    rig.Pump.Start();
    ASSERT_EQ(rig.Ui.Shown.size(), 1u);
    EXPECT_EQ(rig.Ui.Shown[0], "Comm Port 1 is not available, please choose another.\n\n"
                               "Device tried: none (No such file or directory)");
}

TEST(InputPumpSerial, VelmorIsWrittenOnceAndTheTimerStops)
{
    PumpRig rig;
    rig.Pump.Start();
    ASSERT_EQ(rig.Velmor.Current, 10000);
    rig.Pump.VelmorTick();
    EXPECT_EQ(rig.Port.Written, "VELMOR\r");
    EXPECT_EQ(rig.Velmor.Current, 0);
}

TEST(InputPumpSerial, TicksRefreshOpenWindowsOnTheirSchedule)
{
    PumpRig rig;
    rig.ShowAllWindows();
    rig.Pump.Start();
    rig.Windows.Calls.clear();

    std::vector<std::vector<DisplayWindow>> perTick;
    for (int tick = 0; tick < 11; ++tick) {
        rig.Pump.Timer1Tick();
        perTick.push_back(rig.Windows.Calls);
        rig.Windows.Calls.clear();
    }
    EXPECT_THAT(perTick[0], ElementsAre(LT, DS, SP, SI, SK));
    EXPECT_THAT(perTick[1], ElementsAre(LT));
    EXPECT_THAT(perTick[2], ElementsAre(LT, DS, SP, SI));
    EXPECT_THAT(perTick[5], ElementsAre(LT, SK));
    EXPECT_THAT(perTick[10], ElementsAre(LT, DS, SP, SI, SK));
    EXPECT_EQ(rig.Pump.TickCount(), 11);
}

TEST(InputPumpSerial, TicksSkipClosedWindows)
{
    PumpRig rig;
    rig.Settings.ShowingSatInfo = FlagSet;
    rig.Settings.ShowingSatPos = FlagSet;
    rig.Pump.Start();
    rig.Pump.Timer1Tick();
    rig.Pump.Timer1Tick();
    rig.Pump.Timer1Tick();
    EXPECT_THAT(rig.Windows.Calls, ElementsAre(SI, SK, SI));
}

TEST(InputPumpSerial, StopLeavesPortAndTimerAndTheNextTickOnlyRefreshes)
{
    PumpRig rig;
    rig.Settings.ShowingLongTerm = FlagSet;
    rig.Port.Incoming = {"", "", "$GPGSA,A,3"};
    rig.Pump.Start();
    rig.Pump.Stop();

    EXPECT_EQ(rig.Settings.InputRunning, FlagClear);
    EXPECT_TRUE(rig.Port.IsOpen);
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);

    const int reads = rig.Port.ReadCount;
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Port.ReadCount, reads);
    EXPECT_EQ(rig.Timer1.Current, 0) << "a stopped pump does not re-arm the tick";
    EXPECT_THAT(rig.Windows.Calls, ElementsAre(LT));
    EXPECT_EQ(rig.Pump.PendingInput(), "$GPGSA,A,3") << "a partial line survives Stop";

    rig.Pump.Continue();
    EXPECT_EQ(rig.Port.OpenedNumbers.size(), 1u) << "Continue opens nothing that is open";
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);
}

TEST(InputPumpSerial, UnpluggedReceiverStopsInputOnceAndKeepsWhatArrived)
{
    PumpRig rig;
    rig.Pump.Start();
    rig.Port.Incoming = {Gga("120010") + "\r\n" + "$GPRMC,1200"};
    rig.Port.Gone = true;
    rig.Pump.Timer1Tick();

    EXPECT_EQ(rig.Gps->UtcTime, "120010") << "lines received before the failure are decoded";
    ASSERT_EQ(rig.Ui.Shown.size(), 1u);
    EXPECT_EQ(rig.Ui.Shown[0], "Comm Port 1 (/dev/ttyUSB0) stopped delivering data: Input/output error\n\n"
                               "Input has stopped; everything received so far is kept. Choose Start New to "
                               "try again.");
    EXPECT_EQ(rig.Settings.InputRunning, FlagClear);
    EXPECT_EQ(rig.Settings.CommNeedsOpen, FlagSet);
    EXPECT_EQ(rig.Timer1.Current, 0);
    EXPECT_EQ(rig.Velmor.Current, 0);
    EXPECT_FALSE(rig.Port.IsOpen);

    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Ui.Shown.size(), 1u) << "the user is told once";

    rig.Port.Gone = false;
    rig.Pump.Start();
    EXPECT_EQ(rig.Port.OpenedNumbers.size(), 2u) << "Start opens the port afresh";
    EXPECT_TRUE(rig.Port.IsOpen);
}

TEST(InputPumpSerial, RouteLinesAreNotInterruptedByYields)
{
    PumpRig rig;
    rig.Port.Incoming = {"", "",
                         Sentence("GPRTE,2,1,c,0,W1,W2") + "\r\n" + Sentence("GPRTE,2,2,c,0,W3") + "\r\n"};
    std::vector<bool> routeCompleteAtYield;
    rig.Ui.OnYield = [&] { routeCompleteAtYield.push_back(rig.Gps->RouteComplete); };
    rig.Pump.Start();
    ASSERT_EQ(rig.Raw.Lines.size(), 2u);
    for (bool complete : routeCompleteAtYield)
        EXPECT_TRUE(complete);
    EXPECT_EQ(routeCompleteAtYield.size(), 2u) << "one yield after the finished route, one at the end of the run";
}

} // namespace
