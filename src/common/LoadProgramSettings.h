#pragma once

#include "common/ProgramSettings.h"
#include "common/SettingsStore.h"
#include "nmea/GpsState.h"

namespace trakora {

// Gives every preference and state flag its start value, then reads the store.
// Never fails: missing or damaged entries read as their defaults or as 0.
void LoadProgramSettings(ProgramSettings& settings, GpsState& gps, ISettingsStore& store);

// Writes a flag held as -1/0 the way the store keeps it.
inline const char* FlagText(bool set) { return set ? "-1" : "0"; }

} // namespace trakora
