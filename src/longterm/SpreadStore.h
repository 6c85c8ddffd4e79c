#pragma once

#include "common/SettingsStore.h"
#include "longterm/PositionSpread.h"

#include <cstdint>

namespace trakora {

// The spread entries of the long-term rows in the settings store, beside the
// sums: per row r (key "0" to "9") the reference position in signed degrees
// (RefLat, RefLon), the sums of the north and east offsets in metres (LatOff,
// LonOff), the sums of their squares (LatSq, LonSq) and the number of samples
// in them (SqSamps). The altitude spread lives under Altitude as RefAlt,
// AltOff, AltSq (metres) and AltSqSamps. All are fixed-notation decimal text.
//
// A store written before the spread was kept has none of these entries; the
// spread is then unknown and starts with the next sample. Entries that are
// damaged (not a fixed-notation number, or no set of samples could give them)
// make the spread unknown in the same way, as does a spread of more samples
// than its row holds.
PositionSpread LoadPositionSpread(ISettingsStore& store, int row, std::int32_t rowSampleCount);
void SavePositionSpread(ISettingsStore& store, int row, const PositionSpread& spread);

ValueSpread LoadAltitudeSpread(ISettingsStore& store, std::int32_t altitudeSampleCount);
void SaveAltitudeSpread(ISettingsStore& store, const ValueSpread& spread);

} // namespace trakora
