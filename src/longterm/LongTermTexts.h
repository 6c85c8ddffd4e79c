#pragma once

#include "common/ProgramSettings.h"
#include "longterm/PositionSpread.h"

#include <cstdint>
#include <string>

namespace trakora {

// An unsigned average in degrees as the window shows it by DegreeFormat;
// format 3 ends with the hemisphere letter when one is known. Empty for a
// value that is no angle (beyond 0 to 180, or not a number) and for an
// unknown format.
std::string AverageText(double degrees, char hemisphere, const ProgramSettings& settings);

// A signed position in the window's degree format with its hemisphere
// letters, as "45.51250° N, 7.50000° W".
std::string PositionText(double latitude, double longitude, const ProgramSettings& settings);

// The accuracy figures of a row in the small unit, or blanks below two samples.
struct SpreadTexts {
    std::string SigmaNorth;
    std::string SigmaEast;
    std::string Cep50;
    std::string Cep95;
    std::string TwoDrms;
    std::string Samples;
};
SpreadTexts SpreadTextsOf(const PositionSpread& spread, const ProgramSettings& settings);

// One standard deviation of the altitude in the small unit; blank below two
// samples.
std::string SigmaUpText(const ValueSpread& altitude, const ProgramSettings& settings);

// A length in metres in the small unit, two decimals and the unit's suffix.
std::string SmallUnitText(double metres, const ProgramSettings& settings);

} // namespace trakora
