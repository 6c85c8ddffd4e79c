#include "common/LocalTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace trakora {
namespace {

CivilDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return CivilDateTime{year, month, day, hour, minute, second};
}

TEST(IsValidCivil, FollowsTheRealCalendar)
{
    EXPECT_TRUE(IsValidCivil(At(2004, 2, 29)));
    EXPECT_TRUE(IsValidCivil(At(2000, 2, 29)));
    EXPECT_FALSE(IsValidCivil(At(1900, 2, 29)));
    EXPECT_FALSE(IsValidCivil(At(2023, 2, 29)));
    EXPECT_FALSE(IsValidCivil(At(2023, 2, 31)));
    EXPECT_FALSE(IsValidCivil(At(2023, 4, 31)));
    EXPECT_TRUE(IsValidCivil(At(2023, 12, 31, 23, 59, 59)));
    EXPECT_FALSE(IsValidCivil(At(2023, 13, 1)));
    EXPECT_FALSE(IsValidCivil(At(2023, 0, 1)));
    EXPECT_FALSE(IsValidCivil(At(2023, 1, 0)));
    EXPECT_FALSE(IsValidCivil(At(2023, 1, 1, 24)));
    EXPECT_FALSE(IsValidCivil(At(2023, 1, 1, 0, 60)));
    EXPECT_FALSE(IsValidCivil(At(2023, 1, 1, 0, 0, 60)));
    EXPECT_FALSE(IsValidCivil(At(2023, 1, 1, -1)));
    EXPECT_FALSE(IsValidCivil(At(0, 1, 1)));
    EXPECT_FALSE(IsValidCivil(At(10000, 1, 1)));
}

TEST(ToLocalTime, CountsSecondsFromTheStartOf1970)
{
    EXPECT_EQ(ToLocalTime(At(1970, 1, 1)), 0);
    EXPECT_EQ(ToLocalTime(At(1969, 12, 31, 23, 59, 59)), -1);
    EXPECT_EQ(ToLocalTime(At(2000, 3, 1)), 951868800);
    EXPECT_EQ(ToLocalTime(At(2004, 12, 5, 7, 8, 9)), 1102230489);
    EXPECT_EQ(ToLocalTime(At(2024, 3, 1)) - ToLocalTime(At(2024, 2, 28)), 2 * 86400);
    EXPECT_EQ(ToLocalTime(At(2100, 3, 1)) - ToLocalTime(At(2100, 2, 28)), 86400);
}

TEST(ToCivil, RoundTripsAndAdvancesOneCalendarDayAtATime)
{
    CivilDateTime previous = ToCivil(ToLocalTime(At(1599, 12, 31, 12, 34, 56)));
    for (LocalTime t = ToLocalTime(At(1600, 1, 1, 12, 34, 56)); t < ToLocalTime(At(2401, 1, 1)); t += 86400) {
        const CivilDateTime c = ToCivil(t);
        ASSERT_TRUE(IsValidCivil(c)) << t;
        ASSERT_EQ(ToLocalTime(c), t);
        ASSERT_EQ(c.Hour * 3600 + c.Minute * 60 + c.Second, 12 * 3600 + 34 * 60 + 56);
        const bool nextDay = c.Year == previous.Year && c.Month == previous.Month && c.Day == previous.Day + 1;
        const bool nextMonth = c.Year == previous.Year && c.Month == previous.Month + 1 && c.Day == 1;
        const bool nextYear = c.Year == previous.Year + 1 && c.Month == 1 && c.Day == 1 && previous.Month == 12
                              && previous.Day == 31;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << GeneralDateTimeText(t);
        if (nextMonth) {
            ASSERT_FALSE(IsValidCivil(At(previous.Year, previous.Month, previous.Day + 1)));
        }
        previous = c;
    }
}

TEST(ToCivil, SecondsBefore1970)
{
    const CivilDateTime c = ToCivil(-1);
    EXPECT_EQ(c.Year, 1969);
    EXPECT_EQ(c.Month, 12);
    EXPECT_EQ(c.Day, 31);
    EXPECT_EQ(c.Hour, 23);
    EXPECT_EQ(c.Minute, 59);
    EXPECT_EQ(c.Second, 59);
}

TEST(GeneralDateTimeText, PadsEveryPart)
{
    EXPECT_EQ(GeneralDateTimeText(ToLocalTime(At(2004, 12, 5, 7, 8, 9))), "2004-12-05 07:08:09");
    EXPECT_EQ(GeneralDateTimeText(0), "1970-01-01 00:00:00");
}

TEST(DefaultLogFileName, IsGPThenYearMonthDay)
{
    EXPECT_EQ(DateYYMMDD(ToLocalTime(At(2004, 12, 5, 23, 59, 59))), "041205");
    EXPECT_EQ(DateYYMMDD(ToLocalTime(At(2000, 1, 9))), "000109");
    EXPECT_EQ(DefaultLogFileName(ToLocalTime(At(2024, 2, 29, 8))), "GP240229.TKL");
}

TEST(SystemClock, GivesLocalWallClockTime)
{
    const char* savedTz = std::getenv("TZ");
    const std::string saved = savedTz ? savedTz : "";
    setenv("TZ", "UTC0", 1);
    tzset();
    const std::time_t before = std::time(nullptr);
    const LocalTime utcNow = SystemClock().Now();
    setenv("TZ", "XYZ-3", 1); // three hours east of Greenwich
    tzset();
    const LocalTime eastNow = SystemClock().Now();
    const std::time_t after = std::time(nullptr);
    if (savedTz)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();

    EXPECT_GE(utcNow, before);
    EXPECT_LE(utcNow, after);
    EXPECT_GE(eastNow - 3 * 3600, before);
    EXPECT_LE(eastNow - 3 * 3600, after);
}

} // namespace
} // namespace trakora
