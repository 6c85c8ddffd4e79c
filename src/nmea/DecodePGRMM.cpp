// $PGRMM,WGS 84*06
//  1 map datum name, any length
#include "nmea/Decoders.h"

namespace trakora {

void DecodePGRMM(GpsState& gps)
{
    gps.MapDatum.assign(gps.Field(1));
}

} // namespace trakora
