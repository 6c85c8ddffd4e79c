// The input pump reading a serial port: line cutting, the port's failures,
// the command sent to the receiver and the tick schedule of the windows.
#include "PumpTestRig.h"

#include <gmock/gmock.h>

using namespace trakora;
using namespace trakora::testing;
using ::testing::_;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

TEST(InputPumpSerial, StartTicksStopAndContinue)
{
    PumpRig rig;
    rig.ShowAllButSatInfo();
    rig.Port.Incoming = {Gga("115959") + "\r\n", "$GPGSA,A,3"};
    rig.Pump.Start();
    EXPECT_TRUE(rig.Raw.Lines.empty() && rig.Pump.PendingInput() == "$GPGSA,A,3")
        << "the first read is stale and must be dropped, the second is kept";
    EXPECT_TRUE(rig.Timer1.Current == InputPump::TickInterval && rig.Settings.SyncWaitPending == FlagSet);

    for (int tick = 0; tick < 11; ++tick)
        rig.Pump.Timer1Tick();
    // Each open window on its own schedule (every tick, every second, every fifth), ticks 0 to 10.
    EXPECT_EQ(rig.Windows.Calls, (std::vector{LT, DS, SP, SK, LT, LT, DS, SP, LT, LT, DS, SP, LT, SK, LT, DS, SP,
                                              LT, LT, DS, SP, LT, LT, DS, SP, SK}));

    rig.Windows.Calls.clear(), rig.Pump.Stop(), rig.Pump.Timer1Tick();
    // Stopped: the port stays open, nothing more is read (Start read three times: two stale reads and its
    // run; each tick once), the tick is not re-armed.
    EXPECT_TRUE(rig.Port.IsOpen && rig.Port.ReadCount == 3 + 11 && rig.Timer1.Current == 0);
    EXPECT_THAT(rig.Windows.Calls, ElementsAre(LT)) << "but the tick still refreshes";

    rig.Pump.Continue();
    // A partial line survives Stop; Continue opens nothing that is open and re-arms the tick.
    EXPECT_TRUE(rig.Pump.PendingInput() == "$GPGSA,A,3" && rig.Port.OpenedNumbers.size() == 1 &&
                rig.Timer1.Current == InputPump::TickInterval);
}

TEST(InputPumpSerial, LinesAreCutAcrossReadsAndAnOverfullBufferIsReportedButKept)
{
    const std::string gga = Gga("120005"), full(10000, 'x');
    const struct { std::vector<std::string> reads, lines; std::string pending; std::size_t overflows; } cases[] = {
        // A sentence split across two reads is dispatched once its end arrives.
        {{gga.substr(0, 20), gga.substr(20) + "\r\n$GPRMC,12"}, {gga}, "$GPRMC,12", 0},
        // Empty, short and foreign lines arrive as five blanks.
        {{"\r\nhello world\r\n$G\r\n$GP\r\nab\r\n\n"}, {"     ", "     ", "     ", "$GP", "     ", "     "}, "", 0},
        // 10000 characters are allowed; beyond, the first run says so and nothing is thrown away.
        {{full}, {}, full, 0},
        {{full, "y", "z"}, {}, full + "yz", 1},
    };
    for (const auto& c : cases) {
        PumpRig rig;
        rig.Pump.Start();
        rig.Port.Incoming.assign(c.reads.begin(), c.reads.end());
        for (std::size_t tick = 0; tick < c.reads.size(); ++tick) // one read per tick
            rig.Pump.Timer1Tick();
        EXPECT_EQ(rig.Raw.Lines, c.lines) << c.reads[0];
        EXPECT_EQ(rig.Pump.PendingInput(), c.pending) << c.reads[0];
        EXPECT_EQ(rig.Ui.Shown, std::vector<std::string>(
                                    c.overflows, "Data processing error or program loop: GPSInput buffer overflowing"));
        rig.Port.Incoming = {"", "", "w"}, rig.Pump.Start(); // each Start may say it once more
        EXPECT_EQ(rig.Ui.Shown.size(), c.overflows);
        rig.Port.Incoming = {"", "", full + "w"}, rig.Pump.Start(), rig.Pump.Timer1Tick();
        EXPECT_EQ(rig.Ui.Shown.size(), c.overflows + 1);
    }
}

TEST(InputPumpSerial, WhatIsRecordedReplaysToTheSameState)
{
    const std::string gll = Sentence("GPGLL,4916.45,N,12311.12,W,225444,A");
    const std::string path = ::testing::TempDir() + "trakora-serial-record.TKL";
    std::remove(path.c_str());
    PumpRig live;
    live.Settings.WriteData = live.Settings.SavePositionInfo = live.Settings.SaveWaypointInfo = 1;
    live.Settings.SavePRNInfo = 1, live.Settings.OutputFileName = path;
    live.Port.Incoming = {"", "",
                          Rmc("120001") + "\r\n" +
                              // A CR inside passes the checksum, but read back the line would fall in two.
                              Sentence("GPGGA,120002,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,\r,") + "\r\n" +
                              // One after the checksum is not part of the sentence.
                              gll + "\r\r\n" +
                              // Read back, a line this long would be cut.
                              Sentence("GPWPL,4917.16,N,12310.64,W,LONG" + std::string(5000, ',')) + "\r\n"};
    live.Pump.Start();
    live.Pump.Stop();

    PumpRig replay;
    replay.Settings.FileInput = FlagSet, replay.Settings.InputFileName = path;
    replay.Pump.Start();
    EXPECT_EQ(replay.Raw.Lines, (std::vector{Rmc("120001"), gll}));
    EXPECT_TRUE(SameStateBesidesSentence(*live.Gps, *replay.Gps));
    EXPECT_EQ(live.Gps->UtcTime, "225444");
    std::remove(path.c_str());
}

TEST(InputPumpSerial, PortFailuresAreNamedOnceAndTheNextStartTriesAgain)
{
    PumpRig rig;
    rig.Settings.CommPort = 3;
    rig.Port.OpenFails = true, rig.Port.DevicePath.clear(), rig.Pump.Start(); // no device at all
    rig.Port.DevicePath = "/dev/ttyS2", rig.Pump.Start();
    // Not ours to open: the group is read from the device file (/dev/null belongs to root).
    rig.Port.Failure = {false, EACCES, "Permission denied"}, rig.Port.DevicePath = "/dev/null", rig.Pump.Start();
    const std::string unavailable = "Comm Port 3 is not available, please choose another.\n\nDevice tried: ";
    EXPECT_THAT(rig.Ui.Shown, ElementsAre(unavailable + "none (No such file or directory)",
                                          unavailable + "/dev/ttyS2 (No such file or directory)",
                                          HasSubstr("group root. Join that group")));
    EXPECT_TRUE(rig.Port.ReadCount == 0 && rig.Velmor.Current == 0 && rig.Timer1.Current == 0) << "no run";

    rig.Port.OpenFails = false, rig.Port.DevicePath = "/dev/ttyS2", rig.Pump.Start();
    rig.Port.Incoming = {Gga("120010") + "\r\n" + "$GPRMC,1200"};
    rig.Port.Gone = true; // unplugged while running
    rig.Pump.Timer1Tick(), rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Gps->UtcTime, "120010") << "lines received before the failure are decoded";
    EXPECT_THAT(rig.Ui.Shown, ElementsAre(_, _, _, // the user is told once
                                          "The receiver on Comm Port 3 (/dev/ttyS2) was disconnected.\n\n"
                                          "Input has stopped; everything received so far is kept. Connect the "
                                          "receiver again and choose Start New to reopen /dev/ttyS2.\n\n"
                                          "(The system reported: Input/output error)"));
    EXPECT_TRUE(rig.Settings.InputRunning == FlagClear && rig.Settings.CommNeedsOpen == FlagSet && !rig.Port.IsOpen);
    EXPECT_TRUE(rig.Timer1.Current == 0 && rig.Velmor.Current == 0);
    EXPECT_THAT(rig.Port.OpenedNumbers, ElementsAre(3, 3, 3, 3));
}

TEST(InputPumpSerial, BaudSearchTriesEachRateInTurnForAFewRunsAndWrapsAround)
{
    BaudSearch search;
    search.Begin(38400);
    std::vector<std::int32_t> rates;
    for (int run = 0; run < 4 * BaudSearch::RunsPerRate; ++run)
        if (const std::int32_t next = search.AfterRun(false))
            rates.push_back(next);
    EXPECT_THAT(rates, ElementsAre(57600, 115200, 4800, 9600));
    EXPECT_TRUE(search.AfterRun(true) == 0 && !search.Searching() && search.Rate() == 9600) << "a checked line ends it";
    search.Begin(1234);
    EXPECT_EQ(search.Rate(), 4800) << "an unknown rate starts at the first";
}

TEST(InputPumpSerial, AutoBaudKeepsTheFirstRateThatDeliversACheckedLineAndAFixedRateIsNeverChanged)
{
    PumpRig rig;
    rig.Settings.CommBaud = AutoBaud;
    const std::string noise = "\x86\x1e\xf8x\r\n";
    rig.Port.Incoming = {"", "", noise, noise, noise, noise, "$GPGGA,12" + noise, Gga("120010") + "\r\n"};
    rig.Pump.Start();
    for (int tick = 0; tick < 6; ++tick)
        rig.Pump.Timer1Tick();
    // Four runs at 4800 see only noise (a line without its checksum counts as noise too); 9600 delivers.
    EXPECT_THAT(rig.Port.Rates, ElementsAre(4800, 9600));
    EXPECT_TRUE(rig.Settings.DetectedBaud == 9600 && rig.Pump.BaudRate() == 9600 && rig.Gps->UtcTime == "120010");

    rig.Port.Gone = true, rig.Pump.Timer1Tick(); // unplugged: the next Start searches again, from the rate found
    rig.Port.Gone = false, rig.Pump.Start();
    EXPECT_THAT(rig.Port.Rates, ElementsAre(4800, 9600, 9600));

    rig.Settings.CommBaud = 19200, rig.Settings.CommNeedsOpen = FlagSet, rig.Pump.Start();
    for (int tick = 0; tick < 3 * BaudSearch::RunsPerRate; ++tick) {
        rig.Port.Incoming.push_back(noise);
        rig.Pump.Timer1Tick();
    }
    EXPECT_THAT(rig.Port.Rates, ElementsAre(4800, 9600, 9600, 19200));
    EXPECT_EQ(rig.Port.Preferred, "") << "no stored device: the port number decides";
}

TEST(InputPumpSerial, RouteLinesAreNotInterruptedByYields)
{
    PumpRig rig;
    rig.Port.Incoming = {"", "", Sentence("GPRTE,2,1,c,0,W1,W2") + "\r\n" + Sentence("GPRTE,2,2,c,0,W3") + "\r\n"};
    std::vector<std::size_t> linesAtYield;
    rig.Ui.OnYield = [&] { linesAtYield.push_back(rig.Raw.Lines.size()); };
    rig.Pump.Start();
    // One yield after the finished route, none between its sentences, one at the end of the run.
    EXPECT_THAT(linesAtYield, ElementsAre(2, 2));
}

} // namespace
