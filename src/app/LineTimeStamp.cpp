#include "app/LineTimeStamp.h"

#include <cstdio>

namespace trakora {

namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (Digit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool ChecksumMatches(std::string_view line, std::size_t star)
{
    if (star + 3 > line.size())
        return false;
    const int high = HexValue(line[star + 1]);
    const int low = HexValue(line[star + 2]);
    if (high < 0 || low < 0)
        return false;
    unsigned sum = 0;
    for (std::size_t i = 1; i < star; ++i)
        sum ^= static_cast<unsigned char>(line[i]);
    return sum == static_cast<unsigned>(high * 16 + low);
}

// Which comma-separated field holds the time, or 0 for a sentence without one.
int TimeField(std::string_view type)
{
    if (type == "GLL")
        return 5;
    for (std::string_view stamped : {"GGA", "RMC", "ZDA", "GNS", "GST", "GBS", "GRS"})
        if (type == stamped)
            return 1;
    return 0;
}

std::optional<LineTime> ParseTime(std::string_view field)
{
    if (field.size() < 6)
        return std::nullopt;
    for (std::size_t i = 0; i < 6; ++i)
        if (!Digit(field[i]))
            return std::nullopt;
    const auto two = [field](std::size_t at) { return (field[at] - '0') * 10 + (field[at + 1] - '0'); };
    const int hours = two(0), minutes = two(2), seconds = two(4);
    if (hours > 23 || minutes > 59 || seconds > 60)
        return std::nullopt;
    LineTime time;
    time.Milliseconds = ((hours * 60LL + minutes) * 60 + seconds) * 1000;
    if (field.size() > 6) {
        if (field[6] != '.')
            return std::nullopt;
        int scale = 100;
        for (std::size_t i = 7; i < field.size(); ++i) {
            if (!Digit(field[i]))
                return std::nullopt;
            time.Milliseconds += (field[i] - '0') * scale;
            time.Fraction |= field[i] != '0';
            scale /= 10;
        }
    }
    return time;
}

} // namespace

std::optional<LineTime> LineTimeStamp(std::string_view line)
{
    if (line.size() < 8 || line[0] != '$' || line[1] == 'P' || line[6] != ',')
        return std::nullopt;
    const int wanted = TimeField(line.substr(3, 3));
    if (wanted == 0)
        return std::nullopt;
    const std::size_t star = line.find('*');
    if (star == std::string_view::npos || !ChecksumMatches(line, star))
        return std::nullopt;
    std::size_t begin = 0;
    for (int field = 0; field < wanted; ++field) {
        begin = line.find(',', begin);
        if (begin == std::string_view::npos || begin > star)
            return std::nullopt;
        ++begin;
    }
    std::size_t end = line.find_first_of(",*", begin);
    return ParseTime(line.substr(begin, end - begin));
}

std::string FormatReceiverTime(const LineTime& time)
{
    const std::int64_t ms = time.Milliseconds;
    char text[16];
    if (time.Fraction)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d.%d", static_cast<int>(ms / 3600000),
                      static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60),
                      static_cast<int>(ms % 1000 / 100));
    else
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(ms / 3600000),
                      static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60));
    return text;
}

} // namespace trakora
