#pragma once

#include "nmea/GnssSystem.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace trakora {

constexpr int MaxSatellites = 64;          // more than any real sky holds
constexpr int MaxSignalsPerSatellite = 4;
constexpr int MaxGsvGroups = 32;           // (talker, signal ID) pairs
constexpr std::uint8_t NoSignalId = 16;    // a GSV without the NMEA 4.10 signal ID
constexpr std::int16_t UnknownAngle = INT16_MIN;
constexpr std::int8_t NotTracked = -1;
constexpr std::int32_t SatelliteLifetimeMs = 3000; // of receiver time

// One signal of a satellite: its SNR (dB, or NotTracked) and the GSV group
// that last reported it.
struct SignalReport {
    std::uint8_t Id = NoSignalId;
    std::int8_t Snr = NotTracked;
    std::uint8_t Group = 0;
};

struct SatelliteEntry {
    SatelliteId Id;
    std::int16_t Elevation = UnknownAngle; // degrees, -90..90
    std::int16_t Azimuth = UnknownAngle;   // degrees true, 0..359
    std::array<SignalReport, MaxSignalsPerSatellite> Signals{};
    std::uint8_t SignalCount = 0;
    std::uint32_t Groups = 0; // the GSV groups whose current pass listed it
    bool Used = false;        // named by a GSA as used in the fix
    std::int32_t SeenAt = -1; // receiver time (ms of the day) of the last GSV report, -1 unknown
    std::int32_t UsedAt = -1; // the same for the last GSA that named it

    bool InView() const { return Groups != 0; }
    // The strongest signal, or NotTracked.
    std::int8_t BestSnr() const;
};

// One satellite as a GSV sentence reports it; unknown values are left out.
struct GsvSatellite {
    SatelliteId Id;
    std::int16_t Elevation = UnknownAngle;
    std::int16_t Azimuth = UnknownAngle;
    std::int8_t Snr = NotTracked;
};

struct GsvReport {
    std::array<char, 2> Talker{};
    std::int32_t SentenceNumber = 0;
    std::uint8_t SignalId = NoSignalId;
    std::array<GsvSatellite, 4> Satellites{};
    int SatelliteCount = 0;
};

// The satellites of every system, keyed by (system, number), with their
// position, signals and use in the fix. Fixed size: nothing is allocated
// after construction, whatever the input.
//
// GSV groups are told apart by talker and signal ID. When a group's first
// sentence arrives, what that group reported on its previous pass is taken
// back and nothing else; later sentences belong to the group their talker
// opened last. A satellite neither reported by a GSV nor named by a GSA for
// more than three seconds of receiver time leaves the table (checked when a
// group begins, so receivers that send satellites every few seconds keep
// them between passes).
class SatelliteTable {
public:
    // The receiver's time of day from the latest sentence that carried one.
    void SetTime(std::int32_t msOfDay) { m_now = msOfDay; }
    std::int32_t Time() const { return m_now; }

    void ApplyGsv(const GsvReport& report);

    // A GSA: `systems` are the systems it speaks for (their used flags are
    // replaced); `used` the satellites it names.
    void ApplyGsa(GnssSystemSet systems, const SatelliteId* used, int usedCount);

    int Count() const { return m_count; }
    const SatelliteEntry& Entry(int i) const { return m_entries[static_cast<std::size_t>(i)]; }
    const SatelliteEntry* Find(SatelliteId id) const;

    // Every satellite in the table is in view: listed by a GSV or used in the fix.
    int InViewCount() const { return m_count; }
    int UsedCount() const;
    // GSV groups heard and not yet aged out.
    int GroupCount() const;
    bool GsaSeen() const { return m_gsaSeen; }

    void Clear() { *this = SatelliteTable(); }

private:
    struct Group {
        std::array<char, 2> Talker{};
        std::uint8_t SignalId = NoSignalId;
        bool InUse = false;
        std::uint32_t OpenedSequence = 0; // when its current pass began
        std::uint32_t UsedSequence = 0;   // when it was last heard
        std::int32_t HeardAt = -1;
    };

    int FindGroup(std::array<char, 2> talker, std::uint8_t signalId) const;
    int AddGroup(std::array<char, 2> talker, std::uint8_t signalId);
    int CurrentGroupOf(std::array<char, 2> talker) const;
    void WithdrawGroup(int group);
    void Age();
    bool Stale(std::int32_t at) const;
    SatelliteEntry* FindOrAdd(SatelliteId id);
    void Report(int group, std::uint8_t signalId, const GsvSatellite& satellite);
    void RemoveIfUnreported(int i);

    std::array<SatelliteEntry, MaxSatellites> m_entries{};
    int m_count = 0;
    std::array<Group, MaxGsvGroups> m_groups{};
    std::uint32_t m_sequence = 0;
    std::int32_t m_now = -1;
    bool m_gsaSeen = false;
};

} // namespace trakora
