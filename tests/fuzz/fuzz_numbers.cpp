// The number readers and formatters, one input line at a time. Each line is
// read as a stored value and as receiver fields ("number,letter" for a
// coordinate); its value (and, for lines of eight bytes or more, the double
// whose bits they are) is formatted; and its numbers are taken as a clock
// time and as a UTC offset "direction hours minutes" for "ddmmyy hhmmss". The
// results are checked against what they must mean, not against the code.
#include "FuzzSupport.h"

#include "common/Formatting.h"
#include "common/LeadingNumber.h"
#include "common/LocalClockTime.h"
#include "common/LocalTime.h"
#include "common/NumberFormat.h"
#include "nmea/FieldReaders.h"

#include <algorithm>
#include <cfloat>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using namespace trakora;
using trakora::fuzz::Require;

namespace {

const std::string_view Degree = DegreeSign;

void ReadAsFields(const std::string& line)
{
    LeadingNumber(line), LeadingWholeNumber(line), ReadTruthValue(line);
    Require(std::isfinite(LeadingNumber(line)), "a stored number reads as a finite value");

    double value = 0;
    if (ReadNumber(line, value)) {
        // Both parsers round correctly, so they agree on every text the field reader takes.
        Require(value == std::strtod(std::string(TrimBlanks(line)).c_str(), nullptr), "fields read like strtod");
    }
    float single = 0;
    NumberKept(single, line);
    Require(std::isfinite(single), "a number field gives a finite single");

    const std::size_t comma = line.find(',');
    const std::string_view field = std::string_view(line).substr(0, comma);
    const std::string_view letter = comma == std::string::npos ? "" : std::string_view(line).substr(comma + 1);
    float latitude = 0, longitude = 0, plain = 0;
    CoordinateZeroed(latitude, field, letter, Axis::Latitude);
    CoordinateZeroed(longitude, field, letter, Axis::Longitude);
    PlainCoordinateZeroed(plain, field, letter, Axis::Longitude);
    Require(latitude >= 0 && latitude <= 90 && longitude >= 0 && longitude <= 180, "coordinates within range");
    Require(plain >= 0 && plain < 18100, "plain coordinates within range");
}

// The text of FormatNumber read back lies within half a unit of its last decimal.
void CheckFormatNumber(double value, const char* pattern, int decimals)
{
    std::string text = FormatNumber(value, pattern, ',');
    if (!std::isfinite(value))
        return;
    for (char& c : text)
        c = c == ',' ? '.' : c;
    const double back = std::strtod(text.c_str(), nullptr);
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    Require(std::fabs(back - value) <= halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-15, "FormatNumber rounds");
}

// " 45° 30' 45.00\"": minutes and seconds below 60, together the angle to within rounding.
void CheckDMS(double angle)
{
    const std::string text = FormatDMS(angle, '.');
    const std::size_t sign = text.find(Degree);
    Require(sign != std::string::npos && text.size() == sign + Degree.size() + 11, "FormatDMS has its shape");
    const double degrees = std::strtod(text.substr(0, sign).c_str(), nullptr);
    const double minutes = std::strtod(text.substr(sign + Degree.size() + 1, 2).c_str(), nullptr);
    const double seconds = std::strtod(text.substr(sign + Degree.size() + 5, 5).c_str(), nullptr);
    Require(minutes < 60 && seconds < 60, "FormatDMS shows no 60 minutes or seconds");
    if (angle < 9999) // the degrees fit their four characters, also after carrying
        Require(std::fabs(degrees + minutes / 60 + seconds / 3600 - angle) <= 0.005 / 3600 + 1e-9,
                "FormatDMS shows the angle");
}

// "45° 7.40707' ": minutes below 60, together the angle to within rounding.
void CheckDegreesMinutes(double angle, const char* pattern)
{
    const std::string text = FormatDegreesMinutes(angle, pattern, '.');
    const std::size_t sign = text.find(Degree);
    Require(sign != std::string::npos, "FormatDegreesMinutes has its degree sign");
    const double degrees = std::strtod(text.substr(0, sign).c_str(), nullptr);
    const double minutes = std::strtod(text.substr(sign + Degree.size() + 1).c_str(), nullptr);
    Require(minutes < 60, "FormatDegreesMinutes shows no 60 minutes");
    Require(std::fabs(degrees + minutes / 60 - angle) <= 0.5e-5 / 60 + angle * 1e-15, "FormatDegreesMinutes shows the angle");
}

void Format(double value)
{
    static const struct { const char* Pattern; int Decimals; } patterns[] = {
        {"##0.00000", 5}, {"#####.0", 1}, {"###", 0}, {"00.00", 2}, {"##.#####", 5}, {"#0.00000", 5}, {"0", 0},
    };
    for (const auto& p : patterns)
        CheckFormatNumber(value, p.Pattern, p.Decimals);
    if (value >= 0 && value < 1e9) {
        CheckDMS(value);
        CheckDegreesMinutes(value, "##.#####");
        CheckDegreesMinutes(value, "#0.00000");
    } else {
        FormatDMS(value), FormatDegreesMinutes(value, "#0.00000");
    }
    if (std::fabs(value) <= FLT_MAX || !std::isfinite(value)) {
        const float single = static_cast<float>(value);
        const std::string text = ShortestFloatText(single);
        if (std::isfinite(single))
            Require(std::strtof(text.c_str(), nullptr) == single, "ShortestFloatText reads back as the same single");
    }
}

void Clock(const std::string& line)
{
    const LocalTime t = std::strtoll(line.c_str(), nullptr, 10);
    const CivilDateTime c = ToCivil(t);
    Require(c.Hour >= 0 && c.Hour < 24 && c.Minute >= 0 && c.Minute < 60 && c.Second >= 0 && c.Second < 60 &&
                c.Month >= 1 && c.Month <= 12 && c.Day >= 1 && c.Day <= 31,
            "ToCivil gives a time of day and a day of the year");
    if (t > -1e15 && t < 1e15)
        Require(ToLocalTime(c) == t, "ToCivil and ToLocalTime are inverse");
    GeneralDateTimeText(t), DateYYMMDD(t);
}

// The next whole number of `text`, saturated to 32 bits; false when there is none.
bool NextWhole(const char*& text, std::int32_t& value)
{
    char* end = nullptr;
    const long long number = std::strtoll(text, &end, 10);
    if (end == text)
        return false;
    text = end;
    value = static_cast<std::int32_t>(std::clamp<long long>(number, INT32_MIN, INT32_MAX));
    return true;
}

void Offset(const std::string& line)
{
    ProgramSettings settings;
    const char* text = line.c_str();
    if (!NextWhole(text, settings.UTCOffsetDirection) || !NextWhole(text, settings.UTCOffsetHour) ||
        !NextWhole(text, settings.UTCOffsetMinute))
        return;
    char date[16] = "", time[16] = "";
    std::sscanf(text, "%15s %15s", date, time);
    if (const auto localDate = LocalDateDDMMYY(date, time, settings))
        Require(localDate->size() == 6 && localDate->find_first_not_of("0123456789") == std::string::npos,
                "a local date is six digits");
    const auto local = LocalTimeText(time, settings);
    if (!local)
        return;
    // The clock time with the offset worked out in 128 bits.
    const __int128 utcMinutes = (time[0] - '0') * 600 + (time[1] - '0') * 60 + (time[2] - '0') * 10 + (time[3] - '0');
    const __int128 offset = static_cast<__int128>(settings.UTCOffsetDirection) * settings.UTCOffsetHour * 60 +
                            static_cast<__int128>(settings.UTCOffsetDirection) * settings.UTCOffsetMinute;
    const int minuteOfDay = static_cast<int>(((utcMinutes + offset) % 1440 + 1440) % 1440);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%02d:%02d:%c%c", minuteOfDay / 60, minuteOfDay % 60, time[4], time[5]);
    Require(*local == expected, "LocalTimeText moves the time by the offset");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string line(input.substr(start, end - start));
        start = end + 1;

        ReadAsFields(line);
        char* parsedEnd = nullptr;
        const double value = std::strtod(line.c_str(), &parsedEnd);
        if (parsedEnd != line.c_str())
            Format(value);
        if (line.size() >= sizeof(double)) {
            double bits = 0;
            std::memcpy(&bits, line.data(), sizeof bits);
            Format(bits);
        }
        Clock(line);
        Offset(line);
    }
    return 0;
}
