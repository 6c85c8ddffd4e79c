// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
//  1 UTC time hhmmss        7 speed over ground, knots
//  2 status, A or V         8 course over ground, degrees true
//  3 latitude ddmm.mmmm     9 UTC date ddmmyy
//  4 N or S                10 magnetic variation, degrees
//  5 longitude dddmm.mmmm  11 variation direction, E or W
//  6 E or W                12 mode indicator (not used)
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

namespace trakora {

void DecodeRMC(GpsState& gps)
{
    // The status is not tested: a warning sentence is decoded like a valid one.
    gps.UtcTime = gps.Field(1);
    gps.RMCStatus = gps.Field(2);
    CoordinateZeroed(gps.Latitude, gps.Field(3), gps.Field(4), Axis::Latitude);
    gps.LatDir = gps.Field(4);
    CoordinateZeroed(gps.Longitude, gps.Field(5), gps.Field(6), Axis::Longitude);
    gps.LonDir = gps.Field(6);
    NumberKept(gps.Speed, gps.Field(7));
    gps.SpeedUnit = "NA";
    NumberKept(gps.CourseTrue, gps.Field(8));
    // The variation of the previous sentence, read before this one's replaces it.
    gps.CourseMag = MagneticFromTrue(gps.CourseTrue, gps.MagVar, gps.MagVarDir);
    gps.UtcDate = gps.Field(9);
    NumberZeroed(gps.MagVar, gps.Field(10));
    gps.MagVarDir = gps.Field(11);
    gps.NewPosition = true;
}

} // namespace trakora
