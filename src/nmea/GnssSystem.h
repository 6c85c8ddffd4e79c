#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace trakora {

// The satellite systems a receiver reports, in the order they are listed.
enum class GnssSystem : std::uint8_t { GPS, SBAS, GLONASS, Galileo, BeiDou, QZSS, NavIC };
constexpr int GnssSystemCount = 7;

// A satellite: its system and its number within that system, as RINEX
// numbers them (GPS and Galileo PRN, SBAS PRN - 100, GLONASS slot, BeiDou
// PRN, QZSS PRN - 192, NavIC PRN). Number 0 is no satellite.
struct SatelliteId {
    GnssSystem System = GnssSystem::GPS;
    std::uint8_t Number = 0;

    bool Valid() const { return Number != 0; }
    bool operator==(const SatelliteId&) const = default;
};

// A set of systems, one bit each.
using GnssSystemSet = std::uint8_t;
constexpr GnssSystemSet SystemBit(GnssSystem system)
{
    return static_cast<GnssSystemSet>(1u << static_cast<unsigned>(system));
}

// Tells the satellites of one sentence apart: the satellite a receiver
// numbers `number` in a sentence of `talker` ("GP", "GL", "GN", ...), with
// the NMEA 4.11 system ID of a GSA (0 when absent). The talker decides
// first, then the system ID, then the number ranges receivers use; an
// invalid result means no satellite.
class SatelliteClassifier {
public:
    SatelliteClassifier(std::string_view talker, int systemId);

    SatelliteId Classify(std::int32_t number) const
    {
        // GPS numbers in GPS sentences: most of what receivers send.
        if (m_family == MixedFamily && number >= 1 && number <= 32)
            return SatelliteId{GnssSystem::GPS, static_cast<std::uint8_t>(number)};
        return ClassifyOther(number);
    }
    // The systems the sentence speaks for whatever numbers it carries (GP
    // and ID 1 cover GPS and SBAS); none for "GN" without ID.
    GnssSystemSet NamedSystems() const;

private:
    static constexpr std::uint8_t MixedFamily = 1;
    SatelliteId ClassifyOther(std::int32_t number) const;

    std::uint8_t m_family;
};

inline SatelliteId ClassifySatellite(std::string_view talker, int systemId, std::int32_t number)
{
    return SatelliteClassifier(talker, systemId).Classify(number);
}

// "G05", "R07", "E11", "C20", "J02", "I03", "S31".
std::array<char, 4> DisplayName(SatelliteId id);

// "GPS", "SBAS", "GLONASS", "Galileo", "BeiDou", "QZSS", "NavIC".
std::string_view SystemName(GnssSystem system);

// The number the system's own documents use: the PRN (SBAS 120-158, QZSS
// 193-202) or, for GLONASS, the slot.
int OfficialNumber(SatelliteId id);

// The single number that stands for the satellite among all systems in the
// twelve receiver slots: GPS 1-32, SBAS 33-64 (PRN 120-151) or its PRN,
// GLONASS 65-96, QZSS 193-202, Galileo 301-336, BeiDou 401-463, NavIC 501+.
std::int32_t SlotNumber(SatelliteId id);

} // namespace trakora
