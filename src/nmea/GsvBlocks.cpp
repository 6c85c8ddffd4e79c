#include "nmea/GsvBlocks.h"

namespace trakora {

GsvBlocks ReadGsvBlocks(const GpsState& gps)
{
    GsvBlocks blocks;
    for (int j = 0; j < 4; ++j)
        for (int k = 0; k < 4; ++k) {
            GsvBlocks::Value& v = blocks.Satellite[static_cast<std::size_t>(j)][static_cast<std::size_t>(k)];
            v.Read = ReadWholeField(gps.Field(4 + 4 * j + k), v.Number);
        }
    return blocks;
}

} // namespace trakora
