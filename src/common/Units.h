#pragma once

#include "common/ProgramSettings.h"

#include <string>
#include <string_view>

namespace trakora {

// Altitude in unit `from` ("FE" or "ME", any case) converted to
// settings.SmallUnit; 0 for any other code.
float ConvertSmallUnit(float value, std::string_view from, const ProgramSettings& settings);

// The same conversion into an explicit target unit.
float ConvertSmallUnitTo(float value, std::string_view from, std::string_view to);

// Speed or distance in unit `from` ("NA", "ST" or "KI", upper case only)
// converted to settings.LargeUnit; 0 for any other code.
float ConvertLargeUnit(float value, std::string_view from, const ProgramSettings& settings);

// " Feet", " Meters", " Fathoms", " MPH", " KPH" or " Knots"; empty for an
// unknown code.
std::string UnitSuffix(std::string_view unitCode);

// "FE" for the letter "f" that follows a receiver's altitude, else two blanks.
std::string AltitudeUnitCode(std::string_view unitLetter);

} // namespace trakora
