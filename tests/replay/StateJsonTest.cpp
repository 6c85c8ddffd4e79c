#include "ReplayOptions.h"
#include "StateJson.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <random>

namespace trakora {
namespace {

// Turns the characters U+0000..U+00FF of a parsed JSON string back into bytes.
std::string Bytes(const std::string& utf8)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else {
            bytes.push_back(static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F)));
            ++i;
        }
    }
    return bytes;
}

float ReadBack(const Json& number)
{
    return static_cast<float>(Json::parse(DumpJson(number)).get<double>());
}

TEST(StateJson, TextKeepsEveryByteAndWritesOnlyAscii)
{
    const std::string line("$GP\0\x01\xB0\xFF\x7F*", 9);
    const std::string dumped = DumpJson(TextJson(line));
    EXPECT_EQ(dumped, "\"$GP\\u0000\\u0001\\u00b0\\u00ff\\u007f*\"");
    for (char c : dumped)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
    EXPECT_EQ(Bytes(Json::parse(dumped).get<std::string>()), line);
}

TEST(StateJson, SinglesAreShortAndReadBackExactly)
{
    EXPECT_EQ(DumpJson(SingleJson(0.1f)), "0.1");
    EXPECT_EQ(DumpJson(SingleJson(48.0f + 7.038f / 60.0f)), "48.1173");
    EXPECT_EQ(DumpJson(SingleJson(545.4f)), "545.4");
    EXPECT_EQ(DumpJson(SingleJson(0.0f)), "0.0");

    for (float value : {0.1f, 48.1173f, -0.0f, FLT_MIN, FLT_MAX, FLT_TRUE_MIN, 16777217.0f, 3.4e38f})
        EXPECT_EQ(std::bit_cast<std::uint32_t>(ReadBack(SingleJson(value))), std::bit_cast<std::uint32_t>(value));

    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(value))
            continue;
        ASSERT_EQ(ReadBack(SingleJson(value)), value) << DumpJson(SingleJson(value));
    }
}

TEST(StateJson, StartStateHasEveryFieldInRecordOrder)
{
    const GpsState gps;
    const Json state = StateJson(gps);
    std::vector<std::string> keys;
    for (const auto& item : state.items())
        keys.push_back(item.key());
    const std::vector<std::string> expected = {
        "UtcTime", "UtcDate", "Latitude", "LatDir", "Longitude", "LonDir", "RMCStatus", "GLLStatus",
        "FixQuality", "FixMode", "FixSelectMode", "SatsUsed", "SatsInView", "HDOP", "PDOP", "VDOP",
        "Altitude", "AltUnit", "AltFixDim", "GeoidSep", "GeoidUnit",
        "Speed", "SpeedUnit", "CourseTrue", "CourseMag", "MagVar", "MagVarDir",
        "OriginWaypoint", "DestWaypoint", "BODBearingTrue", "BODBearingMag", "RMBStatus", "CrossTrackErr",
        "SteerDir", "DestLat", "DestLatDir", "DestLon", "DestLonDir", "DestRange", "DestBearingTrue",
        "DestBearingMag", "DestClosingVel", "ArrivalStatus",
        "HorizErrorEstimate", "HorizErrorUnit", "VertErrorEstimate", "VertErrorUnit", "MapDatum",
        "SatPRN", "SatElevation", "SatAzimuth", "SatSNR", "SatUsed",
        "Waypoints", "WaypointCount", "SentenceField", "SentenceFieldCount",
        "NewPosition", "NewAltitude", "RouteComplete", "SatViewComplete"};
    EXPECT_EQ(keys, expected);

    EXPECT_EQ(state["UtcTime"], std::string(6, '\0'));
    EXPECT_EQ(state["AltUnit"], std::string(2, '\0'));
    EXPECT_EQ(state["MapDatum"], "");
    EXPECT_TRUE(state["Latitude"].is_number_float());
    EXPECT_TRUE(state["SatsUsed"].is_number_integer());
    EXPECT_TRUE(state["RouteComplete"].is_boolean());
    EXPECT_EQ(state["RouteComplete"], true);
    EXPECT_EQ(state["NewPosition"], false);
    EXPECT_EQ(state["SatPRN"].size(), 12u);
    EXPECT_EQ(state["SatUsed"].size(), 12u);
    EXPECT_TRUE(state["SatUsed"][0].is_boolean());
    EXPECT_EQ(state["Waypoints"], Json::array());
    EXPECT_EQ(state["SentenceField"], Json::array());
}

TEST(StateJson, TablesFollowTheirCountsAndSlotOrder)
{
    auto gps = std::make_unique<GpsState>();
    gps->SatPRN[0] = 5;
    gps->SatPRN[11] = 32;
    gps->SatUsed[11] = true;
    gps->Waypoints[0].WpName = "HOME";
    gps->Waypoints[0].WpLat = 4917.24f;
    gps->Waypoints[0].WpLatDir = "N";
    gps->Waypoints[1].WpName = "DOCKSIDE";
    gps->Waypoints[2].WpName = "UNUSED";
    gps->WaypointCount = 2;
    gps->SentenceField[0] = "$GPGLL";
    gps->SentenceField[1] = "4916.45";
    gps->SentenceField[2] = "left over";
    gps->SentenceFieldCount = 2;
    gps->UtcTime = "1235";

    const Json state = StateJson(*gps);
    EXPECT_EQ(state["SatPRN"][0], 5);
    EXPECT_EQ(state["SatPRN"][11], 32);
    EXPECT_EQ(state["SatUsed"][11], true);
    EXPECT_EQ(state["SatUsed"][10], false);
    ASSERT_EQ(state["Waypoints"].size(), 2u);
    EXPECT_EQ(state["WaypointCount"], 2);
    EXPECT_EQ(state["Waypoints"][0]["WpName"], "HOME  ");
    EXPECT_EQ(static_cast<float>(state["Waypoints"][0]["WpLat"].get<double>()), 4917.24f);
    EXPECT_EQ(state["Waypoints"][0]["WpLatDir"], "N");
    EXPECT_EQ(state["Waypoints"][0]["WpLonDir"], std::string(1, '\0'));
    EXPECT_EQ(state["Waypoints"][1]["WpName"], "DOCKSI");
    EXPECT_EQ(state["SentenceField"], Json::array({"$GPGLL", "4916.45"}));
    EXPECT_EQ(state["SentenceFieldCount"], 2);
    EXPECT_EQ(state["UtcTime"], "1235  ");
}

TEST(StateJson, DamagedCountsNeverReadOutsideTheTables)
{
    auto gps = std::make_unique<GpsState>();
    gps->WaypointCount = MaxWaypoints + 7;
    gps->SentenceFieldCount = -3;
    const Json state = StateJson(*gps);
    EXPECT_EQ(state["Waypoints"].size(), static_cast<std::size_t>(MaxWaypoints));
    EXPECT_EQ(state["SentenceField"].size(), 0u);
}

struct OptionCase {
    std::vector<std::string> Args;
    bool Ok;
};

TEST(ReplayOptions, AcceptsTheDocumentedFormsAndRefusesOthers)
{
    const std::vector<OptionCase> cases = {
        {{}, true},
        {{"--serial", "--each", "a.TKL", "-"}, true},
        {{"--record", "out.TKL", "--groups", "1,0,1", "in.TKL"}, true},
        {{"--record", "out.TKL"}, true},
        {{"--", "--each"}, true},
        {{"--groups", "1,1,1"}, false},
        {{"--record"}, false},
        {{"--record", "o", "--groups", "1,2,1"}, false},
        {{"--record", "o", "--groups", "1,1"}, false},
        {{"--record", "o", "--groups", "1,1,1,"}, false},
        {{"--record", "o", "--groups", "1;1;1"}, false},
        {{"--bogus"}, false},
        {{"-x"}, false},
    };
    for (const OptionCase& c : cases) {
        ReplayOptions options;
        std::string error;
        const bool ok = ParseReplayOptions(c.Args, options, error);
        EXPECT_EQ(ok, c.Ok) << ::testing::PrintToString(c.Args);
        EXPECT_EQ(error.empty(), c.Ok) << error;
    }

    ReplayOptions options;
    std::string error;
    ASSERT_TRUE(ParseReplayOptions({"--record", "o.TKL", "--groups", "0,1,1", "--", "--each"}, options, error));
    EXPECT_EQ(options.RecordPath, "o.TKL");
    EXPECT_TRUE(options.GroupsGiven);
    EXPECT_EQ(options.Groups, (std::array<int, 3>{0, 1, 1}));
    EXPECT_FALSE(options.Each);
    EXPECT_EQ(options.Inputs, std::vector<std::string>{"--each"});

    ReplayOptions none;
    ASSERT_TRUE(ParseReplayOptions({}, none, error));
    EXPECT_EQ(none.Inputs, std::vector<std::string>{"-"});
}

} // namespace
} // namespace trakora
