#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

#include <array>

using trakora::GpsState;
using trakora::testing::Harness;
using trakora::testing::SameStateBesidesSentence;

namespace {

using Slots = std::array<std::int32_t, 12>;

TEST(DecodeGSV, ThreeSentenceGroupFillsTenSlots)
{
    Harness h;
    h.FeedBody("GPGSV,3,1,10,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
    EXPECT_FALSE(h.Gps->SatViewComplete);
    EXPECT_EQ(h.Gps->SatsInView, 10);
    h.FeedBody("GPGSV,3,2,10,15,10,100,30,17,20,200,,19,30,300,33,21,40,040,44");
    EXPECT_FALSE(h.Gps->SatViewComplete);
    h.FeedBody("GPGSV,3,3,10,22,42,067,42,24,14,311,43");
    EXPECT_TRUE(h.Gps->SatViewComplete);
    EXPECT_EQ(h.Gps->SatPRN, (Slots{1, 2, 12, 14, 15, 17, 19, 21, 22, 24, 0, 0}));
    EXPECT_EQ(h.Gps->SatElevation, (Slots{40, 17, 7, 22, 10, 20, 30, 40, 42, 14, 0, 0}));
    EXPECT_EQ(h.Gps->SatAzimuth, (Slots{83, 308, 344, 228, 100, 200, 300, 40, 67, 311, 0, 0}));
    EXPECT_EQ(h.Gps->SatSNR, (Slots{46, 41, 39, 45, 30, 0, 33, 44, 42, 43, 0, 0}));
}

TEST(DecodeGSV, FirstSentenceClearsTheTable)
{
    Harness h;
    h.FeedBody("GPGSV,3,1,12,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
    h.FeedBody("GPGSV,3,2,12,15,10,100,30,17,20,200,31,19,30,300,33,21,40,040,44");
    h.FeedBody("GPGSV,3,3,12,22,42,067,42,24,14,311,43,25,1,2,3,26,4,5,6");
    ASSERT_EQ(h.Gps->SatPRN[11], 26);
    h.FeedBody("GPGSV,1,1,02,07,50,100,,08,60,200,35");
    EXPECT_TRUE(h.Gps->SatViewComplete);
    EXPECT_EQ(h.Gps->SatPRN, (Slots{7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(h.Gps->SatSNR, (Slots{0, 35, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(h.Gps->SatAzimuth, (Slots{100, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(DecodeGSV, LostFirstSentenceKeepsTheOldSlots)
{
    Harness h;
    h.FeedBody("GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
    h.FeedBody("GPGSV,2,2,08,15,10,100,30,17,20,200,31,19,30,300,33,21,40,040,44");
    h.FeedBody("GPGSV,2,2,06,31,11,111,11,32,12,122,");
    EXPECT_EQ(h.Gps->SatPRN, (Slots{1, 2, 12, 14, 31, 32, 19, 21, 0, 0, 0, 0}));
    EXPECT_EQ(h.Gps->SatSNR, (Slots{46, 41, 39, 45, 11, 31, 33, 44, 0, 0, 0, 0}));
    EXPECT_EQ(h.Gps->SatsInView, 6);
}

TEST(DecodeGSV, SentencesBeyondTheThirdNeverWriteOutsideTheTable)
{
    Harness h;
    h.FeedBody("GPGSV,4,1,14,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
    h.FeedBody("GPGSV,4,2,14,15,10,100,30,17,20,200,31,19,30,300,33,21,40,040,44");
    h.FeedBody("GPGSV,4,3,14,22,42,067,42,24,14,311,43,25,1,2,3,26,4,5,6");
    auto before = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPGSV,4,4,14,27,5,5,5,28,6,6,6");
    before->SatViewComplete = true;
    EXPECT_TRUE(SameStateBesidesSentence(*before, *h.Gps));
    EXPECT_EQ(h.Gps->SatsInView, 14);
    EXPECT_EQ(h.Gps->SatPRN[11], 26);
    // Nothing past the satellite table was touched either.
    EXPECT_FALSE(h.Gps->SatUsed[0]);
    EXPECT_EQ(h.Gps->WaypointCount, 0);
    h.FeedBody("GPGSV,9,9,99,27,5,5,5,28,6,6,6,29,7,7,7,30,8,8,8");
    h.FeedBody("GPGSV,2147483647,2147483647,99,27,5,5,5");
    h.FeedBody("GPGSV,1,-2147483648,99,27,5,5,5");
    EXPECT_EQ(h.Gps->SatPRN[11], 26);
}

TEST(DecodeGSV, UnreadableSentenceNumberIgnoresTheSatellites)
{
    Harness h;
    h.FeedBody("GPGSV,1,1,04,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
    auto before = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPGSV,2,x,07,30,30,030,30");
    before->SatViewComplete = false; // "x" differs from "2"
    before->SatsInView = 7;
    EXPECT_TRUE(SameStateBesidesSentence(*before, *h.Gps));
    h.FeedBody("GPGSV,,,,30,30,030,30");
    before->SatViewComplete = true; // both empty: the same text
    EXPECT_TRUE(SameStateBesidesSentence(*before, *h.Gps));
    h.FeedBody("GPGSV,0,0,5,30,30,030,30");
    EXPECT_EQ(h.Gps->SatPRN[0], 1); // sentence 0 has no slots
    EXPECT_EQ(h.Gps->SatsInView, 5);
}

TEST(DecodeGSV, CountsAreComparedAsTextAndNumbersRead)
{
    Harness h;
    h.FeedBody("GPGSV,1,01,04,01,40,083,46");
    // "01" reads as 1 (clears and fills) but differs from "1" as text.
    EXPECT_FALSE(h.Gps->SatViewComplete);
    EXPECT_EQ(h.Gps->SatPRN[0], 1);
    h.FeedBody("GPGSV,1,1,xx,02,bad,083,46");
    EXPECT_TRUE(h.Gps->SatViewComplete);
    EXPECT_EQ(h.Gps->SatsInView, 4); // kept
    EXPECT_EQ(h.Gps->SatPRN[0], 2);
    EXPECT_EQ(h.Gps->SatElevation[0], 0); // cleared, then not overwritten
    EXPECT_EQ(h.Gps->SatAzimuth[0], 83);
}

TEST(DecodeGSA, ChannelsInUseAndDilutions)
{
    Harness h;
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    ASSERT_EQ(h.Gps->SatsUsed, 8);
    auto expected = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPGSA,A,3,04,05,09,12,24,,,,,,,,2.5,1.3,2.1");
    expected->FixSelectMode = "A";
    expected->FixMode = "3";
    for (int k = 0; k < 5; ++k)
        expected->SatUsed[k] = true;
    expected->SatsUsed = 5;
    expected->PDOP = 2.5f;
    expected->HDOP = 1.3f;
    expected->VDOP = 2.1f;
    EXPECT_TRUE(SameStateBesidesSentence(*expected, *h.Gps));
}

TEST(DecodeGSA, BlankChannelsAreNotInUse)
{
    Harness h;
    h.FeedBody("GPGSA,A,3,04,05,09,12,24,01,02,03,06,07,08,10,2.5,1.3,2.1");
    EXPECT_EQ(h.Gps->SatsUsed, 12);
    h.FeedBody("GPGSA,M,2,  ,05, ,x,,,,,,,,   11 ,abc,,");
    const std::array<bool, 12> used = {false, true, false, true, false, false,
                                       false, false, false, false, false, true};
    EXPECT_EQ(h.Gps->SatUsed, used);
    EXPECT_EQ(h.Gps->SatsUsed, 3);
    EXPECT_EQ(h.Gps->FixSelectMode, "M");
    EXPECT_EQ(h.Gps->PDOP, 0.0f);
    EXPECT_EQ(h.Gps->HDOP, 0.0f);
    EXPECT_EQ(h.Gps->VDOP, 0.0f);
}

TEST(DecodeGSA, ShortSentenceLeavesChannelsEmptyAndDilutionsZero)
{
    Harness h;
    h.FeedBody("GPGSA,A,3,04,05,09,12,24,01,02,03,06,07,08,10,2.5,1.3,2.1");
    h.FeedBody("GPGSA,A,2,07");
    EXPECT_EQ(h.Gps->SatsUsed, 1);
    EXPECT_TRUE(h.Gps->SatUsed[0]);
    for (int k = 1; k < 12; ++k)
        EXPECT_FALSE(h.Gps->SatUsed[k]) << k;
    EXPECT_EQ(h.Gps->PDOP, 0.0f);
    EXPECT_EQ(h.Gps->VDOP, 0.0f);
}

TEST(DecodeSatellites, HdopComesFromWhicheverSentenceCameLast)
{
    Harness h;
    h.FeedBody("GPGSA,A,3,04,,,,,,,,,,,,2.5,1.3,2.1");
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    EXPECT_EQ(h.Gps->HDOP, 0.9f);
    EXPECT_EQ(h.Gps->SatsUsed, 8);
    h.FeedBody("GPGSA,A,3,04,,,,,,,,,,,,2.5,1.3,2.1");
    EXPECT_EQ(h.Gps->HDOP, 1.3f);
    EXPECT_EQ(h.Gps->SatsUsed, 1);
}

} // namespace
