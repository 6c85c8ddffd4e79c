#pragma once

#include "nmea/FieldReaders.h"
#include "nmea/GpsState.h"

#include <array>
#include <cstdint>

namespace trakora {

// The four satellite blocks of a GSV sentence (number, elevation, azimuth,
// SNR each), every field read once as a whole number.
struct GsvBlocks {
    struct Value {
        bool Read = false; // false: the field is empty or not a number
        std::int32_t Number = 0;
    };
    std::array<std::array<Value, 4>, 4> Satellite{}; // [j][0 number, 1 elevation, 2 azimuth, 3 SNR]
};

GsvBlocks ReadGsvBlocks(const GpsState& gps);

// A field read as ReadWholeNumber reads it, plain digits taking a short cut.
inline bool ReadWholeField(std::string_view field, std::int32_t& value)
{
    // Receivers send two or three plain digits or nothing; anything else takes the full reader.
    if (field.empty())
        return false;
    if (field.size() <= 4) {
        std::int32_t digits = 0;
        bool plain = true;
        for (char c : field) {
            if (c < '0' || c > '9') {
                plain = false;
                break;
            }
            digits = digits * 10 + (c - '0');
        }
        if (plain) {
            value = digits;
            return true;
        }
    }
    return ReadWholeNumber(field, value);
}

} // namespace trakora
