#include "nmea/WaypointTable.h"

namespace trakora {

int FindWaypoint(const GpsState& gps, std::string_view name)
{
    for (std::int32_t i = 0; i < gps.WaypointCount && i < MaxWaypoints; ++i)
        if (gps.Waypoints[i].WpName.Trimmed() == name)
            return i;
    return -1;
}

int AppendWaypoint(GpsState& gps)
{
    if (gps.WaypointCount < 0 || gps.WaypointCount >= MaxWaypoints)
        return -1;
    return gps.WaypointCount++;
}

} // namespace trakora
