#pragma once

#include "common/ProgramSettings.h"

#include <string>
#include <string_view>

namespace trakora {

constexpr char DegreeSign[] = "\xC2\xB0"; // UTF-8 degree sign

// All display texts are UTF-8.

// An unsigned angle as degrees, minutes and seconds: " 45° 30' 45.00\"".
std::string FormatDMS(double degrees, char decimalPoint = '.');

// An unsigned angle as whole degrees and minutes formatted by minutesPattern
// (see FormatNumber), followed by "' ": "45° 7.40707' " for "##.#####".
std::string FormatDegreesMinutes(double degrees, std::string_view minutesPattern, char decimalPoint = '.');

// "hhmmss" as "hh:mm:ss"; the content is not checked.
std::string FormatTime(std::string_view hhmmss);

// "ddmmyy" in the order chosen by settings.DateFormat, or " " for an unknown
// format.
std::string FormatDate(std::string_view ddmmyy, const ProgramSettings& settings);

} // namespace trakora
