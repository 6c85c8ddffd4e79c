#pragma once

#include "common/FixedText.h"

#include <cstdint>
#include <string_view>

namespace trakora {

// The field without blanks at either end.
std::string_view TrimBlanks(std::string_view field);

// A field that is a decimal number with "." as the point, blanks around it
// allowed. Anything else (empty, letters, trailing text) is unreadable.
bool ReadNumber(std::string_view field, double& value);

// The same, rounded to the nearest whole number with halves to even; a value
// outside the 32-bit range is unreadable.
bool ReadWholeNumber(std::string_view field, std::int32_t& value);

// Zeroed targets are cleared first, so an unreadable field leaves 0; kept
// targets keep their previous value. A number beyond the range of a float is
// unreadable.
void NumberZeroed(float& target, std::string_view field);
void NumberKept(float& target, std::string_view field);
void WholeNumberZeroed(std::int32_t& target, std::string_view field);
void WholeNumberKept(std::int32_t& target, std::string_view field);

enum class Axis { Latitude, Longitude };

// A ddmm.mmmm (dddmm.mmmm) field read with its hemisphere letter. It is
// unreadable when the number is, when it is negative or lies beyond 90 (180)
// degrees, or when the letter is neither blank nor N or S (E or W). On
// success `ddmm` holds the number as sent.
bool ReadCoordinate(std::string_view field, std::string_view hemisphere, Axis axis, double& ddmm);

// The coordinate as unsigned decimal degrees; 0 when unreadable.
void CoordinateZeroed(float& target, std::string_view field, std::string_view hemisphere, Axis axis);

// The coordinate kept as the plain ddmm.mmm number the receiver sent.
void PlainCoordinateZeroed(float& target, std::string_view field, std::string_view hemisphere, Axis axis);
void PlainCoordinateKept(float& target, std::string_view field, std::string_view hemisphere, Axis axis);

// "M" gives "ME", "F" gives "FE", anything else two blanks.
std::string_view UnitLetterCode(std::string_view letter);

// A true course or bearing turned magnetic with the stored variation; with
// no known direction of variation, or a sum beyond the range of a float, the
// true value is kept.
float MagneticFromTrue(float trueValue, float magVar, const FixedText<1>& magVarDir);

} // namespace trakora
