#pragma once

#include "nmea/GpsState.h"
#include "nmea/SatelliteTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trakora {

// A place for each satellite any system can name, for tables indexed by satellite.
constexpr int SatelliteKeys = GnssSystemCount * 64;
constexpr int SatelliteKey(SatelliteId id)
{
    return static_cast<int>(id.System) * 64 + (id.Number & 63);
}

// One satellite as the satellite windows show it.
struct SatelliteRow {
    SatelliteId Id;
    std::int16_t Elevation = UnknownAngle;
    std::int16_t Azimuth = UnknownAngle;
    std::int8_t Snr = NotTracked; // the best current signal
    bool Used = false;
    // The current signals in the order of their IDs (Group is not kept).
    std::array<SignalReport, MaxSignalsPerSatellite> Signals{};
    std::uint8_t SignalCount = 0;

    bool operator==(const SatelliteRow&) const = default;
};

struct SystemCount {
    std::int32_t InView = 0; // in the table: in view or used
    std::int32_t Used = 0;
};

// The satellites of every system as rows, sorted by system and then number,
// so that a row keeps its place while the same satellites stay, with the
// count of each system. Rebuilt from the satellite table every epoch; fixed
// size, nothing allocated after construction.
class SatelliteRows {
public:
    // More satellites than the twelve columns hold, or more than one system.
    // SBAS rides in the GPS sentences of receivers of every age, so it makes
    // no second system by itself.
    static bool NeedsTable(const SatelliteTable& table);

    void Update(const SatelliteTable& table);
    void Clear();

    int Count() const { return m_count; }
    const SatelliteRow& Row(int i) const { return m_rows[static_cast<std::size_t>(i)]; }
    const SystemCount& CountOf(GnssSystem system) const { return m_systems[static_cast<std::size_t>(system)]; }
    std::int32_t UsedCount() const;

    // "GPS 10/8  GLONASS 8/6  Galileo 7/5": in the table / used, for each system present.
    std::string SummaryText() const;

private:
    std::array<SatelliteRow, MaxSatellites> m_rows{};
    int m_count = 0;
    std::array<SystemCount, GnssSystemCount> m_systems{};
};

// The systems with a satellite used in the fix.
GnssSystemSet UsedSystems(const SatelliteTable& table);
// "GPS, GLONASS, Galileo", or in short "GPS, GLO, GAL" where space is scarce.
std::string SystemsText(GnssSystemSet systems, bool shortNames = false);

// "L5" for GPS signal ID 7, "E1" for Galileo 7; empty where unknown.
std::string_view SignalName(GnssSystem system, std::uint8_t signalId);

// "L1 C/A 45, L5 41": each current signal with its SNR ("-" when not
// tracked); empty for a satellite reported without signal IDs.
std::string SignalList(const SatelliteRow& row);

// What a screen reader says of a satellite: "Galileo E11, elevation 78,
// azimuth 13, signal 49, used in fix".
std::string DescribeSatellite(const SatelliteRow& row);

} // namespace trakora
