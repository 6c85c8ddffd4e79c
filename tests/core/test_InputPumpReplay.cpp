// The input pump replaying a recorded log, fast or in step with the clock,
// and the opening and closing of the log files around Start, Stop and
// Continue.
#include "CountingHarness.h"
#include "PumpTestRig.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <numeric>

using namespace trakora;
using namespace trakora::testing;
using ::testing::ElementsAre;
namespace fs = std::filesystem;

namespace {

// An RMC and a GGA, which ends the epoch, at each time.
std::vector<std::string> Epochs(std::initializer_list<std::string> times)
{
    std::vector<std::string> lines;
    for (const std::string& t : times)
        lines.insert(lines.end(), {Rmc(t), Gga(t)});
    return lines;
}

const std::vector ThreeEpochs = Epochs({"120001", "120002", "120003"});

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

    void Load(const std::vector<std::string>& lines)
    {
        std::ofstream out("in.TKL", std::ios::binary);
        for (const auto& line : lines)
            out << line << "\r\n";
        rig.Settings.FileInput = FlagSet, rig.Settings.InputFileName = "in.TKL";
    }

    void Record()
    {
        ProgramSettings& s = rig.Settings;
        s.WriteData = s.SavePositionInfo = s.SaveWaypointInfo = s.SavePRNInfo = 1, s.OutputFileName = "out.TKL";
    }

    fs::path m_old = fs::current_path();
    fs::path Dir = fs::temp_directory_path() /
                   (std::string("trakora-pump-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    PumpRig rig;
};

TEST_F(Replay, FastReplayRefreshesTheOpenWindowsRightAfterEachGGAAndRefusesNestedRuns)
{
    Load(ThreeEpochs);
    rig.ShowAllButSatInfo();
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
    EXPECT_THAT(refreshesAtYield, ElementsAre(0, 4, 4, 4, 8, 8, 8, 12, 12));
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_TRUE(rig.Settings.InputRunning == FlagSet && rig.Timer1.Current == 0) << "running, but no tick";
}

TEST_F(Replay, WithAllTalkersAnyGGAClosesAnEpoch)
{
    const std::vector lines = {Sentence("GNRMC,120001,A,4807.038,N,01131.000,E,,,010524,,"),
                               Sentence("GNGGA,120001,4807.038,N,01131.000,E,1,08,,,,,,,"),
                               Sentence("INGGA,120002,4807.038,N,01131.000,E,1,08,,,,,,,"), Gga("120003")};
    for (const auto& [talkers, refreshes] : {std::pair(TalkerFilter::GpsOnly, 4u), {TalkerFilter::AllGnss, 12u}}) {
        rig.Windows.Calls.clear();
        rig.Settings.Talkers = talkers;
        Load(lines);
        rig.ShowAllButSatInfo();
        rig.Pump.Stop(), rig.Pump.Start();
        EXPECT_EQ(rig.Windows.Calls.size(), refreshes) << "four windows after each accepted GGA";
    }
    EXPECT_NEAR(rig.Gps->Latitude, 48.1173, 1e-4);
}

TEST_F(Replay, StopDuringFastReplayThenContinueReadsAndRecordsEveryLineExactlyOnce)
{
    // Continue without an earlier Start opens the log from its beginning.
    Load(ThreeEpochs), Record();
    // Stop at the yield after the first line of the second epoch.
    rig.Ui.OnYield = [&] { if (rig.Raw.Lines.size() == 3) rig.Pump.Stop(); };
    ScriptedMilliseconds monotonic;
    StreamCounters counters(monotonic);
    rig.Dispatcher.SetCounters(&counters);
    rig.Pump.SetStreamCounters(&counters);
    rig.Pump.Continue();
    ASSERT_EQ(rig.Raw.Lines.size(), 3u);
    EXPECT_TRUE(rig.Ui.Shown.empty() && !rig.Input.IsOpen() && !rig.Output.IsOpen()) << "stopped, logs closed";
    EXPECT_FALSE(counters.Running()) << "the counters stand still while stopped";

    rig.Pump.Continue();
    EXPECT_EQ(rig.Raw.Lines, ThreeEpochs) << "nothing lost, nothing read twice";
    EXPECT_EQ(ReadLines("out.TKL"), ThreeEpochs) << "recording goes on after Continue";
    EXPECT_EQ(counters.Total().Decoded, 6) << "Continue keeps the counts";
    EXPECT_EQ(counters.Total().Recorded, 6);
    EXPECT_FALSE(counters.Running()) << "halted at the end of the log";
    rig.Pump.Stop(), rig.Pump.Start();
    EXPECT_TRUE(rig.Raw.Lines.size() == 12u && ReadLines("out.TKL").size() == 12u) << "Start reads from the beginning";
    EXPECT_EQ(counters.Total().Decoded, 6) << "Start clears the counts";
}

TEST_F(Replay, TimedReplayReadsOnWhileTheClocksSecondsDigitIsTwoOrMoreAhead)
{
    std::vector<std::string> lines;
    for (int second = 120005; second <= 120019; ++second)
        lines.insert(lines.end(), {Rmc(std::to_string(second)), Gga(std::to_string(second))});
    Load(lines), rig.Settings.ReadRealTime = FlagSet;
    rig.Clock.Time = ToLocalTime(CivilDateTime{2024, 5, 1, 9, 41, 40});
    rig.Pump.Start();
    EXPECT_TRUE(rig.Raw.Lines.empty() && rig.Settings.SyncWaitPending == FlagSet) << "level: nothing decoded counts as 0";
    // Only the seconds digits count, and 0 comes after 9.
    const struct { int advance; std::size_t read; const char* legend; } ticks[] = {
        {0, 0, "same second: still waiting"},
        {2, 13, "digit 2: times ending in 5 to 0 are read on; the first ending in 1 is one behind"},
        {1, 15, "one second on, up to the next second's first line; no extra dispatch after the wait"},
        {7, 29, "digit 0: read on up to the first time ending in 9"},
        {1, 30, "the rest, and the end without a tick"},
    };
    for (const auto& tick : ticks) {
        rig.Clock.Time += tick.advance;
        rig.Pump.Timer1Tick();
        EXPECT_EQ(rig.Raw.Lines, std::vector<std::string>(lines.begin(), lines.begin() + tick.read)) << tick.legend;
        EXPECT_EQ(rig.Timer1.Current, tick.read < lines.size() ? InputPump::TickInterval : 0) << tick.legend;
    }
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
}

TEST_F(Replay, OutputLogFollowsWriteDataAndLogsThatCannotBeOpenedAreReported)
{
    Load({Gga("120001"), Rmc("120001")});
    rig.Clock.Time = ToLocalTime(CivilDateTime{2004, 3, 17, 8, 0, 0}), rig.Pump.Start();
    EXPECT_FALSE(fs::exists("GP040317.TKL")) << "WriteData 0 records nothing";
    rig.Settings.WriteData = 1, rig.Pump.Start();
    EXPECT_THAT(ReadLines("GP040317.TKL"), ElementsAre(Gga("120001"))) << "the default log, position group";

    rig.Settings.OutputFileName = "missing/out.TKL";
    rig.Pump.Stop(), rig.Pump.Start();
    EXPECT_EQ(rig.Ui.Shown.at(2), "Error 2 opening output file: missing/out.TKL\n\nNo such file or directory");
    EXPECT_TRUE(rig.Settings.WriteData == 0 && rig.Raw.Lines.size() == 6u) << "recording off, input goes on";

    std::int32_t runningAtDialog = FlagSet; // the dialog offers another log only while input is stopped
    rig.Ui.OnSettings = [&] { runningAtDialog = rig.Settings.InputRunning; };
    rig.Ui.OnShow = [&] { rig.Pump.Timer1Tick(); }; // a tick while the message is up finds the input stopped
    const std::size_t shownBefore = rig.Ui.Shown.size();
    rig.Settings.InputFileName = "absent.TKL", rig.Pump.Start(); // the settings are opened and input stops
    EXPECT_EQ(rig.Ui.Shown.size(), shownBefore + 1) << "no \"End of file.\" for a log that could not be opened";
    EXPECT_EQ(rig.Ui.Shown.back(), "Cannot open input file.  Please check the settings screen.\n\n"
                                   "Error # 2 - No such file or directory");
    EXPECT_TRUE(rig.Ui.SettingsOpened == 1 && runningAtDialog == FlagClear && rig.Timer1.Current == 0);
}

TEST_F(Replay, RealTimePacesTenthsByTheirStampsAndBadStampsNeitherWaitLongNorSpin)
{
    Load(Epochs({"120000.10", "120000.20", "120000.30"})), rig.Settings.ReadRealTime = FlagSet, rig.Settings.ShowingDataStat = FlagSet;
    rig.Pump.Start();
    for (std::size_t read : {2u, 4u, 6u}) {
        EXPECT_EQ(rig.Raw.Lines.size(), read) << "one epoch per tenth";
        EXPECT_EQ(rig.Windows.Calls.size(), read / 2) << "refreshed after each epoch, not by ticks";
        if (read < 6) {
            EXPECT_EQ(rig.Timer1.Current, 100);
        }
        rig.Pump.Timer1Tick();
        EXPECT_EQ(rig.Raw.Lines.size(), read) << "nothing before its time";
        rig.Ticks.Now += 100, rig.Pump.Timer1Tick();
    }

    // x2: back in time, a repeat, no stamp, three hours on.
    rig.Ui.Shown.clear(), rig.Timer1.Armed.clear();
    Load({Gga("120010"), Gga("120005"), Gga("120005"), Gga(""), Gga("150005"), Gga("150006")});
    rig.Pump.SetSpeed(ReplaySpeed::X2);
    rig.Pump.Stop(), rig.Pump.Start();
    EXPECT_EQ(rig.Raw.Lines.size(), 4u + 6u) << "no wait up to the jump";
    EXPECT_THAT(rig.Timer1.Armed, ElementsAre(2000)) << "the jump waits two seconds";
    rig.Ticks.Now += 2000, rig.Pump.Timer1Tick();
    rig.Ticks.Now += 500, rig.Pump.Timer1Tick();
    EXPECT_THAT(rig.Timer1.Armed, ElementsAre(2000, 500));
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file."));
    EXPECT_EQ(FormatReceiverTime(*rig.Pump.Position().ReceiverTime), "15:00:06");
}

TEST_F(Replay, PauseHoldsMidEpochAndEachStepReadsThroughTheNextGGA)
{
    // A line without a checksum after a GGA refreshes again but ends no epoch.
    Load({Rmc("120001"), Gga("120001"), Rmc("120002"), Gga("120002"), "$PGRMZ,848,f,3", Rmc("120003"), Gga("120003")});
    rig.Settings.ShowingDataStat = FlagSet;
    rig.Ui.OnYield = [&] { if (rig.Raw.Lines.size() == 3) rig.Pump.Pause(); };
    rig.Pump.Start();
    EXPECT_TRUE(rig.Pump.Paused() && rig.Raw.Lines.size() == 3u && rig.Windows.Calls.size() == 1u);
    EXPECT_GE(rig.Windows.Paints, 1) << "what the models hold is shown at the pause";
    rig.Pump.Timer1Tick();
    EXPECT_EQ(rig.Raw.Lines.size(), 3u) << "a tick reads nothing while paused";

    const struct { std::size_t lines; std::size_t refreshes; const char* utc; } steps[] = {
        {4, 2, "120002"}, {7, 4, "120003"}, {7, 4, "120003"}};
    for (const auto& step : steps) {
        const int paints = rig.Windows.Paints;
        rig.Pump.Step();
        EXPECT_EQ(rig.Raw.Lines.size(), step.lines);
        EXPECT_EQ(rig.Windows.Calls.size(), step.refreshes);
        EXPECT_EQ(rig.Gps->UtcTime.View(), step.utc);
        EXPECT_GT(rig.Windows.Paints, paints);
        EXPECT_TRUE(rig.Pump.Paused());
    }
    EXPECT_THAT(rig.Ui.Shown, ElementsAre("End of file.")) << "the third step finds the end";
}

TEST_F(Replay, SeekRebuildsWhatAReplayFromTheStartShowsAndRecordsNothing)
{
    std::vector<std::string> lines = ReadLines(TRAKORA_TEST_DATA "/sample.TKL");
    const std::size_t cut = 2345; // mid-epoch
    const long long offset = std::accumulate(lines.begin(), lines.begin() + cut, 0LL,
                                             [](long long sum, const std::string& line) { return sum + line.size() + 2; });

    PumpRig fresh;
    fresh.ShowAllButSatInfo();
    Load({lines.begin(), lines.begin() + cut});
    fresh.Settings.FileInput = FlagSet, fresh.Settings.InputFileName = "in.TKL";
    fresh.Pump.Start();

    Load(lines), Record();
    rig.ShowAllButSatInfo();
    rig.Settings.GaugeFloor.fill(20);
    rig.Pump.Pause(); // nothing to pause before Start
    rig.Pump.Start();
    rig.Pump.Pause();
    const std::size_t recorded = ReadLines("out.TKL").size();
    rig.Windows.Calls.clear();
    rig.Pump.SeekTo(offset);

    EXPECT_EQ(*rig.Gps, *fresh.Gps) << "the receiver state of a replay from the start";
    EXPECT_EQ(rig.Settings.GaugeFloor, fresh.Settings.GaugeFloor);
    EXPECT_EQ(rig.Windows.Resets, 1);
    std::vector<DisplayWindow> withoutLongTerm = fresh.Windows.Calls;
    std::erase(withoutLongTerm, LT);
    EXPECT_EQ(rig.Windows.Calls, withoutLongTerm) << "every epoch refreshed, the long-term pass left out";
    EXPECT_EQ(ReadLines("out.TKL").size(), recorded) << "nothing recorded twice";
    EXPECT_EQ(rig.Pump.Position().Offset, offset);
    EXPECT_TRUE(rig.Pump.Paused());
    EXPECT_EQ(rig.Raw.Lines.size(), lines.size() + cut) << "the rebuild's lines reach the raw window too";
}

TEST_F(Replay, LinesReadAgainAfterASeekBackAreNeitherRecordedNorSampledAgainAndStopEndsARebuild)
{
    const std::vector lines = Epochs({"120001", "120002", "120003", "120004", "120005"});
    Load(lines), Record();
    rig.ShowAllButSatInfo();
    const auto longTermPasses = [&] { return std::count(rig.Windows.Calls.begin(), rig.Windows.Calls.end(), LT); };
    rig.Ui.OnYield = [&] { if (rig.Raw.Lines.size() == 4) rig.Pump.Pause(); };
    rig.Pump.Start();
    ASSERT_EQ(longTermPasses(), 2);
    rig.Ui.OnYield = nullptr;

    rig.Pump.SeekTo(static_cast<long long>(lines[0].size() + lines[1].size() + 4)); // back to the second epoch
    rig.Pump.Resume();
    EXPECT_EQ(ReadLines("out.TKL"), lines) << "every line recorded once";
    EXPECT_EQ(longTermPasses(), 5) << "every epoch sampled once";

    rig.Pump.Pause();
    rig.Ui.OnYield = [&] { if (rig.Pump.Rebuilding()) rig.Pump.Stop(); };
    const std::size_t read = rig.Raw.Lines.size();
    const int paints = rig.Windows.Paints;
    rig.Pump.SeekTo(static_cast<long long>(fs::file_size("in.TKL")));
    EXPECT_TRUE(rig.Settings.InputRunning == FlagClear && !rig.Pump.Rebuilding());
    EXPECT_EQ(rig.Raw.Lines.size(), read + 1) << "Stop at the rebuild's first yield ends it there";
    EXPECT_GT(rig.Windows.Paints, paints) << "what was rebuilt is shown";
    rig.Ui.OnYield = nullptr;
    rig.Pump.Continue();
    EXPECT_EQ(rig.Gps->UtcTime.View(), "120005") << "Continue reads on from where the rebuild stopped";
    EXPECT_EQ(ReadLines("out.TKL"), lines);
    EXPECT_EQ(longTermPasses(), 5);
}

TEST_F(Replay, SeekingAGrowingLogStopsAtItsSizeAndAVanishedLogEndsTheReplayOnce)
{
    Load(ThreeEpochs);
    rig.Pump.Start();
    rig.Pump.Pause();
    const long long size = static_cast<long long>(fs::file_size("in.TKL"));
    bool appended = false;
    rig.Ui.OnYield = [&] {
        if (!std::exchange(appended, true))
            std::ofstream("in.TKL", std::ios::app) << Gga("120004") << "\r\n" << Gga("120005") << "\r\n" << Gga("120006") << "\r\n";
    };
    rig.Pump.SeekTo(size + 1000);
    rig.Ui.OnYield = nullptr;
    EXPECT_EQ(rig.Pump.Position().Offset, size) << "lines appended during the seek wait for the replay";
    EXPECT_GT(rig.Pump.Position().Size, size);

    rig.Pump.SetSpeed(ReplaySpeed::X10);
    rig.Ui.Shown.clear();
    rig.Pump.Step(); // to the first appended epoch
    rig.Pump.Resume();
    ASSERT_EQ(rig.Timer1.Current, 100) << "waiting for the last appended line";
    fs::remove("in.TKL");
    rig.Ticks.Now += 5000, rig.Pump.Timer1Tick();
    rig.Pump.Timer1Tick();
    ASSERT_EQ(rig.Ui.Shown.size(), 1u);
    EXPECT_EQ(rig.Ui.Shown[0], "The input file in.TKL is no longer there.\n\n"
                               "The replay has ended; everything read from it so far is kept.");
    EXPECT_TRUE(rig.Settings.InputRunning == FlagClear && rig.Gps->UtcTime.View() == "120006");
}

} // namespace
