#pragma once

// Fills the satellite table of every system as the decoders do for one epoch of a receiver of today.
#include "nmea/GnssDecoders.h"

#include <map>
#include <utility>
#include <vector>

namespace trakora::testing {

struct TestSat {
    GnssSystem System;
    int Number, Elevation, Azimuth, Snr; // Snr -1: not tracked
    bool Used;
    std::uint8_t Signal = 1;
};

// SBAS satellites come with the GPS talker.
inline std::array<char, 2> TalkerOf(GnssSystem system)
{
    switch (system) {
    case GnssSystem::GLONASS: return {'G', 'L'};
    case GnssSystem::Galileo: return {'G', 'A'};
    case GnssSystem::BeiDou: return {'G', 'B'};
    case GnssSystem::QZSS: return {'G', 'Q'};
    case GnssSystem::NavIC: return {'G', 'I'};
    default: return {'G', 'P'};
    }
}

// One GSV group per talker and signal, one GSA per system; then the twelve slots and both counts as the
// decoders leave them, the group complete.
inline void ReportSky(GnssState& gnss, GpsState& gps, const std::vector<TestSat>& sats, int second)
{
    SatelliteTable& table = gnss.Satellites;
    table.SetTime(second * 1000);
    std::map<std::pair<std::array<char, 2>, std::uint8_t>, std::vector<const TestSat*>> groups;
    for (const TestSat& s : sats)
        groups[{TalkerOf(s.System), s.Signal}].push_back(&s);
    for (const auto& [key, members] : groups) {
        const int group = table.BeginGsv(key.first, 1, key.second);
        for (const TestSat* s : members)
            table.ReportInView(group, key.second,
                               GsvSatellite{SatelliteId{s->System, static_cast<std::uint8_t>(s->Number)},
                                            static_cast<std::int16_t>(s->Elevation), static_cast<std::int16_t>(s->Azimuth),
                                            static_cast<std::int8_t>(s->Snr)});
    }
    for (int system = 0; system < GnssSystemCount; ++system) {
        std::vector<SatelliteId> used;
        for (const TestSat& s : sats)
            if (static_cast<int>(s.System) == system && s.Used)
                used.push_back({s.System, static_cast<std::uint8_t>(s.Number)});
        table.ApplyGsa(SystemBit(static_cast<GnssSystem>(system)), used.data(), static_cast<int>(used.size()));
    }
    FillSatelliteSlots(table, gps);
    gps.SatViewComplete = true;
}

// `count` satellites numbered from 1 of each system given, the first `used` of them in the fix.
inline std::vector<TestSat> Constellations(std::initializer_list<std::tuple<GnssSystem, int, int>> systems)
{
    std::vector<TestSat> sats;
    for (const auto& [system, count, used] : systems)
        for (int i = 0; i < count; ++i)
            sats.push_back({system, i + 1, 10 + 2 * i, 15 * i, i < used ? 40 : 30, i < used});
    return sats;
}

} // namespace trakora::testing
