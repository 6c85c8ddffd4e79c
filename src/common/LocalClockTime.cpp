#include "common/LocalClockTime.h"

#include "common/LocalTime.h"

#include <cstdint>

namespace trakora {

namespace {

// The two-digit number at position `start` (0-based), or -1 when either
// character is not a digit.
int TwoDigits(std::string_view text, std::size_t start)
{
    if (text.size() < start + 2)
        return -1;
    const char high = text[start];
    const char low = text[start + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9')
        return -1;
    return (high - '0') * 10 + (low - '0');
}

bool SixDigits(std::string_view text)
{
    return text.size() == 6 && TwoDigits(text, 0) >= 0 && TwoDigits(text, 2) >= 0 && TwoDigits(text, 4) >= 0;
}

// n (0 to 99) as two digits with a leading zero.
void AppendTwoDigits(std::string& text, int n)
{
    text.push_back(char('0' + n / 10));
    text.push_back(char('0' + n % 10));
}

} // namespace

std::optional<std::string> LocalDateDDMMYY(std::string_view utcDate, std::string_view utcTime,
                                            const ProgramSettings& settings)
{
    if (!SixDigits(utcDate) || !SixDigits(utcTime))
        return std::nullopt;
    CivilDateTime utc;
    utc.Day = TwoDigits(utcDate, 0);
    utc.Month = TwoDigits(utcDate, 2);
    utc.Year = 2000 + TwoDigits(utcDate, 4);
    utc.Hour = TwoDigits(utcTime, 0);
    utc.Minute = TwoDigits(utcTime, 2);
    utc.Second = TwoDigits(utcTime, 4);
    if (!IsValidCivil(utc))
        return std::nullopt;

    // The settings loader keeps the offset within a day, but the Settings
    // dialog takes any whole number: an offset that leaves the range of the
    // clock, or of four-digit years, gives no date.
    const LocalTime direction = settings.UTCOffsetDirection;
    LocalTime hours = 0, minutes = 0, offset = 0, moved = 0;
    if (__builtin_mul_overflow(direction * settings.UTCOffsetHour, 3600, &hours)
        || __builtin_mul_overflow(direction * settings.UTCOffsetMinute, 60, &minutes)
        || __builtin_add_overflow(hours, minutes, &offset) || __builtin_add_overflow(ToLocalTime(utc), offset, &moved))
        return std::nullopt;
    const CivilDateTime local = ToCivil(moved);
    if (!IsValidCivil(local))
        return std::nullopt;
    const int year = local.Year % 100;
    std::string text;
    AppendTwoDigits(text, local.Day);
    AppendTwoDigits(text, local.Month);
    AppendTwoDigits(text, year);
    return text;
}

std::optional<std::string> LocalTimeText(std::string_view utcTime, const ProgramSettings& settings)
{
    if (!SixDigits(utcTime))
        return std::nullopt;
    // Within the day, so that an offset beyond one carry still gives a clock
    // time rather than a negative or three-digit hour. The offset is reduced
    // to the day first, so no offset the settings can hold overflows.
    constexpr std::int64_t MinutesPerDay = 24 * 60;
    const std::int64_t direction = settings.UTCOffsetDirection;
    const std::int64_t offsetMinutes =
        direction * settings.UTCOffsetHour % 24 * 60 + direction * settings.UTCOffsetMinute % MinutesPerDay;
    const std::int64_t minutes = TwoDigits(utcTime, 0) * 60 + TwoDigits(utcTime, 2) + offsetMinutes;
    const int minuteOfDay = static_cast<int>((minutes % MinutesPerDay + MinutesPerDay) % MinutesPerDay);

    std::string text;
    AppendTwoDigits(text, minuteOfDay / 60);
    text.push_back(':');
    AppendTwoDigits(text, minuteOfDay % 60);
    text.push_back(':');
    text += utcTime.substr(4, 2);
    return text;
}

} // namespace trakora
