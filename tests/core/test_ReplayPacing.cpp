// Time stamps read from logged lines, and the waits a paced replay makes
// between them.
#include "NmeaTestHarness.h"

#include "app/LineTimeStamp.h"
#include "app/ReplayPacer.h"
#include "app/ReplayProgress.h"
#include "common/ProgramSettings.h"

using namespace trakora;
using namespace trakora::testing;

namespace {

TEST(LineTimeStamp, ReadsTheStampOfTimedSentencesOfAnyTalkerOnly)
{
    const struct { std::string line; std::int64_t ms; bool fraction; const char* legend; } cases[] = {
        {Sentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"), 45319000, false, "GGA"},
        {Sentence("GNGGA,123519.30,4807.038,N,01131.000,E,1,08,,,,,,,"), 45319300, true, "tenths"},
        {Sentence("GPRMC,000001.00,A,4807.038,N,01131.000,E,,,010524,,"), 1000, false, "zero fraction is whole"},
        {Sentence("GPGLL,4807.038,N,01131.000,E,235959,A"), 86399000, false, "GLL: the fifth field"},
        {Sentence("GPZDA,081500.5,01,05,2024,,"), 29700500, true, "ZDA"},
        {Sentence("GPGGA,,4807.038,N,01131.000,E,0,00,,,,,,,"), -1, false, "empty stamp"},
        {Sentence("GPGGA,25,4807.038,N"), -1, false, "not a time"},
        {Sentence("GPGGA,246000,4807.038,N"), -1, false, "hour 24"},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*00", -1, false, "bad checksum"},
        {"$GPGGA,123519,4807.038,N", -1, false, "no checksum"},
        {Sentence("GPGSV,3,1,10,01,15,251,30"), -1, false, "no time in GSV"},
        {Sentence("PGRMZ,123519,f,3"), -1, false, "proprietary"},
    };
    for (const auto& c : cases) {
        const auto stamp = LineTimeStamp(c.line);
        ASSERT_EQ(stamp.has_value(), c.ms >= 0) << c.legend;
        if (stamp) {
            EXPECT_TRUE(stamp->Milliseconds == c.ms && stamp->Fraction == c.fraction) << c.legend;
        }
    }
    EXPECT_EQ(FormatReceiverTime({45319300, true}), "12:35:19.3");
    EXPECT_EQ(FormatReceiverTime({45319000, false}), "12:35:19");
}

std::optional<LineTime> At(std::int64_t ms) { return LineTime{ms, ms % 1000 != 0}; }

TEST(ReplayPacer, WaitsTheStampsDifferenceOverTheFactorAndNeverMoreThanTwoSeconds)
{
    const std::optional<LineTime> none;
    const struct { int factor; std::vector<std::optional<LineTime>> stamps; std::vector<std::int64_t> waits; const char* legend; } cases[] = {
        {1, {At(1000), At(1100), At(1200), none, At(1300)}, {0, 100, 100, 0, 100}, "10 Hz in real time, a line without a stamp"},
        {10, {At(1000), At(2000), At(3000)}, {0, 100, 100}, "x10"},
        {60, {At(1000), At(2000), At(62000)}, {0, 16, 1000}, "x60"},
        {2, {At(5000), At(3000), At(3000), At(4000)}, {0, 0, 0, 500}, "backwards and repeated: no wait, then on from there"},
        {1, {At(3600000), At(3 * 3600000)}, {0, 2000}, "two hours skipped: two seconds"},
        {1, {At(MillisecondsPerDay - 1000), At(0)}, {0, 1000}, "midnight"},
    };
    for (const auto& c : cases) {
        ReplayPacer pacer;
        std::int64_t now = 50000, previous = now;
        for (std::size_t i = 0; i < c.stamps.size(); ++i) {
            const std::int64_t due = pacer.DueAt(c.stamps[i], now, c.factor);
            EXPECT_EQ(due - previous, c.waits[i]) << c.legend << ", line " << i;
            previous = now = due; // read on time
        }
    }
}

TEST(ReplayPacer, FallingBehindCatchesUpButNotByMoreThanTheLongestWait)
{
    ReplayPacer pacer;
    EXPECT_EQ(pacer.DueAt(At(0), 0, 1), 0);
    EXPECT_EQ(pacer.DueAt(At(1000), 1500, 1), 1000) << "half a second late: due already";
    EXPECT_EQ(pacer.DueAt(At(2000), 10000, 1), 10000) << "eight seconds late: paced from now on";
    EXPECT_EQ(pacer.DueAt(At(3000), 10000, 1), 11000);
    pacer.Restart();
    EXPECT_EQ(pacer.DueAt(At(9000), 20000, 1), 20000) << "a restart is due at once";
}

TEST(ReplayProgress, EstimatesTheTimeLeftFromWhatWasRead)
{
    ReplayProgress progress;
    EXPECT_FALSE(progress.RemainingSeconds(0, 1000, 1, 0)) << "nothing known yet";
    progress.LineRead(100, LineTime{0, false});
    progress.LineRead(200, LineTime{1000, false});
    progress.LineRead(300, LineTime{2000, false});
    // 2 s of receiver time in 200 bytes; 700 bytes left: 7 s at x1, 0.7 s at x10.
    EXPECT_DOUBLE_EQ(*progress.RemainingSeconds(300, 1000, 1, 0), 7.0);
    EXPECT_DOUBLE_EQ(*progress.RemainingSeconds(300, 1000, 10, 0), 0.7);
    progress.MaxRunStarted(300, 5000);
    EXPECT_DOUBLE_EQ(*progress.RemainingSeconds(500, 1000, 0, 6000), 2.5) << "200 bytes a second";
    EXPECT_EQ(FormatReceiverTime(*progress.LastTime()), "00:00:02");
}

TEST(ReplaySpeed, TheTimeSyncBoxIsTickedForEverySpeedButMax)
{
    const struct { ReplaySpeed chosen; bool box; ReplaySpeed result; const char* legend; } cases[] = {
        {ReplaySpeed::Max, true, ReplaySpeed::RealTime, "ticking the box selects Real time"},
        {ReplaySpeed::X10, true, ReplaySpeed::X10, "a box left ticked keeps the factor"},
        {ReplaySpeed::RealTime, true, ReplaySpeed::RealTime, "Real time stays"},
        {ReplaySpeed::X60, false, ReplaySpeed::Max, "clearing the box selects Max"},
        {ReplaySpeed::Max, false, ReplaySpeed::Max, "Max stays"},
    };
    for (const auto& c : cases) {
        ProgramSettings settings;
        ChooseReplaySpeed(settings, c.chosen);
        EXPECT_EQ(settings.ReadRealTime != 0, c.chosen != ReplaySpeed::Max) << c.legend;
        ApplyTimeSyncBox(settings, c.box);
        EXPECT_EQ(EffectiveReplaySpeed(settings), c.result) << c.legend;
        EXPECT_EQ(settings.ReadRealTime != 0, c.result != ReplaySpeed::Max) << c.legend;
    }
    ProgramSettings stored;
    stored.ReadRealTime = 1;
    EXPECT_EQ(EffectiveReplaySpeed(stored), ReplaySpeed::RealTime) << "the box alone, as the Settings dialog sets it";
}

} // namespace
