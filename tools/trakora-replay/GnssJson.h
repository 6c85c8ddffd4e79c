#pragma once

#include "StateJson.h"

#include "nmea/GnssState.h"

namespace trakora {

// Adds what decoding every talker keeps to a state object: the fix quality
// by name, the FAA mode, the navigational status, the fraction of the
// second and every satellite by system (ordered by system and number).
void AddGnssJson(Json& state, const GpsState& gps, const GnssState& gnss);

} // namespace trakora
