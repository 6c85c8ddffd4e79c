#pragma once

#include "nmea/GnssSystem.h"

#include <array>
#include <cstdint>

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
    bool operator==(const SignalReport&) const = default;
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
    // In the table: in view or used in the fix.
    bool Listed() const { return Groups != 0 || Used; }
    // A signal counts while the group that reported it has not begun a new pass without it.
    bool SignalCurrent(int s) const { return (Groups >> Signals[static_cast<std::size_t>(s)].Group & 1u) != 0; }
    // The strongest current signal, or NotTracked.
    std::int8_t BestSnr() const;
};

// One satellite as a GSV sentence reports it; unknown values are left out.
struct GsvSatellite {
    SatelliteId Id;
    std::int16_t Elevation = UnknownAngle;
    std::int16_t Azimuth = UnknownAngle;
    std::int8_t Snr = NotTracked;
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
// them between passes). A full table takes no new satellites, so one system
// never pushes out another's.
class SatelliteTable {
public:
    // The receiver's time of day from the latest sentence that carried one.
    void SetTime(std::int32_t msOfDay);
    std::int32_t Time() const { return m_now; }

    // A GSV sentence of `talker` begins: the group it belongs to, or -1 when
    // it has no place in a pass (no sentence number). Its satellites follow.
    int BeginGsv(std::array<char, 2> talker, std::int32_t sentenceNumber, std::uint8_t signalId);
    void ReportInView(int group, std::uint8_t signalId, const GsvSatellite& satellite)
    {
        // The usual case: a satellite of an earlier pass reported again on the same signal.
        if (group >= 0 && group < MaxGsvGroups && satellite.Id.Valid()) {
            if (const int at = m_index[IndexKey(satellite.Id)]) {
                SatelliteEntry& e = m_entries[static_cast<std::size_t>(at - 1)];
                if (e.SignalCount != 0 && e.Signals[0].Id == signalId) {
                    Refresh(e, group, satellite);
                    e.Signals[0].Snr = satellite.Snr;
                    e.Signals[0].Group = static_cast<std::uint8_t>(group);
                    return;
                }
            }
        }
        ReportAnyInView(group, signalId, satellite);
    }

    // A GSA: `systems` are the systems it speaks for (their used flags are
    // replaced) besides those of the satellites `used` it names.
    void ApplyGsa(GnssSystemSet systems, const SatelliteId* used, int usedCount);

    // The satellites in the table (in view or used), in no particular order.
    template <typename Visit>
    void ForEach(Visit visit) const
    {
        for (int i = 0; i < m_slots; ++i)
            if (m_entries[static_cast<std::size_t>(i)].Listed())
                visit(m_entries[static_cast<std::size_t>(i)]);
    }
    const SatelliteEntry* Find(SatelliteId id) const;
    int Count() const;
    int UsedCount() const;
    // GSV groups heard and not yet aged out.
    int GroupCount() const { return m_groupCount; }
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

    static std::size_t IndexKey(SatelliteId id)
    {
        return static_cast<std::size_t>(id.System) * 64 + (id.Number & 63u);
    }
    void Refresh(SatelliteEntry& e, int group, const GsvSatellite& satellite)
    {
        e.Groups |= 1u << static_cast<unsigned>(group);
        e.SeenAt = m_now;
        // A sentence that repeats a satellite for another signal often leaves its position empty.
        if (satellite.Elevation != UnknownAngle)
            e.Elevation = satellite.Elevation;
        if (satellite.Azimuth != UnknownAngle)
            e.Azimuth = satellite.Azimuth;
    }
    void ReportAnyInView(int group, std::uint8_t signalId, const GsvSatellite& satellite);

    int FindGroup(std::array<char, 2> talker, std::uint8_t signalId) const;
    int AddGroup(std::array<char, 2> talker, std::uint8_t signalId);
    int CurrentGroupOf(std::array<char, 2> talker) const;
    void Withdraw(int group);
    void Forget(int group);
    void Age();
    bool Stale(std::int32_t at) const;
    SatelliteEntry* FindOrAdd(SatelliteId id);
    void RemoveAt(int i);
    void Reported();

    // Slots [0, m_slots) hold entries; those no longer listed stay until
    // their satellite comes back or the slot is needed.
    std::array<SatelliteEntry, MaxSatellites> m_entries{};
    int m_slots = 0;
    // Slot + 1 by system and number (0: none); every number fits below 64.
    std::array<std::uint8_t, GnssSystemCount * 64> m_index{};
    std::array<Group, MaxGsvGroups> m_groups{};
    int m_groupCount = 0;
    int m_lastOpened = 0; // the group whose pass began last
    std::uint32_t m_sequence = 0;
    std::int32_t m_now = -1;
    bool m_gsaSeen = false;
    std::int32_t m_agedAt = -1;
    // Bounds of the report times at the last full ageing pass, widened by
    // later reports: while both lie within the lifetime before now, nothing
    // can have aged. -1: a pass is due.
    std::int32_t m_oldest = -1;
    std::int32_t m_latest = -1;
};

} // namespace trakora
