#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

#include <array>

using trakora::GpsState;
using trakora::testing::ExpectChange;
using trakora::testing::Harness;

namespace {

using Slots = std::array<std::int32_t, 12>;

const char* const Group1 = "GPGSV,3,1,12,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45";
const char* const Group2 = "GPGSV,3,2,12,15,10,100,30,17,20,200,,19,30,300,33,21,40,040,44";

TEST(DecodeGSV, GroupFillsItsSlotsInOrder)
{
    Harness h;
    h.FeedBody(Group1);
    EXPECT_FALSE(h.Gps->SatViewComplete);
    h.FeedBody(Group2);
    EXPECT_FALSE(h.Gps->SatViewComplete);
    h.FeedBody("GPGSV,3,3,10,22,42,067,42,24,14,311,43");
    EXPECT_EQ(std::tuple(h.Gps->SatViewComplete, h.Gps->SatsInView), std::tuple(true, 10));
    EXPECT_EQ(h.Gps->SatElevation, (Slots{40, 17, 7, 22, 10, 20, 30, 40, 42, 14, 0, 0}));
    EXPECT_EQ(h.Gps->SatAzimuth, (Slots{83, 308, 344, 228, 100, 200, 300, 40, 67, 311, 0, 0}));
    const struct { const char* Body; Slots Prn, Snr; } steps[] = {
        {nullptr, {1, 2, 12, 14, 15, 17, 19, 21, 22, 24}, {46, 41, 39, 45, 30, 0, 33, 44, 42, 43}}, // untracked: 0
        // Only a first sentence clears: a lost one leaves the slots of the group before; an empty SNR keeps its slot.
        {"GPGSV,2,2,06,31,11,111,,32,12,122,55", {1, 2, 12, 14, 31, 32, 19, 21, 22, 24},
         {46, 41, 39, 45, 30, 55, 33, 44, 42, 43}},
        {"GPGSV,1,1,02,07,50,100,,08,60,200,35", {7, 8}, {0, 35}},
    };
    for (const auto& step : steps) {
        if (step.Body)
            h.FeedBody(step.Body);
        EXPECT_EQ(std::pair(h.Gps->SatPRN, h.Gps->SatSNR), std::pair(step.Prn, step.Snr)) << (step.Body ? step.Body : "");
    }
    EXPECT_TRUE(h.Gps->SatViewComplete);
}

TEST(DecodeGSV, NoSentenceNumberWritesOutsideTheTwelveSlots)
{
    Harness h;
    h.FeedBody(Group1);
    h.FeedBody(Group2);
    h.FeedBody("GPGSV,4,3,14,22,42,067,42,24,14,311,43,25,1,2,3,26,4,5,6");
    ExpectChange(h, "GPGSV,4,4,14,27,5,5,5,28,6,6,6", [](GpsState& g) { g.SatViewComplete = true; });
    for (const char* body : {"GPGSV,9,9,14,27,5,5,5,28,6,6,6,29,7,7,7,30,8,8,8", "GPGSV,2147483647,2147483647,14,27,5,5,5",
                             "GPGSV,-2147483648,-2147483648,14,27,5,5,5", "GPGSV,0,0,14,30,30,030,30"})
        ExpectChange(h, body, [](GpsState&) {}); // sentence 0 and negative numbers have no slots either
    // An unreadable sentence number ignores the satellites; the texts still decide completeness.
    ExpectChange(h, "GPGSV,2,x,07,30,30,030,30", [](GpsState& g) { g.SatViewComplete = false, g.SatsInView = 7; });
    ExpectChange(h, "GPGSV,,,,30,30,030,30", [](GpsState& g) { g.SatViewComplete = true; });
}

TEST(DecodeGSV, CountsAreComparedAsTextAndNumbersRead)
{
    Harness h;
    h.FeedBody("GPGSV,1,01,04,01,40,083,46"); // "01" reads as 1 (clears and fills) but differs from "1" as text
    EXPECT_FALSE(h.Gps->SatViewComplete);
    EXPECT_EQ(h.Gps->SatPRN[0], 1);
    h.FeedBody("GPGSV,1,1,xx,02,bad,083,46");
    // The count is kept; the elevation cleared, then not overwritten.
    EXPECT_EQ(std::tuple(h.Gps->SatViewComplete, h.Gps->SatsInView, h.Gps->SatElevation[0], h.Gps->SatAzimuth[0]),
              std::tuple(true, 4, 0, 83));
}

TEST(DecodeGSA, ChannelsInUseAndDilutions)
{
    Harness h;
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    ExpectChange(h, "GPGSA,A,3,04,05,09,12,24,,,,,,,,2.5,1.3,2.1", [](GpsState& g) {
        g.FixSelectMode = "A", g.FixMode = "3", g.SatsUsed = 5, g.PDOP = 2.5f, g.HDOP = 1.3f, g.VDOP = 2.1f;
        g.SatUsed = {true, true, true, true, true};
    });
    h.FeedBody("GPGSA,M,2,  ,05, ,x,,,,,,,,   11 ,abc,,"); // blank-only channels are not in use
    EXPECT_EQ(h.Gps->SatUsed, (std::array<bool, 12>{false, true, false, true, false, false, false, false, false,
                                                     false, false, true}));
    EXPECT_EQ(std::pair(h.Gps->SatsUsed, h.Gps->PDOP + h.Gps->HDOP + h.Gps->VDOP), std::pair(3, 0.0f));
    h.FeedBody("GPGSA,A,2,07"); // missing channels are empty, missing dilutions 0
    EXPECT_EQ(std::pair(h.Gps->SatUsed, h.Gps->SatsUsed), std::pair(std::array<bool, 12>{true}, 1));
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"); // the later sentence wins
    EXPECT_EQ(h.Gps->SatsUsed, 8);
}

} // namespace
