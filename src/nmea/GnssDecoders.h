#pragma once

#include "nmea/GnssState.h"
#include "nmea/GpsState.h"

#include <cstdint>
#include <string_view>

namespace trakora {

// The decoders used when every talker is accepted. Each runs the GPS
// decoder of its sentence type and then keeps what receivers of today add:
// satellites by system, the FAA mode, the navigational status, the fraction
// of the second. With satellites from one GSV group only, the twelve
// satellite slots and both satellite counts come out exactly as the GPS
// decoders make them; with more groups they come from the satellite table.
void DecodeRMCAllTalkers(GpsState& gps, GnssState& gnss);
void DecodeGLLAllTalkers(GpsState& gps, GnssState& gnss);
void DecodeGGAAllTalkers(GpsState& gps, GnssState& gnss);
void DecodeGSAAllTalkers(GpsState& gps, GnssState& gnss);
void DecodeGSVAllTalkers(GpsState& gps, GnssState& gnss);

// hhmmss or hhmmss.sss as milliseconds of the day; false when it is no time.
bool ReadTimeOfDay(std::string_view field, std::int32_t& msOfDay);

// "RTK fixed" for GGA fix quality "4" and the like; empty when unknown.
std::string_view FixQualityName(const FixedText<1>& quality);

// The twelve slots and the two counts from the table: satellites used in the
// fix first, then the strongest.
void FillSatelliteSlots(const SatelliteTable& table, GpsState& gps);

} // namespace trakora
