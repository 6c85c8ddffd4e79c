#include "common/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace trakora {

namespace {

struct PatternShape {
    int MinIntegerDigits = 0;
    int MinDecimals = 0;
    int MaxDecimals = 0;
    bool HasPoint = false;
};

PatternShape ReadPattern(std::string_view pattern)
{
    PatternShape shape;
    const std::size_t point = pattern.find('.');
    shape.HasPoint = point != std::string_view::npos;
    const std::string_view integerPart = pattern.substr(0, point);
    shape.MinIntegerDigits = static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    if (shape.HasPoint) {
        const std::string_view decimalPart = pattern.substr(point + 1);
        shape.MaxDecimals = static_cast<int>(decimalPart.size());
        // Decimals up to the last '0' are always shown; '#' after it only when not zero.
        const std::size_t lastZero = decimalPart.find_last_of('0');
        shape.MinDecimals = lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero + 1);
    }
    return shape;
}

// The exact decimal expansion of |value|, as integer and fraction digits.
// Every finite double has a finite expansion with at most 1074 fraction
// digits, so rounding can look at the true value rather than at a
// pre-rounded text (0.05 is really 0.05000000000000000277...).
void ExactDigits(double magnitude, std::string& integerDigits, std::string& fractionDigits)
{
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int fractionNeeded = std::clamp(53 - exponent, 0, 1074);
    std::vector<char> buffer(static_cast<std::size_t>(fractionNeeded) + 330);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, fractionNeeded);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    integerDigits = std::string(text.substr(0, point));
    fractionDigits = point == std::string_view::npos ? std::string() : std::string(text.substr(point + 1));
}

// Adds one unit in the last place of integerDigits + fractionDigits.
void RoundUp(std::string& integerDigits, std::string& fractionDigits)
{
    for (std::size_t i = fractionDigits.size(); i-- > 0;) {
        if (fractionDigits[i] != '9') {
            ++fractionDigits[i];
            return;
        }
        fractionDigits[i] = '0';
    }
    for (std::size_t i = integerDigits.size(); i-- > 0;) {
        if (integerDigits[i] != '9') {
            ++integerDigits[i];
            return;
        }
        integerDigits[i] = '0';
    }
    integerDigits.insert(integerDigits.begin(), '1');
}

} // namespace

std::string FormatNumber(double value, std::string_view pattern, char decimalPoint)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";

    const PatternShape shape = ReadPattern(pattern);
    std::string integerDigits;
    std::string fractionDigits;
    ExactDigits(std::fabs(value), integerDigits, fractionDigits);

    // Half away from zero: the first dropped digit decides alone.
    const std::size_t kept = static_cast<std::size_t>(shape.MaxDecimals);
    fractionDigits.resize(std::max(fractionDigits.size(), kept + 1), '0');
    const bool roundUp = fractionDigits[kept] >= '5';
    fractionDigits.resize(kept);
    if (roundUp)
        RoundUp(integerDigits, fractionDigits);

    while (static_cast<int>(fractionDigits.size()) > shape.MinDecimals && fractionDigits.back() == '0')
        fractionDigits.pop_back();

    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits.erase(0, firstNonZero == std::string::npos ? integerDigits.size() : firstNonZero);
    if (static_cast<int>(integerDigits.size()) < shape.MinIntegerDigits)
        integerDigits.insert(0, static_cast<std::size_t>(shape.MinIntegerDigits) - integerDigits.size(), '0');

    // A value that rounds to zero shows no sign: "-.0" would suggest a
    // direction that the shown digits do not have.
    const bool roundedIsZero = integerDigits.find_first_not_of('0') == std::string::npos
                               && fractionDigits.find_first_not_of('0') == std::string::npos;

    std::string result;
    if (value < 0 && !roundedIsZero)
        result.push_back('-');
    result += integerDigits;
    if (shape.HasPoint) {
        result.push_back(decimalPoint);
        result += fractionDigits;
    }
    return result;
}

std::string ShortestFloatText(float value)
{
    if (value == 0.0f)
        return "0"; // negative zero too
    // Fixed notation keeps whole numbers such as 100000 out of exponent form.
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace trakora
