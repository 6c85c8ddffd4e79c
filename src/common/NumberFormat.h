#pragma once

#include <string>
#include <string_view>

namespace trakora {

// Formats a number by a display pattern of '#', '0' and at most one '.':
//  - '0' before the point is a digit always shown, '#' one shown only when
//    needed, so "#####.0" prints no integer digit for values below 1 (".8")
//    and "###" prints nothing at all for 0;
//  - '0' after the point is a decimal always shown, '#' one dropped when it
//    is a trailing zero; the point itself is always kept ("30." for "##.#####");
//  - the value is rounded half away from zero at the last decimal shown;
//  - a negative result is preceded by "-", unless it rounds to zero;
//  - a value that is not a number gives "NaN", infinities "Inf" or "-Inf".
// decimalPoint replaces the '.' in the result (the user's separator).
std::string FormatNumber(double value, std::string_view pattern, char decimalPoint = '.');

// The shortest decimal text that reads back as the same single-precision
// value, as in "3.5" or "-1.25".
std::string ShortestFloatText(float value);

} // namespace trakora
