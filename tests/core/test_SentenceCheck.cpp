#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

using trakora::DispatchResult;
using trakora::testing::Harness;
using trakora::testing::Sentence;
using namespace std::string_literals;

namespace {

const std::string GLL = "$GPGLL,4916.45,N,12311.12,W,225444,A*31";
// "$GPGLL,a*" and the sum of "GPGLL,a": a line whose checksum follows a later "*" of its last field.
const std::string StarInField = "$GPGLL,a*", Sum = Sentence("GPGLL,a").substr(9);

TEST(SentenceCheck, AcceptsOnlyTheExactUpperCaseChecksum)
{
    const struct { const char* Legend; std::string Line; DispatchResult::Kind Expected; } cases[] = {
        {"correct", GLL, DispatchResult::Decoded},
        {"wrong digits", "$GPGLL,4916.45,N,12311.12,W,225444,A*32", DispatchResult::BadChecksum},
        {"one digit", "$GPGLL,4916.45,N,12311.12,W,225444,A*3", DispatchResult::BadChecksum},
        {"sum below 16 with its leading zero", "$GPGSA,P4*0A", DispatchResult::Decoded},
        {"lower-case digits", "$GPGSA,P4*0a", DispatchResult::BadChecksum},
        {"leading zero missing", "$GPGSA,P4*A", DispatchResult::BadChecksum},
        {"followed by CR", GLL + "\r", DispatchResult::Decoded},
        // Lines that a log could not give back as they are: a CR or LF splits them, a long one is cut.
        {"CR inside, summed into the checksum", Sentence("GPGLL,4916.45,N,12311.12,W,225444,A,\r"), DispatchResult::Damaged},
        {"LF inside", Sentence("GPGLL,4916.45,N,12311.12,W,225444,A,\n"), DispatchResult::Damaged},
        {"CR after a star of an earlier field", StarInField + "\rb,c*" + Sum, DispatchResult::Damaged},
        {"the same without the CR", StarInField + "b,c*" + Sum, DispatchResult::Decoded},
        {"longer than a log line", Sentence("GPGLL," + std::string(trakora::MaxLineLength, '1')), DispatchResult::Damaged},
        {"as long as a log line", Sentence("GPGLL," + std::string(trakora::MaxLineLength - 10, '1')), DispatchResult::Decoded},
        {"leading blank shifts the sum", " " + GLL, DispatchResult::BadChecksum},
        {"no star", "$GPGLL,4916.45,N,12311.12,W,225444,A", DispatchResult::NoChecksum},
        {"empty line", "", DispatchResult::NoChecksum},
        {"star first, empty sentence sums to 00", "*00", DispatchResult::UnknownType},
        {"star in an earlier field", "$GPGLL,49*31,N,A", DispatchResult::BadChecksum},
        {"no dollar still summed from the second character", "xGPGGA*56", DispatchResult::UnknownType},
    };
    for (const auto& c : cases) {
        Harness h;
        EXPECT_EQ(h.Feed(c.Line).Outcome, c.Expected) << c.Legend << ": " << c.Line;
    }
}

TEST(SentenceCheck, FillsTheFieldTableAndLeavesTheLastFieldWithItsSuffix)
{
    Harness h;
    h.Feed("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47");
    ASSERT_EQ(h.Gps->SentenceFieldCount, 15);
    EXPECT_EQ(std::tuple(h.Gps->SentenceField[0], h.Gps->Field(1), h.Parse.FullString),
              std::tuple("$GPGGA"s, "123519"s, "*47"s));
    h.Feed(GLL);
    EXPECT_EQ(std::pair(h.Gps->Field(6), h.Parse.FullString), std::pair("A"s, "A*31"s));
    for (int k = 7; k < 15; ++k) // a shorter sentence empties the fields after it
        EXPECT_EQ(h.Gps->SentenceField[k], "") << k;
    // Dispatching the leftover again shows it but decodes nothing.
    h.Settings.ShowingNMEARaw = -1;
    EXPECT_EQ(h.Dispatcher.Dispatch().Outcome, DispatchResult::BadChecksum);
    EXPECT_EQ(h.Raw.Lines.back(), "A*31");
    h.Feed("$GPGLL,4916.45,N,12311.12,W,225444,A*32"); // a mismatch marks the line SkipIt
    h.Feed("$GPGGA,1,2,3"); // a line without a star leaves the table alone
    EXPECT_EQ(std::pair(h.Gps->SentenceField[0], h.Gps->Field(1)), std::pair("SkipIt"s, "4916.45"s));
}

TEST(SentenceCheck, MoreThanOneHundredFieldsFailsTheChecksum)
{
    std::string body = "GPRTE,1,1,c,r";
    for (int i = 0; i < 120; ++i)
        body += ",W" + std::to_string(i);
    Harness h;
    EXPECT_EQ(h.FeedBody(body).Outcome, DispatchResult::BadChecksum);
    EXPECT_EQ(std::pair(h.Gps->SentenceFieldCount, h.Gps->WaypointCount), std::pair(100, 0));
}

} // namespace
