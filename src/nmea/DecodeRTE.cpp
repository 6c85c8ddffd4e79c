// $GPRTE,2,1,c,0,PBRCPK,PBRTO,PTELGR,PPLAND,PYAMBU,PPFAIR,PWARRN,PMORTL,PLISMR*73
//  1 number of sentences for the route   3 c complete route, w working route
//  2 number of this sentence             4 route identifier
//  5 onward: waypoint identifiers in route order
#include "nmea/Decoders.h"
#include "nmea/WaypointTable.h"

namespace trakora {

void DecodeRTE(GpsState& gps)
{
    gps.RouteComplete = gps.Field(2) == gps.Field(1);

    // A sentence with a single identifier adds nothing to the table.
    if (gps.SentenceFieldCount == 6)
        return;

    for (int k = 5; k < gps.SentenceFieldCount; ++k) {
        const std::string& name = gps.Field(k);
        if (FindWaypoint(gps, name) >= 0)
            continue;
        const int entry = AppendWaypoint(gps);
        if (entry < 0)
            return;
        Waypoint& wp = gps.Waypoints[entry];
        wp.WpName = name;
        wp.WpLat = 0;
        wp.WpLatDir = "?";
        wp.WpLon = 0;
        wp.WpLonDir = "?";
    }
}

} // namespace trakora
