// $GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V*20
//  1 status, A valid or V warning        8 destination longitude dddmm.mm
//  2 cross-track error, nautical miles    9 E or W
//  3 direction to steer, L or R          10 range to destination, nautical miles
//  4 origin waypoint identifier          11 bearing to destination, degrees true
//  5 destination waypoint identifier     12 closing velocity, knots
//  6 destination latitude ddmm.mm        13 arrival status, A entered or V not
//  7 N or S
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

namespace trakora {

void DecodeRMB(GpsState& gps)
{
    gps.RMBStatus = gps.Field(1);
    NumberZeroed(gps.CrossTrackErr, gps.Field(2));
    gps.SteerDir = gps.Field(3);
    gps.OriginWaypoint = gps.Field(4);
    gps.DestWaypoint = gps.Field(5);
    // The destination is kept as the plain ddmm.mm number the receiver sent.
    PlainCoordinateZeroed(gps.DestLat, gps.Field(6), gps.Field(7), Axis::Latitude);
    gps.DestLatDir = gps.Field(7);
    PlainCoordinateZeroed(gps.DestLon, gps.Field(8), gps.Field(9), Axis::Longitude);
    gps.DestLonDir = gps.Field(9);
    NumberZeroed(gps.DestRange, gps.Field(10));
    NumberZeroed(gps.DestBearingTrue, gps.Field(11));
    gps.DestBearingMag = MagneticFromTrue(gps.DestBearingTrue, gps.MagVar, gps.MagVarDir);
    NumberZeroed(gps.DestClosingVel, gps.Field(12));
    gps.ArrivalStatus = gps.Field(13);
}

} // namespace trakora
