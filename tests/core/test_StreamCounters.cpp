// Counting the dispatched lines by identifier, bounded, and the clock
// figures: rate, silence and gaps, Start, Halt and Resume.
#include "CountingHarness.h"

#include <cstdio>

using namespace trakora;
using namespace trakora::testing;

namespace {

const std::string Gga = Sentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");

// Passed, bad checksum, no checksum, decoded, ignored, other talker, recorded.
IdentifierCounts Counts(std::int64_t passed, std::int64_t bad, std::int64_t none, std::int64_t decoded,
                        std::int64_t ignored, std::int64_t otherTalker = 0)
{
    return {passed, bad, none, decoded, ignored, otherTalker, 0};
}

TEST(StreamCounters, EachLineGoesToItsIdentifierOnceThatPassedOtherwiseToOtherOrUnreadable)
{
    const std::string badGga = Gga.substr(0, Gga.size() - 2) + "00";
    const std::string bareGga = Gga.substr(0, Gga.find('*'));
    const struct {
        const char* Legend;
        std::vector<std::string> Lines;
        const char* Identifier; // the row the last line went to: an identifier, "other" or "unreadable"
        IdentifierCounts Expected;
    } cases[] = {
        {"a good line makes its row", {Gga}, "$GPGGA", Counts(1, 0, 0, 1, 0)},
        {"failing lines make no row", {badGga, bareGga}, "other", Counts(0, 1, 1, 0, 0)},
        {"once the row exists, failures count there", {Gga, badGga, bareGga}, "$GPGGA", Counts(1, 1, 1, 1, 0)},
        {"a type not decoded is ignored", {Sentence("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K")}, "$GPVTG",
         Counts(1, 0, 0, 0, 1)},
        {"another talker is ignored with GPS only", {Sentence("GNGGA,1")}, "$GNGGA", Counts(1, 0, 0, 0, 1, 1)},
        {"proprietary of eight characters", {Sentence("PSRF103,00")}, "$PSRF103", Counts(1, 0, 0, 0, 1)},
        {"identifier alone, ended by the star", {Sentence("GPXTE")}, "$GPXTE", Counts(1, 0, 0, 0, 1)},
        {"nine characters are too many", {Sentence("PSRF10300,00")}, "unreadable", Counts(1, 0, 0, 0, 1)},
        {"one character is too few", {Sentence("G,1")}, "unreadable", Counts(1, 0, 0, 0, 1)},
        {"lower case", {Sentence("gpgga,1")}, "unreadable", Counts(1, 0, 0, 0, 1)},
        {"a blank inside", {Sentence("GP GGA,1")}, "unreadable", Counts(1, 0, 0, 0, 1)},
        {"no dollar", {"xGPGGA*56", "     "}, "unreadable", Counts(1, 0, 1, 0, 1)},
        {"a line break inside makes no row", {Sentence("GPGLL,4916.45,N,\r,W")}, "other", IdentifierCounts{.Damaged = 1}},
        {"too long, in the row of its identifier", {Gga, "$GPGGA," + std::string(5000, '1')}, "$GPGGA",
         IdentifierCounts{.Passed = 1, .Decoded = 1, .Damaged = 1}},
        {"8-bit noise", {"$\xC7\x80\x01\xFF*00"}, "unreadable", Counts(0, 1, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        CountingHarness h;
        for (const std::string& line : c.Lines)
            h.Feed(line);
        const std::string_view id = c.Identifier;
        const IdentifierCounts* row = id == "other"        ? &h.Counters.Other()
                                      : id == "unreadable" ? &h.Counters.Unreadable()
                                                           : h.Row(id);
        ASSERT_NE(row, nullptr) << c.Legend;
        EXPECT_EQ(*row, c.Expected) << c.Legend;
        EXPECT_EQ(h.Counters.Total(), c.Expected) << c.Legend << ": every line in one row only";
        EXPECT_EQ(h.Counters.IdentifierCount(), id.starts_with("$") ? 1u : 0u) << c.Legend;
    }
}

TEST(StreamCounters, AFloodOfIdentifiersStopsAtSixtyFourRowsAndStartClearsThem)
{
    CountingHarness h;
    h.Settings.WriteData = 1;
    h.Feed(Gga);
    char body[32];
    for (int i = 0; i < 10'000; ++i) {
        std::snprintf(body, sizeof body, "X%05d,1", i);
        h.FeedBody(body);
    }
    EXPECT_EQ(std::tuple(h.Counters.IdentifierCount(), h.Counters.Other().Passed, h.Counters.Total().Lines()),
              std::tuple(StreamCounters::MaxIdentifiers, 10'001 - 64, 10'001));
    EXPECT_EQ(h.Counters.Counts(0).Recorded, 1) << "the recorded GGA";
    EXPECT_EQ(h.Counters.Bytes(), static_cast<std::int64_t>(Gga.size() + 10'000 * 12));

    h.Counters.Resume();
    EXPECT_EQ(h.Counters.Total().Lines(), 10'001) << "Continue keeps the counts";
    h.Counters.Start();
    h.FeedBody("X00017,1");
    ASSERT_EQ(std::tuple(h.Counters.Total().Lines(), h.Counters.IdentifierCount()), std::tuple(1, 1u));
    EXPECT_EQ(h.Counters.Identifier(0), "$X00017") << "a row again for a line of a former row";
}

TEST(StreamCounters, RateSilenceAndGapsFollowTheClockAndStandStillWhileHalted)
{
    CountingHarness h;
    std::int64_t& now = h.Clock.Ms;
    now = 1'000'500; // half a second into a second
    h.Counters.Start();
    // Ten lines a second (nine good, one bad) for 20 s.
    for (int tenth = 0; tenth < 200; ++tenth, now += 100)
        h.Feed(tenth % 10 == 9 ? "$GPGGA,bad*00" : Gga);
    now -= 100; // at the last line
    EXPECT_NEAR(h.Counters.LinesPerSecond(), 10, 0.6);
    EXPECT_NEAR(h.Counters.RatePerSecond(0), 9, 0.6);
    EXPECT_EQ(h.Counters.Recent().All.BadChecksum + h.Counters.Recent().All.Passed, h.Counters.Recent().All.Lines());

    now += 11'000; // silence
    EXPECT_DOUBLE_EQ(h.Counters.SecondsSinceAnyLine(), 11.0);
    EXPECT_DOUBLE_EQ(h.Counters.SecondsSinceGoodLine(), 11.1) << "the last line failed";
    EXPECT_DOUBLE_EQ(h.Counters.SecondsSinceGood(0), 11.1);
    EXPECT_DOUBLE_EQ(h.Counters.LongestGapSeconds(), 11.1) << "the gap going on";
    EXPECT_EQ(h.Counters.LinesPerSecond(), 0) << "nothing in the last ten seconds";
    h.Counters.Received(12); // characters, but no line
    EXPECT_EQ(h.Counters.SecondsSinceAnyInput(), 0);

    h.Counters.Halt();
    now += 60'000;
    EXPECT_DOUBLE_EQ(h.Counters.SecondsSinceAnyLine(), 11.0) << "stands still while halted";
    h.Counters.Resume();
    now += 2'000;
    h.Feed(Gga);
    EXPECT_DOUBLE_EQ(h.Counters.LongestGapSeconds(), 11.1) << "the time halted is no gap";
    EXPECT_EQ(h.Counters.SecondsSinceGoodLine(), 0);

    // Before the first line after Start the wait counts from Start.
    h.Counters.Start();
    now += 4'000;
    EXPECT_DOUBLE_EQ(h.Counters.SecondsSinceAnyInput(), 4.0);
    EXPECT_DOUBLE_EQ(h.Counters.LongestGapSeconds(), 4.0);
}

} // namespace
