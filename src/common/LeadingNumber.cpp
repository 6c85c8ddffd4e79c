#include "common/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace trakora {

namespace {

bool Ignored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

} // namespace

double LeadingNumber(std::string_view text)
{
    // Keep only the characters that count, then take the longest prefix of
    // the form [+-]digits[.digits].
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (!Ignored(c))
            kept.push_back(c);

    std::size_t i = 0;
    if (i < kept.size() && (kept[i] == '+' || kept[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < kept.size() && kept[i] >= '0' && kept[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < kept.size() && kept[i] == '.') {
        ++i;
        while (i < kept.size() && kept[i] >= '0' && kept[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    // from_chars, unlike strtod, ignores the C locale: the store always holds
    // a full stop, whatever the user's decimal separator.
    const char* first = kept.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    std::from_chars(first, kept.data() + i, value, std::chars_format::fixed);
    return value;
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

std::int32_t LeadingWholeNumber(std::string_view text)
{
    const double rounded = RoundHalfEven(LeadingNumber(text));
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        return 0;
    return static_cast<std::int32_t>(rounded);
}

bool ReadTruthValue(std::string_view text)
{
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    if (t.size() == 4) {
        std::string lower;
        for (char c : t)
            lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
        if (lower == "true")
            return true;
    }
    return LeadingNumber(t) != 0.0;
}

} // namespace trakora
