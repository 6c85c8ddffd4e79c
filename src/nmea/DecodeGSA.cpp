// $GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39
//  1 selection mode, M manual or A automatic 2D/3D
//  2 fix mode, 1 none, 2 2D, 3 3D
//  3..14 PRN used on channels 1 to 12, empty for a channel not in use
//  15 PDOP   16 HDOP   17 VDOP
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

namespace trakora {

void DecodeGSA(GpsState& gps)
{
    gps.FixSelectMode = gps.Field(1);
    gps.FixMode = gps.Field(2);

    // Only whether a channel is in use is kept; windows pair channel k with
    // satellite slot k by position.
    std::int32_t used = 0;
    for (int k = 1; k <= SatSlots; ++k) {
        const bool inUse = !TrimBlanks(gps.Field(k + 2)).empty();
        gps.SatUsed[k - 1] = inUse;
        if (inUse)
            ++used;
    }
    gps.SatsUsed = used;

    NumberZeroed(gps.PDOP, gps.Field(15));
    NumberZeroed(gps.HDOP, gps.Field(16));
    NumberZeroed(gps.VDOP, gps.Field(17));
}

} // namespace trakora
