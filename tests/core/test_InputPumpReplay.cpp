// The input pump replaying a recorded log, fast or in step with the clock,
// and the opening and closing of the log files around Start, Stop and
// Continue.
#include "PumpTestRig.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace trakora;
using namespace trakora::testing;
using ::testing::ElementsAre;
namespace fs = std::filesystem;

namespace {

// Three one-second epochs of a receiver, each ended by its GGA.
const std::vector<std::string> ThreeEpochs = {Rmc("120001"), Gsa(), Gga("120001"), Rmc("120002"), Gsa(),
                                              Gga("120002"), Rmc("120003"), Gsa(), Gga("120003")};

std::vector<std::string> ReadLines(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

// Each test runs inside its own scratch folder, so relative log names land there.
class Replay : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(Dir), fs::current_path(Dir); }
    void TearDown() override { fs::current_path(m_old), fs::remove_all(Dir); }

    void Load(const std::vector<std::string>& lines, bool timed = false, bool record = false)
    {
        std::ofstream out(Dir / "in.TKL", std::ios::binary);
        for (const auto& line : lines)
            out << line << "\r\n";
        rig.Settings.FileInput = FlagSet;
        rig.Settings.ReadRealTime = timed ? FlagSet : FlagClear;
        rig.Settings.InputFileName = (Dir / "in.TKL").string();
        if (record)
            rig.Settings.WriteData = 1, rig.Settings.OutputFileName = (Dir / "out.TKL").string();
    }

    fs::path m_old = fs::current_path();
    fs::path Dir = fs::temp_directory_path() /
                   (std::string("trakora-pump-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    PumpRig rig;
};

TEST_F(Replay, FastReplayRefreshesTheOpenWindowsInOrderRightAfterEachGGA)
{
    Load(ThreeEpochs);
    rig.ShowAllWindows();
    rig.Settings.ShowingSatInfo = FlagClear;
    int yields = 0;
    rig.Ui.OnYield = [&] {
        const auto ggas = std::count_if(rig.Raw.Lines.begin(), rig.Raw.Lines.end(),
                                        [](const std::string& line) { return line.rfind("$GPGGA", 0) == 0; });
        EXPECT_EQ(rig.Windows.Calls.size(), 4u * static_cast<std::size_t>(ggas)) << "at yield " << ++yields;
    };
    rig.Pump.Start();

    EXPECT_EQ(rig.Raw.Lines, ThreeEpochs);
    EXPECT_THAT(rig.Windows.Calls, ElementsAre(LT, DS, SP, SK, LT, DS, SP, SK, LT, DS, SP, SK));
    EXPECT_EQ(yields, 9 + 3) << "one per line and one after each epoch's refresh";
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_EQ(rig.Settings.InputRunning, FlagSet) << "input stays running at the end of the file";
    EXPECT_EQ(rig.Timer1.Current, 0);
}

TEST_F(Replay, StopDuringFastReplayThenContinueReadsAndRecordsEveryLineExactlyOnce)
{
    Load(ThreeEpochs, false, true);
    rig.Settings.SavePositionInfo = rig.Settings.SaveWaypointInfo = rig.Settings.SavePRNInfo = 1;
    int yields = 0;
    rig.Ui.OnYield = [&] {
        if (++yields == 5) // after the first line of the second epoch
            rig.Pump.Stop();
    };
    rig.Pump.Start();
    const std::vector<std::string> firstFour(ThreeEpochs.begin(), ThreeEpochs.begin() + 4);
    EXPECT_EQ(rig.Raw.Lines, firstFour);
    EXPECT_TRUE(rig.Ui.Shown.empty()) << "a stopped replay does not reach the end of the file";
    EXPECT_FALSE(rig.Input.IsOpen() || rig.Output.IsOpen());
    EXPECT_EQ(ReadLines(Dir / "out.TKL"), firstFour);

    rig.Ui.OnYield = nullptr;
    rig.Pump.Continue();
    EXPECT_EQ(rig.Raw.Lines, ThreeEpochs) << "nothing lost, nothing read twice";
    EXPECT_EQ(ReadLines(Dir / "out.TKL"), ThreeEpochs);
    EXPECT_TRUE(rig.DispatchMessages.Shown.empty()) << "recording after Continue must not hit a closed log";
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
}

TEST_F(Replay, ContinueWithoutStartAndStartAfterStopReadFromTheBeginningAndRecord)
{
    Load({Gga("120001"), Gga("120002")}, false, true);
    rig.Pump.Continue();
    rig.Pump.Stop();
    rig.Pump.Start();
    EXPECT_EQ(rig.Raw.Lines.size(), 4u);
    EXPECT_EQ(ReadLines(Dir / "out.TKL").size(), 4u) << "recording resumes after Stop";
    EXPECT_TRUE(rig.DispatchMessages.Shown.empty());
}

TEST_F(Replay, NestedRunsFromAYieldAreRefused)
{
    Load(ThreeEpochs);
    std::size_t nestedLines = 1;
    rig.Ui.OnYield = [&] {
        rig.Ui.OnYield = nullptr;
        const std::size_t before = rig.Raw.Lines.size();
        rig.Pump.Start();
        rig.Pump.Continue();
        rig.Pump.Run();
        rig.Pump.Timer1Tick();
        nestedLines = rig.Raw.Lines.size() - before;
    };
    rig.Pump.Start();
    EXPECT_EQ(nestedLines, 0u);
    EXPECT_EQ(rig.Raw.Lines, ThreeEpochs);
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_FALSE(rig.Pump.Running());
}

TEST_F(Replay, TimedReplayLocksOntoTheClocksSecondsDigitAndEndsWithoutTick)
{
    std::vector<std::string> lines;
    for (const char* time : {"120007", "120008", "120009", "120010", "120011", "120012", "120013", "120014"})
        lines.insert(lines.end(), {Rmc(time), Gga(time)});
    Load(lines, true);
    rig.ShowAllWindows();
    rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 9, 41, 33});
    rig.Pump.Start();
    // Clock digit 3: times ending in 7 to 1 are read on; the first line whose
    // time ends in 2 brings the replay within a second.
    EXPECT_EQ(rig.Raw.Lines.back(), Rmc("120012"));
    EXPECT_EQ(rig.Settings.SyncWaitPending, FlagSet);
    EXPECT_EQ(rig.Timer1.Current, InputPump::TickInterval);
    EXPECT_TRUE(rig.Windows.Calls.empty()) << "timed replay refreshes only on ticks";

    const std::size_t before = rig.Raw.Lines.size();
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Raw.Lines.size(), before) << "same second: still waiting";
    rig.Clock.Time += 1;
    rig.Pump.Timer1Tick();
    EXPECT_EQ(std::vector<std::string>(rig.Raw.Lines.begin() + static_cast<long>(before), rig.Raw.Lines.end()),
              (std::vector<std::string>{Gga("120012"), Rmc("120013")}))
        << "no extra dispatch of a leftover fragment after the wait";
    EXPECT_TRUE(rig.Ui.Shown.empty());

    rig.Clock.Time += 5; // digit 9: the rest is three or more behind
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Gps->UtcTime, "120014");
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_EQ(rig.Timer1.Current, 0);
}

TEST_F(Replay, RealTimeSyncCheckComparesOnlyTheSecondsDigits)
{
    const struct { int clockSecond; const char* utc; bool readOn; } cases[] = {
        {3, "120013", false}, // level
        {3, "120012", false}, // one behind
        {3, "120011", true},  // two behind
        {3, "235957", true},  // 6 behind, any hour
        {0, "120009", false}, // wraps: one behind
        {1, "120009", true},  // wraps: two behind
        {3, "12001x", true},  // a non-digit counts as 0
        {1, "", false},       // nothing decoded yet counts as 0
    };
    for (const auto& c : cases) {
        rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 10, 20, 40 + c.clockSecond});
        rig.Gps->UtcTime = c.utc;
        EXPECT_EQ(rig.Pump.RealTimeSyncCheck(), c.readOn) << c.clockSecond << " vs " << c.utc;
    }
}

TEST_F(Replay, WriteDataChoosesWhetherTheDefaultLogInTheCurrentFolderIsRecorded)
{
    Load({Gga("120001"), Gsa()});
    for (int writeData : {0, 1}) {
        PumpRig run;
        run.Settings = rig.Settings;
        run.Settings.WriteData = writeData;
        run.Clock.Time = ToLocalTime(CivilDateTime{2004, 3, 17, 8, 0, 0});
        run.Pump.Start();
        EXPECT_EQ(run.Settings.OutputFileName, "GP040317.TKL");
        // Only the position group is recorded by default.
        EXPECT_EQ(ReadLines(Dir / "GP040317.TKL"), writeData ? std::vector<std::string>{Gga("120001")}
                                                             : std::vector<std::string>{});
        EXPECT_EQ(fs::exists(Dir / "GP040317.TKL"), writeData == 1);
    }
}

TEST_F(Replay, OutputLogThatCannotBeOpenedTurnsRecordingOffAndInputGoesOn)
{
    Load({Gga("120001")}, false, true);
    rig.Settings.OutputFileName = (Dir / "missing/out.TKL").string();
    rig.Pump.Start();
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("Error 2 opening output file: " + rig.Settings.OutputFileName +
                                              "\n\nNo such file or directory",
                                          "End of file."));
    EXPECT_EQ(rig.Settings.WriteData, 0);
    EXPECT_EQ(rig.Gps->UtcTime, "120001");
}

TEST_F(Replay, InputLogThatCannotBeOpenedOpensTheSettingsAndStops)
{
    Load({});
    rig.Settings.InputFileName = (Dir / "absent.TKL").string();
    rig.Pump.Start();
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("Cannot open input file.  Please check the settings screen.\n\n"
                                          "Error # 2 - No such file or directory"));
    EXPECT_EQ(rig.Ui.SettingsOpened, 1);
    EXPECT_EQ(rig.Settings.InputRunning, FlagClear);
    EXPECT_EQ(rig.Timer1.Current, 0);
}

} // namespace
