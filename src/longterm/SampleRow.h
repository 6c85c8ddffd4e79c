#pragma once

#include "common/LocalTime.h"
#include "longterm/PositionSpread.h"
#include "longterm/SampleCloud.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trakora {

// A row without a usable interval waits this long (30 days) between samples.
constexpr std::int32_t NoIntervalSecs = 2592000;

// One long-term averaging row: the user's choices for it and its sums.
struct SampleRow {
    // Choices made in the window (the tick box and the two lists).
    bool Enabled = false;
    std::string IntervalText; // "1" to "60", or empty when none is chosen
    std::string TypeText;     // "Secs", "Mins", "Hours", or empty

    double LatSum = 0;
    double LonSum = 0;
    std::int32_t RowSampleCount = 0;
    std::int32_t RowIntervalSecs = NoIntervalSecs;
    LocalTime RowLastSample = 0;
    bool HasLastSample = false;

    // The spread of the samples since it was started (signed coordinates),
    // the latest samples for the scatter plot, and the receiver's UTC of the
    // last sample when it sent a date.
    PositionSpread Spread;
    SampleCloud Cloud;
    std::optional<CivilDateTime> LastSampleUtc;
};

} // namespace trakora
