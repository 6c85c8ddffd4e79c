#pragma once

#include "nmea/GpsState.h"

#include <string_view>

namespace trakora {

// Index of the entry whose stored name, without blanks at either end, is
// exactly `name`; -1 when there is none.
int FindWaypoint(const GpsState& gps, std::string_view name);

// Index of a newly appended entry, or -1 when the table is full (new
// identifiers are then ignored).
int AppendWaypoint(GpsState& gps);

} // namespace trakora
