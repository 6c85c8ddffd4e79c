#include "GnssJson.h"

#include "nmea/GnssDecoders.h"

#include <algorithm>
#include <array>

namespace trakora {

namespace {

Json AngleJson(std::int16_t angle)
{
    return angle == UnknownAngle ? Json(nullptr) : Json(angle);
}

Json SnrJson(std::int8_t snr)
{
    return snr == NotTracked ? Json(nullptr) : Json(snr);
}

std::string SignalKey(std::uint8_t id)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    return id == NoSignalId ? std::string("none") : std::string(1, Hex[id & 0xF]);
}

Json SatelliteJson(const SatelliteEntry& e)
{
    Json satellite = Json::object();
    satellite["system"] = std::string(SystemName(e.Id.System));
    satellite["id"] = std::string(DisplayName(e.Id).data());
    satellite["prn"] = OfficialNumber(e.Id);
    satellite["elevation"] = AngleJson(e.Elevation);
    satellite["azimuth"] = AngleJson(e.Azimuth);
    satellite["snr"] = SnrJson(e.BestSnr());
    Json bySignal = Json::object(); // in the order of the signal IDs
    for (std::uint8_t id = 0; id <= NoSignalId; ++id)
        for (int s = 0; s < e.SignalCount; ++s)
            if (e.Signals[static_cast<std::size_t>(s)].Id == id && e.SignalCurrent(s))
                bySignal[SignalKey(id)] = SnrJson(e.Signals[static_cast<std::size_t>(s)].Snr);
    satellite["signals"] = std::move(bySignal);
    satellite["used"] = e.Used;
    return satellite;
}

} // namespace

void AddGnssJson(Json& state, const GpsState& gps, const GnssState& gnss)
{
    state["fix_quality_name"] = std::string(FixQualityName(gps.FixQuality));
    state["faa_mode"] = TextJson(gnss.FaaMode.Trimmed());
    state["nav_status"] = TextJson(gnss.NavStatus.Trimmed());
    state["utc_fraction"] = TextJson(gnss.UtcFraction.Trimmed());

    std::array<const SatelliteEntry*, MaxSatellites> order{};
    int count = 0;
    gnss.Satellites.ForEach([&](const SatelliteEntry& e) { order[static_cast<std::size_t>(count++)] = &e; });
    std::sort(order.begin(), order.begin() + count, [](const SatelliteEntry* a, const SatelliteEntry* b) {
        return a->Id.System != b->Id.System ? a->Id.System < b->Id.System : a->Id.Number < b->Id.Number;
    });
    Json satellites = Json::array();
    for (int i = 0; i < count; ++i)
        satellites.push_back(SatelliteJson(*order[static_cast<std::size_t>(i)]));
    state["satellites"] = std::move(satellites);
}

} // namespace trakora
