#include "ReplayOptions.h"
#include "StateJson.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <random>

namespace trakora {
namespace {

float ReadBack(const Json& number)
{
    return static_cast<float>(Json::parse(DumpJson(number)).get<double>());
}

TEST(StateJson, TextKeepsEveryByteInAsciiAndSinglesAreShortAndReadBackExactly)
{
    EXPECT_EQ(DumpJson(TextJson(std::string("$GP\0\x01\xB0\xFF\x7F*", 9))), "\"$GP\\u0000\\u0001\\u00b0\\u00ff\\u007f*\"");
    EXPECT_EQ(DumpJson(SingleJson(48.0f + 7.038f / 60.0f)) + DumpJson(SingleJson(0.0f)), "48.11730.0");
    for (float value : {0.1f, 48.1173f, -0.0f, FLT_MIN, FLT_MAX, FLT_TRUE_MIN, 16777217.0f, 3.4e38f})
        EXPECT_EQ(std::bit_cast<std::uint32_t>(ReadBack(SingleJson(value))), std::bit_cast<std::uint32_t>(value));

    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        ASSERT_TRUE(!std::isfinite(value) || ReadBack(SingleJson(value)) == value) << DumpJson(SingleJson(value));
    }
}

// The order of the fields and every decoded value are compared with stored output (replay_* tests).
TEST(StateJson, TablesFollowTheirCountsAndDamagedCountsNeverReadOutside)
{
    auto gps = std::make_unique<GpsState>();
    gps->Waypoints[0].WpName = "HOME";
    gps->Waypoints[0].WpLat = 4917.24f;
    gps->Waypoints[1].WpName = "UNUSED";
    gps->WaypointCount = 1;
    gps->SentenceField[0] = "$GPGLL";
    gps->SentenceField[1] = "left over";
    gps->SentenceFieldCount = 1;
    const Json state = StateJson(*gps);
    EXPECT_EQ(DumpJson(state["UtcTime"]), "\"\\u0000\\u0000\\u0000\\u0000\\u0000\\u0000\""); // not yet assigned
    EXPECT_EQ(DumpJson(state["Waypoints"]), "[{\"WpName\":\"HOME  \",\"WpLat\":4917.24,\"WpLatDir\":\"\\u0000\","
                                             "\"WpLon\":0.0,\"WpLonDir\":\"\\u0000\"}]");
    EXPECT_EQ(DumpJson(state["SentenceField"]), "[\"$GPGLL\"]");

    gps->WaypointCount = MaxWaypoints + 7;
    gps->SentenceFieldCount = -3;
    EXPECT_EQ(StateJson(*gps)["Waypoints"].size(), static_cast<std::size_t>(MaxWaypoints));
    EXPECT_EQ(StateJson(*gps)["SentenceField"].size(), 0u);
}

TEST(ReplayOptions, ParsesTheDocumentedFormsAndRefusesOthers)
{
    ReplayOptions options;
    std::string error;
    ASSERT_TRUE(ParseReplayOptions({"--serial", "--record", "o.TKL", "--groups", "0,1,1", "--", "--each"}, options, error));
    EXPECT_EQ(std::tie(options.Serial, options.Each, options.RecordPath, options.Groups, options.Inputs),
              std::make_tuple(true, false, "o.TKL", std::array<int, 3>{0, 1, 1}, std::vector<std::string>{"--each"}));
    const std::vector<std::vector<std::string>> refused = {
        {"--record"}, {"--record", "o", "--groups", "1,1"}, {"--record", "o", "--groups", "1,1,1,"}, {"-x"}};
    for (const auto& args : refused) {
        std::string refusal;
        EXPECT_FALSE(ParseReplayOptions(args, options, refusal) || refusal.empty()) << ::testing::PrintToString(args);
    }
}

} // namespace
} // namespace trakora
