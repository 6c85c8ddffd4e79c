#include "common/LocalClockTime.h"

#include <gtest/gtest.h>

namespace trakora {
namespace {

ProgramSettings Offset(int direction, int hours, int minutes)
{
    ProgramSettings settings;
    settings.UTCOffsetDirection = direction;
    settings.UTCOffsetHour = hours;
    settings.UTCOffsetMinute = minutes;
    return settings;
}

TEST(LocalClockTime, DateCarriesThroughMonthsYearsAndTheCentury)
{
    struct Case {
        const char* legend;
        const char* date;
        const char* time;
        ProgramSettings offset;
        const char* local;
    };
    const Case cases[] = {
        {"east over new year", "311204", "233015", Offset(1, 1, 0), "010105"},
        {"west back over new year", "010105", "001500", Offset(-1, 5, 0), "311204"},
        {"end of a 30-day month", "300405", "200000", Offset(1, 5, 30), "010505"},
        {"leap day reached going west", "010304", "000000", Offset(-1, 0, 1), "290204"},
        {"century wraps to 00", "311299", "230000", Offset(1, 2, 0), "010100"},
        {"2000 counts as a leap year", "280200", "230000", Offset(1, 1, 0), "290200"},
        {"a zero direction applies no offset", "150605", "235959", Offset(0, 5, 0), "150605"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        const auto local = LocalDateDDMMYY(c.date, c.time, c.offset);
        ASSERT_TRUE(local.has_value());
        EXPECT_EQ(*local, c.local);
    }
}

TEST(LocalClockTime, NoDateFromFieldsThatAreNotADateAndTime)
{
    const ProgramSettings settings = Offset(1, 1, 0);
    for (const char* date : {"", "      ", "310205", "290205", "001204", "011304", "0101O5", "01010"})
        EXPECT_FALSE(LocalDateDDMMYY(date, "120000", settings).has_value()) << date;
    for (const char* time : {"", "246000", "126000", "12000", "12:00:"})
        EXPECT_FALSE(LocalDateDDMMYY("010105", time, settings).has_value()) << time;
    EXPECT_FALSE(LocalDateDDMMYY(std::string_view("\0\0\0\0\0\0", 6), "120000", settings).has_value());
}

TEST(LocalClockTime, TimeWrapsAroundTheDayAndKeepsTheSeconds)
{
    EXPECT_EQ(LocalTimeText("233015", Offset(1, 1, 0)), "00:30:15");
    EXPECT_EQ(LocalTimeText("001000", Offset(-1, 0, 30)), "23:40:00");
    EXPECT_EQ(LocalTimeText("104500", Offset(1, 5, 30)), "16:15:00");
    EXPECT_EQ(LocalTimeText("000059", Offset(-1, 23, 59)), "00:01:59");
    EXPECT_EQ(LocalTimeText("235960", Offset(1, 0, 0)), "23:59:60"); // leap second kept as sent
    // Offsets beyond one carry still give a clock time.
    EXPECT_EQ(LocalTimeText("010000", Offset(-1, 30, 0)), "19:00:00");
    EXPECT_EQ(LocalTimeText("120000", Offset(1, 0, 150)), "14:30:00");
}

TEST(LocalClockTime, NoTimeFromATimeThatIsNotSixDigits)
{
    const ProgramSettings settings = Offset(1, 1, 0);
    for (const char* time : {"", "      ", "12345", "12:345", "1234567"})
        EXPECT_FALSE(LocalTimeText(time, settings).has_value()) << time;
    EXPECT_FALSE(LocalTimeText(std::string_view("\0\0\0\0\0\0", 6), settings).has_value());
}

} // namespace
} // namespace trakora
