#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

using trakora::DispatchResult;
using trakora::testing::Harness;
using trakora::testing::Sentence;

namespace {

struct CheckCase {
    const char* Legend;
    std::string Line;
    DispatchResult::Kind Expected;
};

TEST(SentenceCheck, AcceptsOnlyTheExactUpperCaseChecksum)
{
    const std::string gll = "$GPGLL,4916.45,N,12311.12,W,225444,A*31";
    const std::vector<CheckCase> cases = {
        {"correct", gll, DispatchResult::Decoded},
        {"lower-case digits",
         "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6a",
         DispatchResult::BadChecksum},
        {"upper-case digits",
         "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A",
         DispatchResult::Decoded},
        {"wrong digits", "$GPGLL,4916.45,N,12311.12,W,225444,A*32", DispatchResult::BadChecksum},
        {"one digit", "$GPGLL,4916.45,N,12311.12,W,225444,A*3", DispatchResult::BadChecksum},
        {"no digits", "$GPGLL,4916.45,N,12311.12,W,225444,A*", DispatchResult::BadChecksum},
        {"followed by CR", gll + "\r", DispatchResult::Decoded},
        {"followed by blanks and text", gll + "  junk", DispatchResult::Decoded},
        {"leading blank shifts the sum", " " + gll, DispatchResult::BadChecksum},
        {"no star", "$GPGLL,4916.45,N,12311.12,W,225444,A", DispatchResult::NoChecksum},
        {"empty line", "", DispatchResult::NoChecksum},
        {"five blanks", "     ", DispatchResult::NoChecksum},
        {"lone star", "*", DispatchResult::BadChecksum},
        {"star first with a wrong sum", "*01", DispatchResult::BadChecksum},
        {"star first, empty sentence sums to 00", "*00", DispatchResult::UnknownType},
        {"star in an earlier field", "$GPGLL,49*31,N,A", DispatchResult::BadChecksum},
        {"unknown type with good sum", Sentence("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K"),
         DispatchResult::UnknownType},
        {"no dollar still summed from the second character", "x" + Sentence("GPGGA").substr(1),
         DispatchResult::UnknownType},
    };
    for (const CheckCase& c : cases) {
        Harness h;
        EXPECT_EQ(h.Feed(c.Line).Outcome, c.Expected) << c.Legend << ": " << c.Line;
    }
}

TEST(SentenceCheck, ChecksumsBelowSixteenCarryALeadingZero)
{
    // "GPGSA,P4" sums to 0x0A.
    const std::vector<CheckCase> cases = {
        {"two digits", "$GPGSA,P4*0A", DispatchResult::Decoded},
        {"leading zero missing", "$GPGSA,P4*A", DispatchResult::BadChecksum},
        {"leading zero missing, blank after", "$GPGSA,P4*A ", DispatchResult::BadChecksum},
        {"lower case", "$GPGSA,P4*0a", DispatchResult::BadChecksum},
    };
    for (const CheckCase& c : cases) {
        Harness h;
        EXPECT_EQ(h.Feed(c.Line).Outcome, c.Expected) << c.Legend;
    }
}

TEST(SentenceCheck, FillsTheFieldTableAndStripsTheSuffix)
{
    Harness h;
    h.Feed("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47");
    const auto& gps = *h.Gps;
    ASSERT_EQ(gps.SentenceFieldCount, 15);
    EXPECT_EQ(gps.SentenceField[0], "$GPGGA");
    EXPECT_EQ(gps.Field(1), "123519");
    EXPECT_EQ(gps.Field(13), "");
    EXPECT_EQ(gps.Field(14), "");
    EXPECT_EQ(gps.SentenceField[14], "");
    // The parser is left holding the last field and the star delimiter.
    EXPECT_EQ(h.Parse.FullString, "*47");
    EXPECT_EQ(h.Parse.ParseChar, '*');
}

TEST(SentenceCheck, LeftoverHoldsTheLastFieldWithItsSuffix)
{
    Harness h;
    h.Feed("$GPGLL,4916.45,N,12311.12,W,225444,A*31");
    EXPECT_EQ(h.Parse.FullString, "A*31");
    EXPECT_EQ(h.Gps->Field(6), "A");
    // Dispatching the leftover again shows it but changes no decoded value.
    h.Settings.ShowingNMEARaw = -1;
    const trakora::GpsState before = *h.Gps;
    const auto result = h.Dispatcher.Dispatch();
    EXPECT_EQ(result.Outcome, DispatchResult::BadChecksum);
    EXPECT_EQ(h.Raw.Lines.back(), "A*31");
    EXPECT_EQ(h.Gps->Latitude, before.Latitude);
    EXPECT_EQ(h.Gps->UtcTime, before.UtcTime);
}

TEST(SentenceCheck, MismatchMarksTheLineSkipIt)
{
    Harness h;
    h.Feed("$GPGLL,4916.45,N,12311.12,W,225444,A*32");
    EXPECT_EQ(h.Gps->SentenceField[0], "SkipIt");
    EXPECT_EQ(h.Gps->SentenceFieldCount, 7);
    EXPECT_EQ(h.Gps->Field(1), "4916.45");
    EXPECT_EQ(h.Gps->Latitude, 0.0f);
}

TEST(SentenceCheck, LineWithoutStarLeavesTheTableAlone)
{
    Harness h;
    h.Feed("$GPGLL,4916.45,N,12311.12,W,225444,A*31");
    h.Feed("$GPGGA,1,2,3");
    EXPECT_EQ(h.Gps->SentenceField[0], "$GPGLL");
    EXPECT_EQ(h.Gps->SentenceFieldCount, 7);
    EXPECT_EQ(h.Parse.FullString, "$GPGGA,1,2,3");
}

TEST(SentenceCheck, ShorterSentenceEmptiesTheFieldsAfterIt)
{
    Harness h;
    h.FeedBody("GPGSV,3,1,12,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45");
    ASSERT_EQ(h.Gps->SentenceFieldCount, 20);
    h.FeedBody("GPGSV,3,3,12,22,42,067,42,24,14,311,43");
    ASSERT_EQ(h.Gps->SentenceFieldCount, 12);
    for (int k = 12; k < 20; ++k)
        EXPECT_EQ(h.Gps->SentenceField[k], "") << k;
}

TEST(SentenceCheck, MoreThanOneHundredFieldsFailsTheChecksum)
{
    std::string body = "GPRTE,1,1,c,r";
    for (int i = 0; i < 120; ++i)
        body += ",W" + std::to_string(i);
    Harness h;
    EXPECT_EQ(h.FeedBody(body).Outcome, DispatchResult::BadChecksum);
    EXPECT_EQ(h.Gps->SentenceFieldCount, 100);
    EXPECT_EQ(h.Gps->WaypointCount, 0);
}

} // namespace
