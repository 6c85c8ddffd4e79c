// $PGRMZ,246,f,3*1B
//  1 altitude
//  2 unit, f for feet
//  3 fix dimension: 2 altitude entered by the user, 3 altitude from the GPS
#include "common/Units.h"
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

namespace trakora {

void DecodePGRMZ(GpsState& gps)
{
    if (TrimBlanks(gps.Field(1)).empty())
        return;
    NumberKept(gps.Altitude, gps.Field(1));
    gps.AltUnit = AltitudeUnitCode(gps.Field(2));
    WholeNumberKept(gps.AltFixDim, gps.Field(3));
}

} // namespace trakora
