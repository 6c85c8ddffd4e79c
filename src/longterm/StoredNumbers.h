#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trakora {

// Decimal text in fixed notation with up to 15 significant digits and a full
// stop, never an exponent, trailing zeros dropped: "180.5",
// "0.0000499999987368938", "0". A value that is not finite gives "0".
std::string FixedDecimalText(double value);

// A stored long-term sum: the leading number of the text as the settings read
// numbers, extended by an exponent ("4.99999987368938e-05"), as earlier
// versions wrote small sums. Text without a number reads as 0; nothing when
// the number does not fit a double.
std::optional<double> ReadStoredSum(std::string_view text);

// A stored figure that this version writes only in fixed notation: the whole
// text, blanks aside, must be such a number. Letters, exponents, "nan" or
// empty text give nothing.
std::optional<double> ReadFixedDecimal(std::string_view text);

} // namespace trakora
