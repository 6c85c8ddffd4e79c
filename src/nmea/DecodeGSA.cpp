// $GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39
//  1 selection mode, M manual or A automatic 2D/3D
//  2 fix mode, 1 none, 2 2D, 3 3D
//  3..14 PRN used on channels 1 to 12, empty for a channel not in use
//  15 PDOP   16 HDOP   17 VDOP
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

#include <algorithm>

namespace trakora {

void DecodeGSA(GpsState& gps)
{
    std::array<bool, SatSlots> inUse{};
    for (int k = 1; k <= SatSlots; ++k)
        inUse[static_cast<std::size_t>(k - 1)] = !TrimBlanks(gps.Field(k + 2)).empty();
    DecodeGSA(gps, inUse);
}

void DecodeGSA(GpsState& gps, const std::array<bool, SatSlots>& channelInUse)
{
    gps.FixSelectMode = gps.Field(1);
    gps.FixMode = gps.Field(2);

    // Only whether a channel is in use is kept; windows pair channel k with
    // satellite slot k by position.
    gps.SatUsed = channelInUse;
    gps.SatsUsed = static_cast<std::int32_t>(std::count(channelInUse.begin(), channelInUse.end(), true));

    NumberZeroed(gps.PDOP, gps.Field(15));
    NumberZeroed(gps.HDOP, gps.Field(16));
    NumberZeroed(gps.VDOP, gps.Field(17));
}

} // namespace trakora
