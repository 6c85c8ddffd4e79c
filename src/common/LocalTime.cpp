#include "common/LocalTime.h"

#include <cstdio>
#include <ctime>

namespace trakora {

namespace {

constexpr LocalTime SecondsPerDay = 86400;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (eras of 400 years).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, CivilDateTime& c)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    c.Day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    c.Month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    c.Year = static_cast<int>(yearOfEra + era * 400 + (c.Month <= 2));
}

} // namespace

bool IsValidCivil(const CivilDateTime& c)
{
    // Four-digit years only: the date-time texts have room for no more.
    return c.Year >= 1 && c.Year <= 9999 && c.Month >= 1 && c.Month <= 12 && c.Day >= 1
           && c.Day <= DaysInMonth(c.Year, c.Month) && c.Hour >= 0 && c.Hour <= 23 && c.Minute >= 0
           && c.Minute <= 59 && c.Second >= 0 && c.Second <= 59;
}

LocalTime ToLocalTime(const CivilDateTime& c)
{
    return DaysFromCivil(c.Year, c.Month, c.Day) * SecondsPerDay + c.Hour * 3600LL + c.Minute * 60LL + c.Second;
}

CivilDateTime ToCivil(LocalTime t)
{
    CivilDateTime c;
    // From the remainder, as days * SecondsPerDay could pass the range near its ends.
    std::int64_t days = t / SecondsPerDay;
    std::int64_t secondOfDay = t % SecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += SecondsPerDay;
        --days;
    }
    CivilFromDays(days, c);
    c.Hour = static_cast<int>(secondOfDay / 3600);
    c.Minute = static_cast<int>(secondOfDay / 60 % 60);
    c.Second = static_cast<int>(secondOfDay % 60);
    return c;
}

std::string GeneralDateTimeText(LocalTime t)
{
    const CivilDateTime c = ToCivil(t);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", c.Year, c.Month, c.Day, c.Hour, c.Minute,
                  c.Second);
    return buffer;
}

std::string DateYYMMDD(LocalTime t)
{
    const CivilDateTime c = ToCivil(t);
    const int yearOfCentury = ((c.Year % 100) + 100) % 100;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d", yearOfCentury, c.Month, c.Day);
    return buffer;
}

std::string DefaultLogFileName(LocalTime today)
{
    return "GP" + DateYYMMDD(today) + ".TKL";
}

LocalTime SystemClock::Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    CivilDateTime c;
    c.Year = parts.tm_year + 1900;
    c.Month = parts.tm_mon + 1;
    c.Day = parts.tm_mday;
    c.Hour = parts.tm_hour;
    c.Minute = parts.tm_min;
    // A leap second (60) counts as the last second of its minute.
    c.Second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
    return ToLocalTime(c);
}

} // namespace trakora
