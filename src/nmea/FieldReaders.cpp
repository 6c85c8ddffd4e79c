#include "nmea/FieldReaders.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace trakora {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool FitsFloat(double value)
{
    return std::fabs(value) <= std::numeric_limits<float>::max();
}

// ddmm.mmmm as decimal degrees, with the minutes in single precision as the
// receiver's field is converted everywhere.
float DegreesFromDdmm(double ddmm)
{
    const double degrees = std::floor(ddmm / 100);
    const float minutes = static_cast<float>(ddmm - 100 * degrees);
    return static_cast<float>(degrees + minutes / 60.0f);
}

} // namespace

std::string_view TrimBlanks(std::string_view field)
{
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    return field;
}

bool ReadNumber(std::string_view field, double& value)
{
    std::string_view text = TrimBlanks(field);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars alone would also take "inf", "nan" and a second sign.
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '.'))
        return false;

    // Receivers send short plain decimals. With at most 15 digits both the
    // digits and the power of ten are exact doubles, so one division gives
    // the correctly rounded value, the same as the general parser's.
    std::uint64_t digits = 0;
    int digitCount = 0;
    int fractionDigits = 0;
    bool point = false;
    bool simple = true;
    for (char c : text) {
        if (IsDigit(c)) {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++digitCount;
            if (point)
                ++fractionDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            simple = false;
            break;
        }
    }
    if (simple && digitCount > 0 && digitCount <= 15) {
        static constexpr double PowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double parsed = static_cast<double>(digits) / PowersOfTen[fractionDigits];
        value = negative ? -parsed : parsed;
        return true;
    }

    double parsed = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, parsed, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end)
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

bool ReadWholeNumber(std::string_view field, std::int32_t& value)
{
    // Plain counts and angles need no rounding.
    const std::string_view text = TrimBlanks(field);
    if (!text.empty() && text.size() <= 9) {
        std::int32_t whole = 0;
        std::size_t i = 0;
        while (i < text.size() && IsDigit(text[i]))
            whole = whole * 10 + (text[i++] - '0');
        if (i == text.size()) {
            value = whole;
            return true;
        }
    }
    double number = 0;
    if (!ReadNumber(field, number))
        return false;
    const double rounded = std::nearbyint(number); // halves to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        return false;
    value = static_cast<std::int32_t>(rounded);
    return true;
}

void NumberZeroed(float& target, std::string_view field)
{
    target = 0;
    NumberKept(target, field);
}

void NumberKept(float& target, std::string_view field)
{
    double number = 0;
    if (ReadNumber(field, number) && FitsFloat(number))
        target = static_cast<float>(number);
}

void WholeNumberZeroed(std::int32_t& target, std::string_view field)
{
    target = 0;
    WholeNumberKept(target, field);
}

void WholeNumberKept(std::int32_t& target, std::string_view field)
{
    std::int32_t number = 0;
    if (ReadWholeNumber(field, number))
        target = number;
}

bool ReadCoordinate(std::string_view field, std::string_view hemisphere, Axis axis, double& ddmm)
{
    const bool latitude = axis == Axis::Latitude;
    const std::string_view letter = TrimBlanks(hemisphere);
    if (!letter.empty() && letter != (latitude ? "N" : "E") && letter != (latitude ? "S" : "W"))
        return false;
    const double maxDegrees = latitude ? 90 : 180;
    double v = 0;
    // The rough bound first keeps absurd numbers away from the float conversion.
    if (!ReadNumber(field, v) || std::signbit(v) || v >= 100 * (maxDegrees + 1) || DegreesFromDdmm(v) > maxDegrees)
        return false;
    ddmm = v;
    return true;
}

void CoordinateZeroed(float& target, std::string_view field, std::string_view hemisphere, Axis axis)
{
    double v = 0;
    target = ReadCoordinate(field, hemisphere, axis, v) ? DegreesFromDdmm(v) : 0;
}

void PlainCoordinateZeroed(float& target, std::string_view field, std::string_view hemisphere, Axis axis)
{
    target = 0;
    PlainCoordinateKept(target, field, hemisphere, axis);
}

void PlainCoordinateKept(float& target, std::string_view field, std::string_view hemisphere, Axis axis)
{
    double v = 0;
    if (ReadCoordinate(field, hemisphere, axis, v))
        target = static_cast<float>(v);
}

std::string_view UnitLetterCode(std::string_view letter)
{
    if (letter == "M")
        return "ME";
    if (letter == "F")
        return "FE";
    return "  ";
}

float MagneticFromTrue(float trueValue, float magVar, const FixedText<1>& magVarDir)
{
    float result = trueValue;
    if (magVarDir == "E") {
        result = trueValue - magVar;
        if (result < 0)
            result += 360;
    } else if (magVarDir == "W") {
        result = trueValue + magVar;
        if (result >= 360)
            result -= 360;
    }
    return std::isfinite(result) ? result : trueValue;
}

} // namespace trakora
