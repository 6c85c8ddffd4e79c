// Sentences of every decoded type with random fields and valid checksums: no
// decoder may read or write outside its tables whatever the fields hold.
#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

#include <random>

using trakora::DispatchResult;
using trakora::SentenceTable;
using trakora::TalkerFilter;
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

// Random sentences of every type; with all talkers decoded, under random
// talkers and with satellite numbers of every system.
TEST(DecoderRobustness, RandomFieldsKeepTheStateSane)
{
    static const char* const Talkers[] = {"GP", "GN", "GL", "GA", "GB", "BD", "GQ", "GI", "IN", "ZZ"};
    for (TalkerFilter talkers : {TalkerFilter::GpsOnly, TalkerFilter::AllGnss}) {
        std::mt19937 random(7);
        Harness h(talkers);
        for (int i = 0; i < 60000; ++i) {
            const auto& type = SentenceTable[random() % SentenceTable.size()];
            std::string body(type.Identifier.substr(1));
            if (talkers == TalkerFilter::AllGnss && body[0] == 'G')
                body.replace(0, 2, Talkers[random() % std::size(Talkers)]);
            const int fields = static_cast<int>(random() % 110);
            for (int f = 0; f < fields; ++f)
                body += "," + (random() % 3 == 0 ? std::to_string(random() % 470) : RandomField(random));
            ASSERT_NE(h.FeedBody(body).Outcome, DispatchResult::NoChecksum) << body;
            ASSERT_LE(h.Gps->SentenceFieldCount, trakora::MaxSentenceFields);
            ASSERT_TRUE(h.Gps->WaypointCount >= 0 && h.Gps->WaypointCount <= trakora::MaxWaypoints) << body;
            for (int k = h.Gps->SentenceFieldCount; k < trakora::MaxSentenceFields; ++k)
                ASSERT_TRUE(h.Gps->SentenceField[k].empty()) << body;
            ASSERT_LE(h.Gnss->Satellites.Count(), trakora::MaxSatellites);
        }
        // Enough sentences were short enough to be decoded rather than cut.
        EXPECT_GT(h.Gps->WaypointCount, 0);
        if (talkers == TalkerFilter::AllGnss) {
            EXPECT_GT(h.Gnss->Satellites.Count(), 0);
        }
    }
}

} // namespace
