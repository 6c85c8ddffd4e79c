// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
//  1 UTC time hhmmss(.ss)      7 satellites used
//  2 latitude ddmm.mmmm        8 horizontal dilution of precision
//  3 N or S                    9 altitude above mean sea level
//  4 longitude dddmm.mmmm     10 altitude unit, M or F
//  5 E or W                   11 geoidal separation
//  6 fix quality 0, 1, 2      12 geoidal separation unit, M or F
//                             13, 14 differential age and station (not used)
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

namespace trakora {

void DecodeGGA(GpsState& gps)
{
    // The fix quality is not tested: a no-fix sentence still overwrites the position.
    gps.UtcTime = gps.Field(1);
    CoordinateZeroed(gps.Latitude, gps.Field(2), gps.Field(3), Axis::Latitude);
    gps.LatDir = gps.Field(3);
    CoordinateZeroed(gps.Longitude, gps.Field(4), gps.Field(5), Axis::Longitude);
    gps.LonDir = gps.Field(5);
    gps.FixQuality = gps.Field(6);
    WholeNumberZeroed(gps.SatsUsed, gps.Field(7));
    NumberZeroed(gps.HDOP, gps.Field(8));
    NumberZeroed(gps.Altitude, gps.Field(9));
    gps.AltUnit = UnitLetterCode(gps.Field(10));
    NumberZeroed(gps.GeoidSep, gps.Field(11));
    gps.GeoidUnit = UnitLetterCode(gps.Field(12));
    gps.NewAltitude = true;
}

} // namespace trakora
