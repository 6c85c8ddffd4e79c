// The input pump replaying a recorded log, fast or in step with the clock,
// and the opening and closing of the log files around Start, Stop and
// Continue.
#include "PumpTestRig.h"

#include <gmock/gmock.h>

#include <unistd.h>

using namespace trakora;
using namespace trakora::testing;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr auto LT = DisplayWindow::LongTerm;
constexpr auto DS = DisplayWindow::DataStat;
constexpr auto SP = DisplayWindow::ShowPos;
constexpr auto SI = DisplayWindow::SatInfo;
constexpr auto SK = DisplayWindow::SatPos;

// Three one-second epochs of a receiver, each ended by its GGA.
std::vector<std::string> ThreeEpochs()
{
    return {Rmc("120001"), Gsa(), Gga("120001"), Rmc("120002"), Gsa(),
            Gga("120002"), Rmc("120003"), Gsa(), Gga("120003")};
}

// Runs the test body inside a scratch folder, so relative log names land there.
class InScratchDir {
public:
    InScratchDir() : m_old(std::filesystem::current_path()) { std::filesystem::current_path(Dir.Path()); }
    ~InScratchDir() { std::filesystem::current_path(m_old); }
    ScratchDir Dir;

private:
    std::filesystem::path m_old;
};

TEST(InputPumpReplay, FastReplayRefreshesEveryOpenWindowInOrderAfterEachGGA)
{
    ScratchDir dir;
    WriteLog(dir.File("in.TKL"), ThreeEpochs());
    PumpRig rig;
    rig.ReplayFile(dir.File("in.TKL"), false);
    rig.ShowAllWindows();
    std::vector<std::size_t> linesAtRefresh;
    rig.Ui.OnYield = [&] { linesAtRefresh.push_back(rig.Raw.Lines.size()); };
    rig.Pump.Start();

    EXPECT_THAT(rig.Raw.Lines, ElementsAreArray(ThreeEpochs()));
    std::vector<DisplayWindow> once = {LT, DS, SP, SI, SK};
    std::vector<DisplayWindow> expected;
    for (int epoch = 0; epoch < 3; ++epoch)
        expected.insert(expected.end(), once.begin(), once.end());
    EXPECT_EQ(rig.Windows.Calls, expected);
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_EQ(rig.Settings.InputRunning, FlagSet) << "input stays running at the end of the file";
    EXPECT_EQ(rig.Timer1.Current, 0);
    // A yield after every line (the route is complete) and one more after each epoch's refresh.
    EXPECT_EQ(linesAtRefresh.size(), 9u + 3u);
}

TEST(InputPumpReplay, FastReplayRefreshesOnlyWindowsThatAreOpen)
{
    ScratchDir dir;
    WriteLog(dir.File("in.TKL"), ThreeEpochs());
    PumpRig rig;
    rig.ReplayFile(dir.File("in.TKL"), false);
    rig.Settings.ShowingSatPos = FlagSet;
    rig.Settings.ShowingDataStat = FlagSet;
    rig.Pump.Start();
    EXPECT_THAT(rig.Windows.Calls, ElementsAre(DS, SK, DS, SK, DS, SK));
}

TEST(InputPumpReplay, StopDuringFastReplayThenContinueReadsEveryLineExactlyOnce)
{
    InScratchDir scratch;
    const std::vector<std::string> lines = ThreeEpochs();
    WriteLog(scratch.Dir.File("in.TKL"), lines);
    PumpRig rig;
    rig.ReplayFile(scratch.Dir.File("in.TKL"), false);
    rig.Settings.WriteData = 1;
    rig.Settings.SavePositionInfo = 1;
    rig.Settings.SaveWaypointInfo = 1;
    rig.Settings.SavePRNInfo = 1;
    rig.Settings.OutputFileName = scratch.Dir.File("out.TKL");

    int yields = 0;
    rig.Ui.OnYield = [&] {
        if (++yields == 5) // after the first line of the second epoch
            rig.Pump.Stop();
    };
    rig.Pump.Start();
    const std::size_t readBeforeStop = rig.Raw.Lines.size();
    EXPECT_EQ(readBeforeStop, 4u);
    EXPECT_TRUE(rig.Ui.Shown.empty()) << "a stopped replay does not reach the end of the file";
    EXPECT_FALSE(rig.Input.IsOpen());
    EXPECT_FALSE(rig.Output.IsOpen());
    EXPECT_THAT(ReadLines(scratch.Dir.File("out.TKL")),
                ElementsAreArray(lines.begin(), lines.begin() + static_cast<long>(readBeforeStop)));

    rig.Ui.OnYield = nullptr;
    rig.Pump.Continue();
    EXPECT_THAT(rig.Raw.Lines, ElementsAreArray(lines)) << "nothing lost, nothing read twice";
    EXPECT_THAT(ReadLines(scratch.Dir.File("out.TKL")), ElementsAreArray(lines));
    EXPECT_TRUE(rig.DispatchMessages.Shown.empty()) << "recording after Continue must not hit a closed log";
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
}

TEST(InputPumpReplay, StartAfterStopReadsTheLogFromTheBeginningAndRecordsAgain)
{
    InScratchDir scratch;
    const std::vector<std::string> lines = {Gga("120001"), Gga("120002")};
    WriteLog(scratch.Dir.File("in.TKL"), lines);
    PumpRig rig;
    rig.ReplayFile(scratch.Dir.File("in.TKL"), false);
    rig.Settings.WriteData = 1;
    rig.Settings.OutputFileName = scratch.Dir.File("out.TKL");
    rig.Pump.Start();
    rig.Pump.Stop();
    rig.Pump.Start();

    EXPECT_EQ(rig.Raw.Lines.size(), 4u);
    EXPECT_EQ(ReadLines(scratch.Dir.File("out.TKL")).size(), 4u) << "recording resumes after Stop";
    EXPECT_TRUE(rig.DispatchMessages.Shown.empty());
}

TEST(InputPumpReplay, NestedRunsFromAYieldAreRefused)
{
    ScratchDir dir;
    WriteLog(dir.File("in.TKL"), ThreeEpochs());
    PumpRig rig;
    rig.ReplayFile(dir.File("in.TKL"), false);
    bool nestedOnce = false;
    std::size_t linesDuringNested = 0;
    rig.Ui.OnYield = [&] {
        if (nestedOnce)
            return;
        nestedOnce = true;
        const std::size_t before = rig.Raw.Lines.size();
        EXPECT_TRUE(rig.Pump.Running());
        rig.Pump.Start();
        rig.Pump.Continue();
        rig.Pump.Run();
        rig.Pump.Timer1Tick();
        linesDuringNested = rig.Raw.Lines.size() - before;
    };
    rig.Pump.Start();
    EXPECT_EQ(linesDuringNested, 0u);
    EXPECT_THAT(rig.Raw.Lines, ElementsAreArray(ThreeEpochs()));
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_FALSE(rig.Pump.Running());
}

TEST(InputPumpReplay, TimedReplayLocksOntoTheClocksSecondsDigit)
{
    ScratchDir dir;
    std::vector<std::string> lines;
    for (int second = 7; second <= 16; ++second) {
        const std::string time = "1200" + std::string(second < 10 ? "0" : "") + std::to_string(second);
        lines.push_back(Rmc(time));
        lines.push_back(Gga(time));
    }
    WriteLog(dir.File("in.TKL"), lines);
    PumpRig rig;
    rig.ShowAllWindows();
    rig.ReplayFile(dir.File("in.TKL"), true);
    rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 9, 41, 33});
    rig.Pump.Start();

    // Clock digit 3: times ending in 7, 8, 9, 0 and 1 are read on; the first
    // line whose time ends in 2 brings the replay within a second.
    EXPECT_EQ(rig.Gps->UtcTime, "120012");
    EXPECT_EQ(rig.Raw.Lines.back(), Rmc("120012"));
    EXPECT_EQ(rig.Settings.SyncWaitPending, FlagSet);
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);
    EXPECT_TRUE(rig.Windows.Calls.empty()) << "timed replay refreshes only on ticks";

    // The next tick on the same second: still waiting, nothing read.
    const std::size_t before = rig.Raw.Lines.size();
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Raw.Lines.size(), before);
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);

    // One second later the replay reads up to the next second's first line.
    rig.Clock.Time += 1;
    rig.Pump.Timer1Tick();
    EXPECT_THAT(std::vector<std::string>(rig.Raw.Lines.begin() + static_cast<long>(before), rig.Raw.Lines.end()),
                ElementsAre(Gga("120012"), Rmc("120013")))
        << "no extra dispatch of a leftover fragment after the wait";
    EXPECT_EQ(rig.Gps->UtcTime, "120013");
    EXPECT_TRUE(rig.Ui.Shown.empty());
}

TEST(InputPumpReplay, TimedReplayEndsWithTheMessageAndNoTick)
{
    ScratchDir dir;
    WriteLog(dir.File("in.TKL"), {Gga("120005")});
    PumpRig rig;
    rig.ReplayFile(dir.File("in.TKL"), true);
    rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 9, 41, 0});
    rig.Pump.Start(); // clock digit 0, nothing decoded yet (counts as 0): wait
    EXPECT_TRUE(rig.Raw.Lines.empty());
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);
    EXPECT_TRUE(rig.Ui.Shown.empty());

    rig.Clock.Time += 2; // two behind: read on, and after time 5 still far behind
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Gps->UtcTime, "120005");
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_EQ(rig.Timer1.Current, 0);
    EXPECT_EQ(rig.Settings.InputRunning, FlagSet);
}

TEST(InputPumpReplay, RealTimeSyncCheckComparesOnlyTheSecondsDigits)
{
    PumpRig rig;
    struct Case {
        int clockSecond;
        const char* utc;
        bool readOn;
    };
    const Case cases[] = {
        {3, "120013", false}, // level
        {3, "120012", false}, // one behind
        {3, "120011", true},  // two behind
        {3, "235957", true},  // 6 behind, any hour
        {0, "120009", false}, // wraps: one behind
        {1, "120009", true},  // wraps: two behind
        {3, "12001x", true},  // a non-digit counts as 0
        {1, "12000x", false},
    };
    for (const Case& c : cases) {
        rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 10, 20, 40 + c.clockSecond});
        rig.Gps->UtcTime = c.utc;
        EXPECT_EQ(rig.Pump.RealTimeSyncCheck(), c.readOn) << c.clockSecond << " vs " << c.utc;
    }
}

TEST(InputPumpReplay, WriteDataZeroOpensNoLogButNamesTheDefaultOne)
{
    InScratchDir scratch;
    WriteLog(scratch.Dir.File("in.TKL"), {Gga("120001")});
    PumpRig rig;
    rig.ReplayFile(scratch.Dir.File("in.TKL"), false);
    rig.Clock.Time = ToLocalTime(CivilDateTime{2004, 3, 17, 8, 0, 0});
    rig.Pump.Start();

    EXPECT_EQ(rig.Settings.OutputFileName, "GP040317.TKL");
    EXPECT_EQ(rig.Settings.OutputFileNumber, -1);
    EXPECT_FALSE(rig.Output.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(scratch.Dir.Path() / "GP040317.TKL"));
}

TEST(InputPumpReplay, WriteDataOneRecordsToTheDefaultLogInTheCurrentFolder)
{
    InScratchDir scratch;
    WriteLog(scratch.Dir.File("in.TKL"), {Gga("120001"), Gsa()});
    PumpRig rig;
    rig.ReplayFile(scratch.Dir.File("in.TKL"), false);
    rig.Settings.WriteData = 1;
    rig.Clock.Time = ToLocalTime(CivilDateTime{2004, 3, 17, 8, 0, 0});
    rig.Pump.Start();

    EXPECT_GE(rig.Settings.OutputFileNumber, 0);
    EXPECT_NE(rig.Settings.OutputFileNumber, rig.Settings.InputFileNumber);
    EXPECT_THAT(ReadLines((scratch.Dir.Path() / "GP040317.TKL").string()), ElementsAre(Gga("120001")))
        << "only the position group is recorded by default";
}

TEST(InputPumpReplay, OutputLogThatCannotBeOpenedTurnsRecordingOffAndInputGoesOn)
{
    ScratchDir dir;
    WriteLog(dir.File("in.TKL"), {Gga("120001")});
    PumpRig rig;
    rig.ReplayFile(dir.File("in.TKL"), false);
    rig.Settings.WriteData = 1;
    rig.Settings.OutputFileName = dir.File("missing/out.TKL");
    rig.Pump.Start();

    ASSERT_EQ(rig.Ui.Shown.size(), 2u);
    EXPECT_EQ(rig.Ui.Shown[0], "Error 2 opening output file: " + dir.File("missing/out.TKL") +
                                   "\n\nNo such file or directory");
    EXPECT_EQ(rig.Ui.Shown[1], "End of file.");
    EXPECT_EQ(rig.Settings.WriteData, 0);
    EXPECT_EQ(rig.Gps->UtcTime, "120001");
}

TEST(InputPumpReplay, InputLogThatCannotBeOpenedOpensTheSettingsAndStops)
{
    ScratchDir dir;
    PumpRig rig;
    rig.ReplayFile(dir.File("absent.TKL"), false);
    rig.Pump.Start();

    EXPECT_THAT(rig.Ui.Shown, ElementsAre("Cannot open input file.  Please check the settings screen.\n\n"
                                          "Error # 2 - No such file or directory"));
    EXPECT_EQ(rig.Ui.SettingsOpened, 1);
    EXPECT_EQ(rig.Settings.InputRunning, FlagClear);
    EXPECT_EQ(rig.Settings.InputFileNumber, -1);
    EXPECT_EQ(rig.Timer1.Current, 0);
}

TEST(InputPumpReplay, ContinueWithoutAnEarlierStartOpensTheLogFromItsBeginning)
{
    ScratchDir dir;
    WriteLog(dir.File("in.TKL"), ThreeEpochs());
    PumpRig rig;
    rig.ReplayFile(dir.File("in.TKL"), false);
    rig.Pump.Continue();
    EXPECT_THAT(rig.Raw.Lines, ElementsAreArray(ThreeEpochs()));
    EXPECT_EQ(rig.Settings.InputRunning, FlagSet);
}

} // namespace
