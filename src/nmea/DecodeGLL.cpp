// $GPGLL,4916.45,N,12311.12,W,225444,A*31
//  1 latitude ddmm.mm      4 E or W
//  2 N or S                5 UTC time hhmmss (missing in the older form)
//  3 longitude dddmm.mm    6 status, A valid or V invalid (missing in the older form)
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

namespace trakora {

void DecodeGLL(GpsState& gps)
{
    // A sentence flagged invalid carries no usable position, but its status
    // is kept: otherwise an earlier "A" would go on claiming valid data
    // through a whole outage.
    const bool hasStatus = gps.SentenceFieldCount > 6;
    if (hasStatus && gps.Field(6) != "A") {
        gps.GLLStatus = gps.Field(6);
        return;
    }

    CoordinateZeroed(gps.Latitude, gps.Field(1), gps.Field(2), Axis::Latitude);
    gps.LatDir = gps.Field(2);
    CoordinateZeroed(gps.Longitude, gps.Field(3), gps.Field(4), Axis::Longitude);
    gps.LonDir = gps.Field(4);

    // Without a time the older form sets the position only.
    if (gps.SentenceFieldCount < 6)
        return;
    gps.UtcTime = gps.Field(5);
    gps.GLLStatus = gps.Field(6);
    gps.NewPosition = true;
}

} // namespace trakora
