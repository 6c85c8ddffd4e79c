#include "longterm/StoredNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace trakora {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the [+-]digits[.digits] prefix of text, 0 when it holds no digit.
std::size_t MantissaLength(std::string_view text)
{
    std::size_t i = 0, digits = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    return digits == 0 ? 0 : i;
}

std::optional<double> Parse(std::string_view text, std::chars_format format)
{
    const char* first = text.data();
    if (!text.empty() && *first == '+')
        ++first;
    double value = 0;
    const auto result = std::from_chars(first, text.data() + text.size(), value, format);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string FixedDecimalText(double value)
{
    if (!std::isfinite(value) || value == 0)
        return "0";
    // Decimals for 15 significant digits; tiny values keep 30 decimals, far
    // below anything the sums can resolve.
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - exponent, 0, 30);
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::optional<double> ReadStoredSum(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            kept.push_back(c);
    std::size_t length = MantissaLength(kept);
    if (length == 0)
        return 0.0;
    if (length < kept.size() && (kept[length] == 'e' || kept[length] == 'E')) {
        std::size_t i = length + 1;
        if (i < kept.size() && (kept[i] == '+' || kept[i] == '-'))
            ++i;
        const std::size_t digitsStart = i;
        while (i < kept.size() && IsDigit(kept[i]))
            ++i;
        if (i > digitsStart)
            length = i;
    }
    return Parse(std::string_view(kept).substr(0, length), std::chars_format::general);
}

std::optional<double> ReadFixedDecimal(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty() || MantissaLength(text) != text.size())
        return std::nullopt;
    return Parse(text, std::chars_format::fixed);
}

} // namespace trakora
