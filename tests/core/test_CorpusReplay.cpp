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
using trakora::GpsState;
using trakora::testing::Harness;

namespace {

std::vector<std::filesystem::path> CorpusLogs()
{
    std::vector<std::filesystem::path> logs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(TRAKORA_CORPUS_DIR, error))
        if (entry.is_regular_file() && entry.path().extension() == ".log")
            logs.push_back(entry.path());
    std::sort(logs.begin(), logs.end());
    return logs;
}

void ExpectSane(const GpsState& gps, const std::string& name)
{
    EXPECT_GE(gps.WaypointCount, 0) << name;
    EXPECT_LE(gps.WaypointCount, trakora::MaxWaypoints) << name;
    EXPECT_GE(gps.SentenceFieldCount, 0) << name;
    EXPECT_LE(gps.SentenceFieldCount, trakora::MaxSentenceFields) << name;
    for (int k = gps.SentenceFieldCount; k < trakora::MaxSentenceFields; ++k)
        ASSERT_TRUE(gps.SentenceField[k].empty()) << name << " field " << k;
    for (int i = 0; i < gps.WaypointCount; ++i)
        EXPECT_EQ(gps.Waypoints[i].WpName.View().find('\0'), std::string_view::npos) << name;
}

class CorpusReplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_logs = CorpusLogs();
        if (m_logs.empty())
            GTEST_SKIP() << "no corpus at " << TRAKORA_CORPUS_DIR;
    }
    std::vector<std::filesystem::path> m_logs;
};

TEST_F(CorpusReplay, FileReplayStaysSaneAndRecordsReplayToTheSameState)
{
    long long decoded = 0;
    long long lines = 0;
    for (const auto& path : m_logs) {
        const std::string name = path.filename().string();
        Harness live;
        live.Settings.ShowingNMEARaw = -1;
        live.Settings.WriteData = 1;
        live.Settings.SavePositionInfo = 1;
        live.Settings.SaveWaypointInfo = 1;
        live.Settings.SavePRNInfo = 1;
        trakora::LineFileReader reader;
        ASSERT_TRUE(reader.Open(path.string()).Ok) << name;
        std::string line;
        long long fileLines = 0;
        while (reader.ReadLine(line)) {
            live.Feed(line);
            ++fileLines;
        }
        lines += fileLines;
        EXPECT_EQ(live.Raw.Lines.size(), static_cast<std::size_t>(fileLines)) << name;
        EXPECT_TRUE(live.Shown.Shown.empty()) << name;
        ExpectSane(*live.Gps, name);
        decoded += static_cast<long long>(live.Log.Lines.size());

        // What was recorded passes its checksum again and decodes to the same state.
        Harness replay;
        for (const std::string& recorded : live.Log.Lines)
            ASSERT_EQ(replay.Feed(recorded).Outcome, DispatchResult::Decoded) << name << ": " << recorded;
        EXPECT_TRUE(trakora::testing::SameStateBesidesSentence(*replay.Gps, *live.Gps)) << name;
    }
    EXPECT_GT(lines, 30000);
    EXPECT_GT(decoded, 10000);
}

TEST_F(CorpusReplay, SerialStreamOfEveryLogStaysSane)
{
    Harness h;
    trakora::SerialLineCutter cutter;
    std::string line;
    long long decoded = 0;
    for (const auto& path : m_logs) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const std::string all = bytes.str();
        // Reads of odd sizes split sentences the way a port does.
        for (std::size_t at = 0; at < all.size(); at += 97) {
            cutter.Append(std::string_view(all).substr(at, 97));
            while (cutter.NextLine(line)) {
                ASSERT_FALSE(line.empty());
                if (h.Feed(line).Outcome == DispatchResult::Decoded)
                    ++decoded;
            }
        }
        ExpectSane(*h.Gps, path.filename().string());
    }
    EXPECT_GT(decoded, 1000);
}

} // namespace
