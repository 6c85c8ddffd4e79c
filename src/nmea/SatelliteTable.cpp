#include "nmea/SatelliteTable.h"

#include <algorithm>

namespace trakora {

namespace {

constexpr std::int32_t MsPerDay = 24 * 60 * 60 * 1000;

std::uint32_t GroupBit(int group)
{
    return 1u << static_cast<unsigned>(group);
}

} // namespace

std::int8_t SatelliteEntry::BestSnr() const
{
    std::int8_t best = NotTracked;
    for (int s = 0; s < SignalCount; ++s)
        best = std::max(best, Signals[static_cast<std::size_t>(s)].Snr);
    return best;
}

const SatelliteEntry* SatelliteTable::Find(SatelliteId id) const
{
    for (int i = 0; i < m_count; ++i)
        if (m_entries[static_cast<std::size_t>(i)].Id == id)
            return &m_entries[static_cast<std::size_t>(i)];
    return nullptr;
}

int SatelliteTable::UsedCount() const
{
    return static_cast<int>(
        std::count_if(m_entries.begin(), m_entries.begin() + m_count, [](const SatelliteEntry& e) { return e.Used; }));
}

int SatelliteTable::GroupCount() const
{
    return static_cast<int>(std::count_if(m_groups.begin(), m_groups.end(), [](const Group& g) { return g.InUse; }));
}

void SatelliteTable::ApplyGsv(const GsvReport& report)
{
    // Without a place in a pass the sentence cannot be attributed to one.
    if (report.SentenceNumber < 1)
        return;

    int group = -1;
    if (report.SentenceNumber == 1) {
        Age();
        group = FindGroup(report.Talker, report.SignalId);
        if (group >= 0)
            WithdrawGroup(group);
        else
            group = AddGroup(report.Talker, report.SignalId);
        m_groups[static_cast<std::size_t>(group)].OpenedSequence = ++m_sequence;
    } else {
        group = CurrentGroupOf(report.Talker);
        if (group < 0)
            group = FindGroup(report.Talker, report.SignalId);
        if (group < 0)
            group = AddGroup(report.Talker, report.SignalId);
    }
    Group& g = m_groups[static_cast<std::size_t>(group)];
    g.UsedSequence = ++m_sequence;
    g.HeardAt = m_now;

    for (int j = 0; j < report.SatelliteCount && j < static_cast<int>(report.Satellites.size()); ++j)
        if (report.Satellites[static_cast<std::size_t>(j)].Id.Valid())
            Report(group, report.SignalId, report.Satellites[static_cast<std::size_t>(j)]);
}

void SatelliteTable::ApplyGsa(GnssSystemSet systems, const SatelliteId* used, int usedCount)
{
    for (int k = 0; k < usedCount; ++k)
        systems |= used[k].Valid() ? SystemBit(used[k].System) : 0;
    // Nothing says which system's flags this sentence is about.
    if (systems == 0)
        return;
    m_gsaSeen = true;

    for (int i = 0; i < m_count; ++i) {
        SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
        if ((systems & SystemBit(e.Id.System)) != 0)
            e.Used = false;
    }
    for (int k = 0; k < usedCount; ++k) {
        if (!used[k].Valid())
            continue;
        if (SatelliteEntry* e = FindOrAdd(used[k])) {
            e->Used = true;
            e->UsedAt = m_now;
        }
    }
    for (int i = m_count - 1; i >= 0; --i)
        RemoveIfUnreported(i);
}

int SatelliteTable::FindGroup(std::array<char, 2> talker, std::uint8_t signalId) const
{
    for (int g = 0; g < MaxGsvGroups; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (group.InUse && group.Talker == talker && group.SignalId == signalId)
            return g;
    }
    return -1;
}

// A full list gives up the group heard longest ago.
int SatelliteTable::AddGroup(std::array<char, 2> talker, std::uint8_t signalId)
{
    int chosen = 0;
    for (int g = 0; g < MaxGsvGroups; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (!group.InUse) {
            chosen = g;
            break;
        }
        if (group.UsedSequence < m_groups[static_cast<std::size_t>(chosen)].UsedSequence)
            chosen = g;
    }
    if (m_groups[static_cast<std::size_t>(chosen)].InUse)
        WithdrawGroup(chosen);
    Group& group = m_groups[static_cast<std::size_t>(chosen)];
    group = Group{};
    group.Talker = talker;
    group.SignalId = signalId;
    group.InUse = true;
    group.OpenedSequence = ++m_sequence;
    return chosen;
}

int SatelliteTable::CurrentGroupOf(std::array<char, 2> talker) const
{
    int current = -1;
    for (int g = 0; g < MaxGsvGroups; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (group.InUse && group.Talker == talker &&
            (current < 0 || group.OpenedSequence > m_groups[static_cast<std::size_t>(current)].OpenedSequence))
            current = g;
    }
    return current;
}

// Takes back everything the group's last pass reported.
void SatelliteTable::WithdrawGroup(int group)
{
    const std::uint32_t bit = GroupBit(group);
    for (int i = m_count - 1; i >= 0; --i) {
        SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
        if ((e.Groups & bit) == 0)
            continue;
        e.Groups &= ~bit;
        const auto kept = std::remove_if(e.Signals.begin(), e.Signals.begin() + e.SignalCount,
                                         [group](const SignalReport& s) { return s.Group == group; });
        e.SignalCount = static_cast<std::uint8_t>(kept - e.Signals.begin());
        RemoveIfUnreported(i);
    }
}

void SatelliteTable::Age()
{
    if (m_now < 0)
        return;
    for (int g = 0; g < MaxGsvGroups; ++g) {
        Group& group = m_groups[static_cast<std::size_t>(g)];
        if (!group.InUse)
            continue;
        if (group.HeardAt < 0) {
            group.HeardAt = m_now; // heard before the first time of day arrived
        } else if (Stale(group.HeardAt)) {
            WithdrawGroup(g);
            group.InUse = false;
        }
    }
    for (int i = m_count - 1; i >= 0; --i) {
        SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
        if (e.SeenAt < 0)
            e.SeenAt = m_now;
        if (e.UsedAt < 0)
            e.UsedAt = m_now;
        if (e.Used && Stale(e.UsedAt))
            e.Used = false;
        if (e.InView() && Stale(e.SeenAt)) {
            e.Groups = 0;
            e.SignalCount = 0;
        }
        RemoveIfUnreported(i);
    }
}

// Times are of the day: the distance is taken around midnight, and a time
// that jumped back (another log, a receiver reset) is as far as one ahead.
bool SatelliteTable::Stale(std::int32_t at) const
{
    std::int32_t distance = ((m_now - at) % MsPerDay + MsPerDay) % MsPerDay;
    distance = std::min(distance, MsPerDay - distance);
    return distance > SatelliteLifetimeMs;
}

SatelliteEntry* SatelliteTable::FindOrAdd(SatelliteId id)
{
    for (int i = 0; i < m_count; ++i)
        if (m_entries[static_cast<std::size_t>(i)].Id == id)
            return &m_entries[static_cast<std::size_t>(i)];
    // A full table keeps what it has rather than letting one system push out another's satellites.
    if (m_count == MaxSatellites)
        return nullptr;
    SatelliteEntry& e = m_entries[static_cast<std::size_t>(m_count++)];
    e = SatelliteEntry{};
    e.Id = id;
    e.SeenAt = m_now;
    e.UsedAt = m_now;
    return &e;
}

void SatelliteTable::Report(int group, std::uint8_t signalId, const GsvSatellite& satellite)
{
    SatelliteEntry* e = FindOrAdd(satellite.Id);
    if (e == nullptr)
        return;
    e->Groups |= GroupBit(group);
    e->SeenAt = m_now;
    // A sentence that repeats a satellite for another signal often leaves its position empty.
    if (satellite.Elevation != UnknownAngle)
        e->Elevation = satellite.Elevation;
    if (satellite.Azimuth != UnknownAngle)
        e->Azimuth = satellite.Azimuth;

    SignalReport* signal = nullptr;
    for (int s = 0; s < e->SignalCount; ++s)
        if (e->Signals[static_cast<std::size_t>(s)].Id == signalId)
            signal = &e->Signals[static_cast<std::size_t>(s)];
    if (signal == nullptr) {
        if (e->SignalCount == MaxSignalsPerSatellite)
            return;
        signal = &e->Signals[e->SignalCount++];
        signal->Id = signalId;
    }
    signal->Snr = satellite.Snr;
    signal->Group = static_cast<std::uint8_t>(group);
}

void SatelliteTable::RemoveIfUnreported(int i)
{
    const SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
    if (e.InView() || e.Used)
        return;
    m_entries[static_cast<std::size_t>(i)] = m_entries[static_cast<std::size_t>(m_count - 1)];
    --m_count;
}

} // namespace trakora
