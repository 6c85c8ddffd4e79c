#pragma once

#include <cstdint>
#include <string_view>

namespace trakora {

// The number at the start of a stored text: blanks, tabs and line feeds are
// ignored, the longest prefix that forms a decimal number (optional sign,
// digits, one full stop) is taken, and anything else reads as 0.
double LeadingNumber(std::string_view text);

// The same, rounded to the nearest whole number with halves to even, as the
// whole-number fields of the settings are read. Values beyond the 32-bit range
// read as 0.
std::int32_t LeadingWholeNumber(std::string_view text);

// Truth value of a stored flag: a non-zero number or the word "True" (any
// case) is set; anything else is clear.
bool ReadTruthValue(std::string_view text);

// Rounds to the nearest whole number, halves to even.
double RoundHalfEven(double value);

} // namespace trakora
