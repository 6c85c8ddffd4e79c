// Replays every receiver log of the shared corpus (real devices, damaged lines
// included) through the dispatcher as file input, recording everything, and
// replays the recording. The same logs cut as a serial stream are checked
// through trakora-replay (tests/replay/corpus_replay.py).
#include "NmeaTestHarness.h"
#include "nmea/LogFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace trakora;
using trakora::testing::Harness;

namespace {

TEST(CorpusReplay, EveryLogStaysSaneAndItsRecordingReplaysToTheSameState)
{
    std::size_t logs = 0, recorded = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(TRAKORA_CORPUS_DIR, error)) {
        const std::string log = entry.path().string();
        if (entry.path().extension() != ".log")
            continue;
        ++logs;
        Harness live;
        live.Settings.WriteData = live.Settings.SavePositionInfo = 1;
        live.Settings.SaveWaypointInfo = live.Settings.SavePRNInfo = 1;
        LineFileReader reader;
        ASSERT_TRUE(reader.Open(log).Ok) << log;
        for (std::string line; reader.ReadLine(line);)
            live.Feed(line);
        const GpsState& gps = *live.Gps;
        EXPECT_TRUE(gps.WaypointCount >= 0 && gps.WaypointCount <= MaxWaypoints) << log;
        EXPECT_TRUE(gps.SentenceFieldCount >= 0 && gps.SentenceFieldCount <= MaxSentenceFields) << log;
        for (int k = std::max(gps.SentenceFieldCount, 0); k < MaxSentenceFields; ++k)
            ASSERT_TRUE(gps.SentenceField[k].empty()) << log << " field " << k;
        recorded += live.Log.Lines.size();
        // What was recorded passes its checksum again and decodes to the same state.
        Harness replay;
        for (const std::string& line : live.Log.Lines)
            ASSERT_EQ(replay.Feed(line).Outcome, DispatchResult::Decoded) << log << ": " << line;
        EXPECT_TRUE(trakora::testing::SameStateBesidesSentence(*replay.Gps, gps)) << log;
    }
    if (logs == 0)
        GTEST_SKIP() << "no corpus at " << TRAKORA_CORPUS_DIR;
    EXPECT_GT(recorded, 10000u);
}

} // namespace
