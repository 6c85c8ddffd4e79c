#pragma once

#include "common/ReceiverOptions.h"
#include "nmea/GnssState.h"
#include "nmea/GpsState.h"

namespace trakora {

// Whether a GGA fix quality counts as a fix: GPS and differential; with
// every talker also RTK fixed and RTK float, which RTK receivers report for
// their best fixes.
bool FixQualityCountsAsFix(char quality, TalkerFilter talkers);

// The one fix verdict of a receiver heard with every talker: an FAA mode "N"
// says no fix whatever else does; otherwise the GGA fix quality decides once
// a GGA has given one, and the RMC or GLL status "A" before that (receivers
// without GGA). The RMC navigational status never counts.
bool CountsAsFix(const GpsState& gps, const GnssState& gnss);

// White or red for Position Information and Data Status: with GPS talkers
// only, the RMC or GLL status "A"; with every talker, CountsAsFix.
bool DataCountsAsValid(const GpsState& gps, const GnssState& gnss, TalkerFilter talkers);

// White or red for Satellite Information: with GPS talkers only, fix
// quality 1 or 2; with every talker, CountsAsFix.
bool QualityCountsAsFix(const GpsState& gps, const GnssState& gnss, TalkerFilter talkers);

} // namespace trakora
