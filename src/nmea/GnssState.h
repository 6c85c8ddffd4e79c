#pragma once

#include "common/FixedText.h"
#include "nmea/SatelliteTable.h"

namespace trakora {

// What receivers of today say beyond the GPS state record: satellites of
// every system and the newer fix details. Filled while all talkers are
// decoded; lives beside GpsState for the whole run.
struct GnssState {
    SatelliteTable Satellites;
    FixedText<1> FaaMode;     // RMC field 12, GLL field 7: A, D, E, F, M, N (no fix), P, R, S
    FixedText<1> NavStatus;   // RMC field 13 (NMEA 4.11): shown only, never taken as validity
    FixedText<4> UtcFraction; // the fraction of the second after UtcTime's six characters (".20")
};

} // namespace trakora
