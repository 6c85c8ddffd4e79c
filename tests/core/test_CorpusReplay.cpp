// Replays every receiver log of the shared corpus (real devices, damaged lines
// included) through the dispatcher, as file input and as a serial stream.
#include "NmeaTestHarness.h"
#include "nmea/LogFile.h"
#include "nmea/SerialLineCutter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using trakora::DispatchResult;
using trakora::testing::Harness;

namespace {

std::vector<std::filesystem::path> CorpusLogs()
{
    std::vector<std::filesystem::path> logs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(TRAKORA_CORPUS_DIR, error))
        if (entry.path().extension() == ".log")
            logs.push_back(entry.path());
    return logs;
}

void ExpectSane(const trakora::GpsState& gps, const std::filesystem::path& log)
{
    EXPECT_TRUE(gps.WaypointCount >= 0 && gps.WaypointCount <= trakora::MaxWaypoints) << log;
    EXPECT_TRUE(gps.SentenceFieldCount >= 0 && gps.SentenceFieldCount <= trakora::MaxSentenceFields) << log;
    for (int k = std::max(gps.SentenceFieldCount, 0); k < trakora::MaxSentenceFields; ++k)
        ASSERT_TRUE(gps.SentenceField[k].empty()) << log << " field " << k;
}

TEST(CorpusReplay, EveryLogStaysSaneAndItsRecordingReplaysToTheSameState)
{
    const auto logs = CorpusLogs();
    if (logs.empty())
        GTEST_SKIP() << "no corpus at " << TRAKORA_CORPUS_DIR;
    std::size_t recorded = 0, decoded = 0;
    Harness serial;
    trakora::SerialLineCutter cutter;
    for (const auto& log : logs) {
        std::stringstream bytes;
        bytes << std::ifstream(log, std::ios::binary).rdbuf();
        const std::string all = bytes.str();
        for (std::size_t at = 0; at < all.size(); at += 97) { // odd read sizes split sentences as a port does
            cutter.Append(std::string_view(all).substr(at, 97));
            for (std::string line; cutter.NextLine(line);)
                decoded += serial.Feed(line).Outcome == DispatchResult::Decoded;
        }
        ExpectSane(*serial.Gps, log);

        Harness live; // as file input, everything recorded
        live.Settings.WriteData = live.Settings.SavePositionInfo = live.Settings.SaveWaypointInfo = live.Settings.SavePRNInfo = 1;
        trakora::LineFileReader reader;
        ASSERT_TRUE(reader.Open(log.string()).Ok) << log;
        for (std::string line; reader.ReadLine(line);)
            live.Feed(line);
        ExpectSane(*live.Gps, log);
        recorded += live.Log.Lines.size();
        // What was recorded passes its checksum again and decodes to the same state.
        Harness replay;
        for (const std::string& line : live.Log.Lines)
            ASSERT_EQ(replay.Feed(line).Outcome, DispatchResult::Decoded) << log << ": " << line;
        EXPECT_TRUE(trakora::testing::SameStateBesidesSentence(*replay.Gps, *live.Gps)) << log;
    }
    EXPECT_GT(decoded, 1000u);
    EXPECT_GT(recorded, 10000u);
}

} // namespace
