// Sentences of every decoded type with random fields and valid checksums: no
// decoder may read or write outside its tables whatever the fields hold.
#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

#include <random>

using trakora::DispatchResult;
using trakora::SentenceTable;
using trakora::testing::Harness;

namespace {

std::string RandomField(std::mt19937& random)
{
    static const std::string alphabet = "0123456789.-+ ,ENSWTMAVfF?$xz";
    std::string field;
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i)
        field += alphabet[random() % alphabet.size()];
    return field;
}

TEST(DecoderRobustness, RandomFieldsKeepTheStateSane)
{
    std::mt19937 random(7);
    Harness h;
    for (int i = 0; i < 60000; ++i) {
        const auto& type = SentenceTable[random() % SentenceTable.size()];
        std::string body(type.Identifier.substr(1));
        const int fields = static_cast<int>(random() % 110);
        for (int f = 0; f < fields; ++f)
            body += "," + RandomField(random);
        const DispatchResult result = h.FeedBody(body);
        ASSERT_NE(result.Outcome, DispatchResult::NoChecksum) << body;
        ASSERT_LE(h.Gps->SentenceFieldCount, trakora::MaxSentenceFields);
        ASSERT_GE(h.Gps->WaypointCount, 0);
        ASSERT_LE(h.Gps->WaypointCount, trakora::MaxWaypoints);
        for (int k = h.Gps->SentenceFieldCount; k < trakora::MaxSentenceFields; ++k)
            ASSERT_TRUE(h.Gps->SentenceField[k].empty()) << body;
    }
    // Enough sentences were short enough to be decoded rather than cut.
    EXPECT_GT(h.Gps->WaypointCount, 0);
}

} // namespace
