#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trakora {

// The receiver's UTC time of day carried by a logged sentence.
struct LineTime {
    std::int64_t Milliseconds = 0; // since midnight
    bool Fraction = false;         // the stamp has a non-zero fraction of a second (a 10 Hz receiver)
};

constexpr std::int64_t MillisecondsPerDay = 24LL * 3600 * 1000;

// The time stamp of a checksummed GGA, RMC, GLL, ZDA, GNS, GST, GBS or GRS
// sentence of any talker; nothing for other lines, damaged lines and
// stamps that are empty or not a time of day.
std::optional<LineTime> LineTimeStamp(std::string_view line);

// "hh:mm:ss" or, with a fraction, "hh:mm:ss.s".
std::string FormatReceiverTime(const LineTime& time);

} // namespace trakora
