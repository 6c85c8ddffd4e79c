#pragma once

#include "common/ProgramSettings.h"
#include "common/SettingsStore.h"
#include "nmea/GnssState.h"
#include "nmea/GpsState.h"

namespace trakora {

// The program-wide records every window works with. The application object
// owns them; windows and routines get this bundle of references.
struct ProgramContext {
    GpsState& Gps;
    ProgramSettings& Settings;
    ISettingsStore& Store;
    GnssState& Gnss; // satellites of every system, filled while all talkers are decoded
};

} // namespace trakora
