// $GPWPL,4917.16,N,12310.64,W,003*65
//  1 latitude ddmm.mmm     4 E or W
//  2 N or S                5 waypoint identifier
//  3 longitude dddmm.mmm
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"
#include "nmea/WaypointTable.h"

namespace trakora {

void DecodeWPL(GpsState& gps)
{
    const std::string& name = gps.Field(5);
    int entry = FindWaypoint(gps, name);

    // Coordinates stay the plain ddmm.mmm numbers. An unreadable one keeps
    // what the entry held, which for a new entry is 0.
    Waypoint incoming;
    if (entry >= 0) {
        incoming.WpLat = gps.Waypoints[entry].WpLat;
        incoming.WpLon = gps.Waypoints[entry].WpLon;
    }
    incoming.WpName = name;
    PlainCoordinateKept(incoming.WpLat, gps.Field(1), gps.Field(2), Axis::Latitude);
    incoming.WpLatDir = gps.Field(2);
    PlainCoordinateKept(incoming.WpLon, gps.Field(3), gps.Field(4), Axis::Longitude);
    incoming.WpLonDir = gps.Field(4);

    if (entry >= 0) {
        const Waypoint& known = gps.Waypoints[entry];
        if (known.WpLat == incoming.WpLat && known.WpLatDir == incoming.WpLatDir &&
            known.WpLon == incoming.WpLon && known.WpLonDir == incoming.WpLonDir)
            return;
    } else {
        entry = AppendWaypoint(gps);
        if (entry < 0)
            return;
    }
    gps.Waypoints[entry] = incoming;
}

} // namespace trakora
