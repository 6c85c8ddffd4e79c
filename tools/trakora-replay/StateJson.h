#pragma once

#include "nmea/GpsState.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace trakora {

// Keys keep the order they were added in, so the output follows the record.
using Json = nlohmann::ordered_json;

// A text of 8-bit characters as a JSON string: each byte becomes the character
// of the same code (U+0000 to U+00FF). Nothing is lost, widths stay exact and
// line noise cannot make the output invalid.
Json TextJson(std::string_view bytes);

// A single-precision value as the shortest JSON number that reads back to it,
// whether the reader keeps it as a double or as a float.
Json SingleJson(float value);

// Every field of the receiver state under its own name.
Json StateJson(const GpsState& gps);

// One line of pure ASCII JSON (characters above 127 are written as \u escapes).
std::string DumpJson(const Json& value);

} // namespace trakora
