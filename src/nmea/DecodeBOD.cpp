// $GPBOD,099.3,T,105.6,M,POINTB,*48
//  1 bearing origin to destination   4 its type, T true or M magnetic
//  2 its type, T true or M magnetic  5 destination waypoint identifier
//  3 bearing origin to destination   6 origin waypoint identifier
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

namespace trakora {

namespace {

// A bearing whose type letter is missing or unknown is not stored.
void AssignBearing(GpsState& gps, std::string_view bearing, std::string_view type)
{
    const std::string_view letter = TrimBlanks(type);
    if (letter == "T")
        NumberZeroed(gps.BODBearingTrue, bearing);
    else if (letter == "M")
        NumberZeroed(gps.BODBearingMag, bearing);
}

} // namespace

void DecodeBOD(GpsState& gps)
{
    gps.BODBearingTrue = 0;
    gps.BODBearingMag = 0;
    AssignBearing(gps, gps.Field(1), gps.Field(2));
    AssignBearing(gps, gps.Field(3), gps.Field(4));
    gps.DestWaypoint = gps.Field(5);
    gps.OriginWaypoint = gps.Field(6);
}

} // namespace trakora
