#include "common/LocalTime.h"

#include <gtest/gtest.h>

#include <cstdint>
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
    EXPECT_TRUE(IsValidCivil(At(2023, 12, 31, 23, 59, 59))); // leap days are checked by the round trip below
    for (const CivilDateTime& invalid :
         {At(1900, 2, 29), At(2023, 2, 29), At(2023, 4, 31), At(2023, 13, 1), At(2023, 0, 1), At(2023, 1, 0),
          At(2023, 1, 1, 24), At(2023, 1, 1, 0, 60), At(2023, 1, 1, 0, 0, 60), At(2023, 1, 1, -1), At(0, 1, 1),
          At(10000, 1, 1)})
        EXPECT_FALSE(IsValidCivil(invalid)) << GeneralDateTimeText(ToLocalTime(invalid));
}

TEST(ToLocalTime, CountsSecondsFromTheStartOf1970RoundTripsEveryDayAndPadsItsTexts)
{
    EXPECT_EQ(ToLocalTime(At(1969, 12, 31, 23, 59, 59)), -1);
    EXPECT_EQ(ToLocalTime(At(2004, 12, 5, 7, 8, 9)), 1102230489);
    for (LocalTime t = ToLocalTime(At(1600, 1, 1, 12, 34, 56)); t < ToLocalTime(At(2401, 1, 1)); t += 86400) {
        const CivilDateTime c = ToCivil(t);
        ASSERT_TRUE(IsValidCivil(c)) << t;
        ASSERT_EQ(ToLocalTime(c), t);
        ASSERT_EQ(c.Hour * 3600 + c.Minute * 60 + c.Second, 12 * 3600 + 34 * 60 + 56);
    }
    EXPECT_EQ(GeneralDateTimeText(ToLocalTime(At(2004, 12, 5, 7, 8, 9))), "2004-12-05 07:08:09");
    // The earliest time there is: -9223372036854775808 = -106751991167301 days + 30592 s.
    const CivilDateTime earliest = ToCivil(INT64_MIN);
    EXPECT_EQ(earliest.Hour * 3600 + earliest.Minute * 60 + earliest.Second, 30592);
    EXPECT_EQ(DateYYMMDD(ToLocalTime(At(2000, 1, 9, 23, 59, 59))), "000109");
    EXPECT_EQ(DefaultLogFileName(ToLocalTime(At(2024, 2, 29, 8))), "GP240229.TKL");
}

TEST(SystemClock, GivesLocalWallClockTime)
{
    const char* savedTz = std::getenv("TZ");
    const std::string saved = savedTz ? savedTz : "";
    setenv("TZ", "XYZ-3", 1); // three hours east of Greenwich
    tzset();
    const std::time_t before = std::time(nullptr);
    const LocalTime eastNow = SystemClock().Now();
    const std::time_t after = std::time(nullptr);
    savedTz ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
    EXPECT_GE(eastNow - 3 * 3600, before);
    EXPECT_LE(eastNow - 3 * 3600, after);
}

} // namespace
} // namespace trakora
