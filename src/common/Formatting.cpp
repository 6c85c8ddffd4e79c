#include "common/Formatting.h"

#include "common/NumberFormat.h"

#include <charconv>
#include <cmath>

namespace trakora {

namespace {

// Characters start..start+length-1 (1-based) of text, cut short at its end.
std::string_view Mid(std::string_view text, std::size_t start, std::size_t length)
{
    if (start - 1 >= text.size())
        return {};
    return text.substr(start - 1, length);
}

// The value as its shortest text of up to 15 significant digits, read back,
// so that 0.25 * 60 stays 15 and not 14.999999999999996.
double ThroughFifteenDigits(double value)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double result = value;
    std::from_chars(buffer, written.ptr, result);
    return result;
}

} // namespace

std::string FormatDMS(double degrees, char decimalPoint)
{
    // Every rounding step can reach 60 and carries into the unit above, so
    // 45.9999999 shows as 46° 00' 00.00" rather than 45° 59' 60.00", and
    // 0.99999999999999989, whose minutes round to 60 in fifteen digits, as
    // 01° 00' 00.00".
    double d = std::floor(degrees);
    double m = ThroughFifteenDigits((degrees - d) * 60.0);
    if (m >= 60.0) {
        m -= 60.0;
        d += 1.0;
    }
    double minutes = std::floor(m);
    double seconds = (m - minutes) * 60.0;
    if (FormatNumber(seconds, "00.00") == "60.00") {
        seconds = 0.0;
        minutes += 1.0;
    }
    if (minutes >= 60.0) {
        minutes -= 60.0;
        d += 1.0;
    }

    const std::string paddedDegrees = " " + FormatNumber(d, "#00");
    std::string result = paddedDegrees.substr(paddedDegrees.size() > 4 ? paddedDegrees.size() - 4 : 0);
    result += DegreeSign;
    result += ' ';
    result += FormatNumber(minutes, "00");
    result += "' ";
    result += FormatNumber(seconds, "00.00", decimalPoint);
    result += '"';
    return result;
}

std::string FormatDegreesMinutes(double degrees, std::string_view minutesPattern, char decimalPoint)
{
    double whole = std::floor(degrees);
    std::string minutes = FormatNumber((degrees - whole) * 60.0, minutesPattern, decimalPoint);
    // Minutes that round up to a full 60 carry into the degrees.
    if (minutes == FormatNumber(60.0, minutesPattern, decimalPoint)) {
        whole += 1.0;
        minutes = FormatNumber(0.0, minutesPattern, decimalPoint);
    }
    std::string result = FormatNumber(whole, "0");
    result += DegreeSign;
    result += ' ';
    result += minutes;
    result += "' ";
    return result;
}

std::string FormatTime(std::string_view hhmmss)
{
    std::string result(Mid(hhmmss, 1, 2));
    result += ':';
    result += Mid(hhmmss, 3, 2);
    result += ':';
    result += Mid(hhmmss, 5, 2);
    return result;
}

std::string FormatDate(std::string_view ddmmyy, const ProgramSettings& settings)
{
    const std::string_view day = Mid(ddmmyy, 1, 2);
    const std::string_view month = Mid(ddmmyy, 3, 2);
    const std::string_view year = Mid(ddmmyy, 5, 2);
    auto join = [](std::string_view a, std::string_view b, std::string_view c) {
        std::string text(a);
        text += '/';
        text += b;
        text += '/';
        text += c;
        return text;
    };
    switch (settings.DateFormat) {
    case 1:
        return join(month, day, year);
    case 2:
        return join(day, month, year);
    case 3:
        return join(year, month, day);
    default:
        return " ";
    }
}

} // namespace trakora
