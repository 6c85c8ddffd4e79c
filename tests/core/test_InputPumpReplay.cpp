// The input pump replaying a recorded log, fast or in step with the clock,
// and the opening and closing of the log files around Start, Stop and
// Continue.
#include "PumpTestRig.h"

#include <gmock/gmock.h>

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
    void SetUp() override { fs::create_directories(Dir); fs::current_path(Dir); }
    void TearDown() override { fs::current_path(m_old); fs::remove_all(Dir); }

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

TEST_F(Replay, FastReplayRefreshesTheOpenWindowsRightAfterEachGGAAndRefusesNestedRuns)
{
    Load(ThreeEpochs);
    rig.ShowAllWindows();
    rig.Settings.ShowingSatInfo = FlagClear;
    std::vector<std::size_t> refreshesAtYield;
    rig.Ui.OnYield = [&] {
        refreshesAtYield.push_back(rig.Windows.Calls.size());
        if (refreshesAtYield.size() == 1) { // a run is in progress: nested ones read nothing
            rig.Pump.Start(), rig.Pump.Continue(), rig.Pump.Run(), rig.Pump.Timer1Tick();
            EXPECT_EQ(rig.Raw.Lines.size(), 1u);
            rig.Windows.Calls.clear(); // the nested tick's own refresh
        }
    };
    rig.Pump.Start();

    EXPECT_EQ(rig.Raw.Lines, ThreeEpochs);
    EXPECT_THAT(rig.Windows.Calls, ElementsAre(LT, DS, SP, SK, LT, DS, SP, SK, LT, DS, SP, SK));
    // A yield after every line and one more after each epoch's refresh.
    EXPECT_THAT(refreshesAtYield, ElementsAre(0, 0, 4, 4, 4, 4, 8, 8, 8, 8, 12, 12));
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_TRUE(rig.Settings.InputRunning == FlagSet && rig.Timer1.Current == 0) << "running, but no tick";
}

TEST_F(Replay, StopDuringFastReplayThenContinueReadsAndRecordsEveryLineExactlyOnce)
{
    // Continue without an earlier Start opens the log from its beginning.
    Load(ThreeEpochs, false, true);
    rig.Settings.SavePositionInfo = rig.Settings.SaveWaypointInfo = rig.Settings.SavePRNInfo = 1;
    // Stop at the yield after the first line of the second epoch.
    rig.Ui.OnYield = [&] { if (rig.Raw.Lines.size() == 4) rig.Pump.Stop(); };
    rig.Pump.Continue();
    ASSERT_EQ(rig.Raw.Lines.size(), 4u);
    EXPECT_TRUE(rig.Ui.Shown.empty() && !rig.Input.IsOpen() && !rig.Output.IsOpen()) << "stopped, logs closed";
    EXPECT_EQ(ReadLines(Dir / "out.TKL"), rig.Raw.Lines);

    rig.Pump.Continue();
    EXPECT_EQ(rig.Raw.Lines, ThreeEpochs) << "nothing lost, nothing read twice";
    EXPECT_EQ(ReadLines(Dir / "out.TKL"), ThreeEpochs) << "recording goes on after Continue";

    rig.Pump.Stop();
    rig.Pump.Start();
    EXPECT_EQ(rig.Raw.Lines.size(), 18u) << "Start reads from the beginning";
    EXPECT_EQ(ReadLines(Dir / "out.TKL").size(), 18u) << "and records again";
}

TEST_F(Replay, TimedReplayLocksOntoTheClocksSecondsDigitAndEndsWithoutTick)
{
    std::vector<std::string> lines;
    for (const char* time : {"120007", "120008", "120009", "120010", "120011", "120012", "120013", "120014"})
        lines.insert(lines.end(), {Rmc(time), Gga(time)});
    Load(lines, true);
    rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 9, 41, 33});
    rig.Pump.Start();
    // Clock digit 3: times ending in 7 to 1 are read on; the first line whose
    // time ends in 2 brings the replay within a second.
    EXPECT_EQ(rig.Raw.Lines, std::vector<std::string>(lines.begin(), lines.begin() + 11));
    EXPECT_TRUE(rig.Settings.SyncWaitPending == FlagSet && rig.Timer1.Current == InputPump::TickInterval);
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Raw.Lines.size(), 11u) << "same second: still waiting";
    rig.Clock.Time += 1;
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Raw.Lines, std::vector<std::string>(lines.begin(), lines.begin() + 13))
        << "one second on, up to the next second's first line; no extra dispatch after the wait";

    rig.Clock.Time += 5; // digit 9: the rest is three or more behind
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Raw.Lines, lines);
    EXPECT_TRUE(rig.Ui.Shown == std::vector<std::string>{"End of file."} && rig.Timer1.Current == 0);
}

TEST_F(Replay, RealTimeSyncCheckComparesOnlyTheSecondsDigits)
{
    const struct { int clockSecond; const char* utc; bool readOn; } cases[] = {
        {3, "120013", false}, // level
        {3, "120012", false}, // one behind
        {3, "235951", true},  // two behind, any hour
        {3, "120017", true},  // six behind
        {0, "120009", false}, // wraps: one behind
        {1, "120009", true},  // wraps: two behind
        {1, "", false},       // nothing decoded yet counts as 0
    };
    for (const auto& c : cases) {
        rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 10, 20, 40 + c.clockSecond});
        rig.Gps->UtcTime = c.utc;
        EXPECT_EQ(rig.Pump.RealTimeSyncCheck(), c.readOn) << c.clockSecond << " vs " << c.utc;
    }
}

TEST_F(Replay, OutputLogFollowsWriteDataAndLogsThatCannotBeOpenedAreReported)
{
    Load({Gga("120001"), Gsa()});
    rig.Clock.Time = ToLocalTime(CivilDateTime{2004, 3, 17, 8, 0, 0});
    rig.Pump.Start();
    EXPECT_FALSE(fs::exists(Dir / "GP040317.TKL")) << "WriteData 0 records nothing";
    rig.Settings.WriteData = 1;
    rig.Pump.Start();
    EXPECT_THAT(ReadLines(Dir / "GP040317.TKL"), ElementsAre(Gga("120001"))) << "the default log, position group";

    rig.Pump.Stop();
    rig.Settings.OutputFileName = (Dir / "missing/out.TKL").string();
    rig.Pump.Start();
    EXPECT_EQ(rig.Ui.Shown.at(2), "Error 2 opening output file: " + rig.Settings.OutputFileName +
                                      "\n\nNo such file or directory");
    EXPECT_TRUE(rig.Settings.WriteData == 0 && rig.Raw.Lines.size() == 6u) << "recording off, input goes on";

    rig.Settings.InputFileName = (Dir / "absent.TKL").string();
    rig.Pump.Start(); // the settings are opened and input stops
    EXPECT_EQ(rig.Ui.Shown.back(), "Cannot open input file.  Please check the settings screen.\n\n"
                                   "Error # 2 - No such file or directory");
    EXPECT_EQ(rig.Ui.SettingsOpened, 1);
    EXPECT_TRUE(rig.Settings.InputRunning == FlagClear && rig.Timer1.Current == 0);
}

} // namespace
