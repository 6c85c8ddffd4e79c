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
        if (!std::isfinite(value))
            continue;
        ASSERT_EQ(ReadBack(SingleJson(value)), value) << DumpJson(SingleJson(value));
    }
}

TEST(StateJson, StateHasEveryFieldInRecordOrderAndTablesFollowTheirCounts)
{
    auto gps = std::make_unique<GpsState>();
    const Json start = StateJson(*gps);
    std::string keys;
    for (const auto& item : start.items())
        keys += item.key() + " ";
    EXPECT_EQ(keys, "UtcTime UtcDate Latitude LatDir Longitude LonDir RMCStatus GLLStatus FixQuality FixMode "
                    "FixSelectMode SatsUsed SatsInView HDOP PDOP VDOP Altitude AltUnit AltFixDim GeoidSep GeoidUnit "
                    "Speed SpeedUnit CourseTrue CourseMag MagVar MagVarDir OriginWaypoint DestWaypoint BODBearingTrue "
                    "BODBearingMag RMBStatus CrossTrackErr SteerDir DestLat DestLatDir DestLon DestLonDir DestRange "
                    "DestBearingTrue DestBearingMag DestClosingVel ArrivalStatus HorizErrorEstimate HorizErrorUnit "
                    "VertErrorEstimate VertErrorUnit MapDatum SatPRN SatElevation SatAzimuth SatSNR SatUsed Waypoints "
                    "WaypointCount SentenceField SentenceFieldCount NewPosition NewAltitude RouteComplete "
                    "SatViewComplete ");
    gps->SatPRN[11] = 32;
    gps->Waypoints[0].WpName = "HOME";
    gps->Waypoints[0].WpLat = 4917.24f;
    gps->Waypoints[1].WpName = "UNUSED";
    gps->WaypointCount = 1;
    gps->SentenceField[0] = "$GPGLL";
    gps->SentenceField[1] = "left over";
    gps->SentenceFieldCount = 1;
    const Json state = StateJson(*gps);
    EXPECT_EQ(DumpJson(state["UtcTime"]), "\"\\u0000\\u0000\\u0000\\u0000\\u0000\\u0000\""); // not yet assigned
    EXPECT_EQ(DumpJson(state["SatPRN"]), "[0,0,0,0,0,0,0,0,0,0,0,32]");
    EXPECT_EQ(DumpJson(state["Waypoints"]), "[{\"WpName\":\"HOME  \",\"WpLat\":4917.24,\"WpLatDir\":\"\\u0000\","
                                             "\"WpLon\":0.0,\"WpLonDir\":\"\\u0000\"}]");
    EXPECT_EQ(DumpJson(state["SentenceField"]), "[\"$GPGLL\"]");
    EXPECT_EQ(DumpJson(state["RouteComplete"]) + DumpJson(state["SatViewComplete"]) + DumpJson(state["NewPosition"]),
              "truetruefalse");

    gps->WaypointCount = MaxWaypoints + 7; // damaged counts never read outside the tables
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
        ReplayOptions refusedOptions;
        std::string refusal;
        EXPECT_FALSE(ParseReplayOptions(args, refusedOptions, refusal)) << ::testing::PrintToString(args);
        EXPECT_FALSE(refusal.empty());
    }
}

} // namespace
} // namespace trakora
