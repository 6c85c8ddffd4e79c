#pragma once

#include "common/ProgramSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace trakora {

// The receiver's UTC date "ddmmyy" and time "hhmmss" moved by the user's UTC
// offset with full calendar carry, as "ddmmyy" of the local date. Two-digit
// years are read as 2000 to 2099 and printed as their last two digits.
// Nothing when the two fields do not form a valid date and time.
std::optional<std::string> LocalDateDDMMYY(std::string_view utcDate, std::string_view utcTime,
                                            const ProgramSettings& settings);

// "hh:mm:ss" of the local time of day, the seconds kept as received. It needs
// no date: hours and minutes wrap around the day. Nothing when the time does
// not hold six digits.
std::optional<std::string> LocalTimeText(std::string_view utcTime, const ProgramSettings& settings);

} // namespace trakora
