#include "common/LocalClockTime.h"

#include <gtest/gtest.h>

namespace trakora {

TEST(LocalClockTime, DateCarriesThroughYearsAndLeapDaysWhileTheTimeWrapsAroundTheDay)
{
    struct Case { const char *legend, *date, *time; int direction, hours, minutes; const char *localDate, *localTime; };
    const Case cases[] = {
        {"east over new year", "311204", "233015", 1, 1, 0, "010105", "00:30:15"},
        {"west back over new year", "010105", "001500", -1, 5, 0, "311204", "19:15:00"},
        {"leap day reached going west", "010304", "000000", -1, 0, 1, "290204", "23:59:00"},
        {"century wraps to 00", "311299", "230000", 1, 2, 0, "010100", "01:00:00"},
        {"2000 counts as a leap year", "280200", "230000", 1, 1, 0, "290200", "00:00:00"},
        {"a zero direction applies no offset", "150605", "235959", 0, 5, 0, "150605", "23:59:59"},
        {"31 February is no date", "310205", "000059", -1, 23, 59, "none", "00:01:59"},
        {"a leap second is kept as sent", "", "235960", 1, 0, 0, "none", "23:59:60"},
        {"an offset beyond a day", "", "010000", -1, 30, 0, "none", "19:00:00"},
        {"minutes beyond an hour", "", "120000", 1, 0, 150, "none", "14:30:00"},
        // Damaged offsets (the dialog takes any whole number): no overflow, and no date beyond year 9999.
        {"5 x 10^9 hours east is 8 h within the day", "010105", "010000", 5, 1000000000, 0, "none", "09:00:00"},
        {"the most hours west", "010105", "010000", -1, 2147483647, 0, "none", "18:00:00"},
        {"the most minutes east", "", "010000", 1, 0, 2147483647, "none", "03:07:00"},
        {"seconds beyond the clock", "010105", "010000", -2147483647 - 1, 2147483647, 0, "none", "17:00:00"},
    };
    for (const Case& c : cases) {
        ProgramSettings offset;
        offset.UTCOffsetDirection = c.direction;
        offset.UTCOffsetHour = c.hours;
        offset.UTCOffsetMinute = c.minutes;
        EXPECT_EQ(LocalDateDDMMYY(c.date, c.time, offset).value_or("none"), c.localDate) << c.legend;
        EXPECT_EQ(LocalTimeText(c.time, offset).value_or("none"), c.localTime) << c.legend;
    }
}

TEST(LocalClockTime, NothingFromFieldsThatAreNotADateAndTime)
{
    const ProgramSettings settings;
    for (const char* date : {"      ", "290205", "001204", "011304", "0101O5", "01010"})
        EXPECT_FALSE(LocalDateDDMMYY(date, "120000", settings)) << date;
    for (const char* time : {"", "246000", "126000", "12:00:"})
        EXPECT_FALSE(LocalDateDDMMYY("010105", time, settings)) << time;
    for (const char* time : {"      ", "12345", "12:345", "1234567"})
        EXPECT_FALSE(LocalTimeText(time, settings)) << time;
    EXPECT_FALSE(LocalTimeText(std::string_view("\0\0\0\0\0\0", 6), settings));
}

} // namespace trakora
