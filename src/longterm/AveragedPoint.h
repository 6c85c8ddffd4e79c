#pragma once

#include "common/LocalTime.h"
#include "longterm/PositionSpread.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trakora {

// A row's averaged position as a waypoint to export or copy.
struct AveragedPoint {
    double Latitude = 0;  // signed degrees, south negative
    double Longitude = 0; // signed degrees, west negative
    std::optional<double> AltitudeMetres;
    std::optional<CivilDateTime> LastSampleUtc;
    std::string Name;
    std::string Description;
};

// The receiver's UTC from its "ddmmyy" date and "hhmmss" time fields; nothing
// when they do not form a valid date and time. Two-digit years are 2000 to 2099.
std::optional<CivilDateTime> ReceiverUtc(std::string_view ddmmyy, std::string_view hhmmss);

// "1800 samples, σ north 2.98 m, σ east 3.01 m, CEP50 3.53 m, CEP95 7.32 m,
// 2DRMS 8.47 m"; only the count below two samples.
std::string PointDescription(std::int32_t samples, const std::optional<AccuracyFigures>& figures);

} // namespace trakora
