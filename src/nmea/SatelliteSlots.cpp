#include "nmea/GnssDecoders.h"

#include <algorithm>

namespace trakora {

void FillSatelliteSlots(const SatelliteTable& table, GpsState& gps)
{
    std::array<const SatelliteEntry*, MaxSatellites> order{};
    int inView = 0;
    table.ForEach([&](const SatelliteEntry& e) { order[static_cast<std::size_t>(inView++)] = &e; });
    const int shown = std::min(inView, SatSlots);
    std::partial_sort(order.begin(), order.begin() + shown, order.begin() + inView,
                      [](const SatelliteEntry* x, const SatelliteEntry* y) {
                          if (x->Used != y->Used)
                              return x->Used;
                          if (x->BestSnr() != y->BestSnr())
                              return x->BestSnr() > y->BestSnr();
                          if (x->Id.System != y->Id.System)
                              return x->Id.System < y->Id.System;
                          return x->Id.Number < y->Id.Number;
                      });

    for (int k = 0; k < SatSlots; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        if (k >= shown) {
            gps.SatPRN[slot] = gps.SatElevation[slot] = gps.SatAzimuth[slot] = gps.SatSNR[slot] = 0;
            gps.SatUsed[slot] = false;
            continue;
        }
        const SatelliteEntry& e = *order[slot];
        gps.SatPRN[slot] = SlotNumber(e.Id);
        gps.SatElevation[slot] = e.Elevation == UnknownAngle ? 0 : e.Elevation;
        gps.SatAzimuth[slot] = e.Azimuth == UnknownAngle ? 0 : e.Azimuth;
        gps.SatSNR[slot] = std::max<std::int32_t>(e.BestSnr(), 0);
        gps.SatUsed[slot] = e.Used;
    }
    gps.SatsInView = inView;
    if (table.GsaSeen())
        gps.SatsUsed = table.UsedCount();
}

} // namespace trakora
