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
        if (SignalCurrent(s))
            best = std::max(best, Signals[static_cast<std::size_t>(s)].Snr);
    return best;
}

const SatelliteEntry* SatelliteTable::Find(SatelliteId id) const
{
    const int at = m_index[IndexKey(id)];
    const SatelliteEntry* e = at != 0 ? &m_entries[static_cast<std::size_t>(at - 1)] : nullptr;
    return e != nullptr && e->Listed() ? e : nullptr;
}

int SatelliteTable::Count() const
{
    int count = 0;
    ForEach([&count](const SatelliteEntry&) { ++count; });
    return count;
}

int SatelliteTable::UsedCount() const
{
    int count = 0;
    ForEach([&count](const SatelliteEntry& e) { count += e.Used ? 1 : 0; });
    return count;
}

void SatelliteTable::SetTime(std::int32_t msOfDay)
{
    // What was reported before the first time of day counts as reported now.
    if (m_now < 0) {
        for (int i = 0; i < m_slots; ++i) {
            SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
            e.SeenAt = e.SeenAt < 0 ? msOfDay : e.SeenAt;
            e.UsedAt = e.UsedAt < 0 ? msOfDay : e.UsedAt;
        }
        for (Group& group : m_groups)
            group.HeardAt = group.HeardAt < 0 ? msOfDay : group.HeardAt;
    }
    m_now = msOfDay;
}

int SatelliteTable::BeginGsv(std::array<char, 2> talker, std::int32_t sentenceNumber, std::uint8_t signalId)
{
    if (sentenceNumber < 1)
        return -1;

    int group = -1;
    if (sentenceNumber == 1) {
        Age();
        group = FindGroup(talker, signalId);
        if (group >= 0)
            Withdraw(group);
        else
            group = AddGroup(talker, signalId);
        m_groups[static_cast<std::size_t>(group)].OpenedSequence = ++m_sequence;
        m_lastOpened = group;
    } else {
        group = CurrentGroupOf(talker);
        if (group < 0)
            group = FindGroup(talker, signalId);
        if (group < 0)
            group = AddGroup(talker, signalId);
    }
    Group& g = m_groups[static_cast<std::size_t>(group)];
    g.UsedSequence = ++m_sequence;
    g.HeardAt = m_now;
    Reported();
    return group;
}

void SatelliteTable::ReportAnyInView(int group, std::uint8_t signalId, const GsvSatellite& satellite)
{
    if (group < 0 || group >= MaxGsvGroups || !satellite.Id.Valid())
        return;
    SatelliteEntry* e = FindOrAdd(satellite.Id);
    if (e == nullptr)
        return;
    Refresh(*e, group, satellite);

    // The same signal again, else a free place, else the place of a signal no longer current.
    int place = -1;
    for (int s = 0; s < e->SignalCount && place < 0; ++s)
        if (e->Signals[static_cast<std::size_t>(s)].Id == signalId)
            place = s;
    if (place < 0 && e->SignalCount < MaxSignalsPerSatellite)
        place = e->SignalCount++;
    for (int s = 0; s < e->SignalCount && place < 0; ++s)
        if (!e->SignalCurrent(s))
            place = s;
    if (place < 0)
        return;
    SignalReport& signal = e->Signals[static_cast<std::size_t>(place)];
    signal.Id = signalId;
    signal.Snr = satellite.Snr;
    signal.Group = static_cast<std::uint8_t>(group);
}

void SatelliteTable::Reported()
{
    if (m_now > m_latest)
        m_latest = m_now;
}

void SatelliteTable::ApplyGsa(GnssSystemSet systems, const SatelliteId* used, int usedCount)
{
    for (int k = 0; k < usedCount; ++k)
        systems |= used[k].Valid() ? SystemBit(used[k].System) : 0;
    // Nothing says which system's flags this sentence is about.
    if (systems == 0)
        return;
    m_gsaSeen = true;
    Reported();

    for (int i = 0; i < m_slots; ++i) {
        SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
        if (e.Used && (systems & SystemBit(e.Id.System)) != 0)
            e.Used = false;
    }
    for (int k = 0; k < usedCount; ++k) {
        if (!used[k].Valid())
            continue;
        const int at = m_index[IndexKey(used[k])];
        SatelliteEntry* e = at != 0 ? &m_entries[static_cast<std::size_t>(at - 1)] : FindOrAdd(used[k]);
        if (e != nullptr) {
            e->Used = true;
            e->UsedAt = m_now;
        }
    }
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
        --m_groupCount;
    Forget(chosen);
    Group& group = m_groups[static_cast<std::size_t>(chosen)];
    group = Group{};
    group.Talker = talker;
    group.SignalId = signalId;
    group.InUse = true;
    group.OpenedSequence = ++m_sequence;
    ++m_groupCount;
    return chosen;
}

int SatelliteTable::CurrentGroupOf(std::array<char, 2> talker) const
{
    const Group& last = m_groups[static_cast<std::size_t>(m_lastOpened)];
    if (last.InUse && last.Talker == talker)
        return m_lastOpened;
    int current = -1;
    for (int g = 0; g < MaxGsvGroups; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (group.InUse && group.Talker == talker &&
            (current < 0 || group.OpenedSequence > m_groups[static_cast<std::size_t>(current)].OpenedSequence))
            current = g;
    }
    return current;
}

// Takes back everything the group's last pass reported; its signals stay
// in place (no longer current) for the pass that reports them again.
void SatelliteTable::Withdraw(int group)
{
    const std::uint32_t keep = ~GroupBit(group);
    for (int i = 0; i < m_slots; ++i)
        m_entries[static_cast<std::size_t>(i)].Groups &= keep;
}

// The group's place goes to another: nothing it reported may pass for the newcomer's.
void SatelliteTable::Forget(int group)
{
    Withdraw(group);
    for (int i = 0; i < m_slots; ++i) {
        SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
        int kept = 0;
        for (int s = 0; s < e.SignalCount; ++s)
            if (e.Signals[static_cast<std::size_t>(s)].Group != group)
                e.Signals[static_cast<std::size_t>(kept++)] = e.Signals[static_cast<std::size_t>(s)];
        e.SignalCount = static_cast<std::uint8_t>(kept);
    }
}

void SatelliteTable::Age()
{
    // Several groups begin in one epoch; once is enough.
    if (m_now < 0 || m_now == m_agedAt)
        return;
    m_agedAt = m_now;
    if (m_oldest >= 0 && m_oldest <= m_now && m_now - m_oldest <= SatelliteLifetimeMs && m_latest <= m_now)
        return;

    m_oldest = m_latest = -1;
    const auto widen = [this](std::int32_t at) {
        m_oldest = m_oldest < 0 ? at : std::min(m_oldest, at);
        m_latest = std::max(m_latest, at);
    };
    for (int g = 0, inUse = m_groupCount; g < MaxGsvGroups && inUse > 0; ++g) {
        Group& group = m_groups[static_cast<std::size_t>(g)];
        if (!group.InUse)
            continue;
        --inUse;
        if (!Stale(group.HeardAt)) {
            widen(group.HeardAt);
            continue;
        }
        Forget(g);
        group.InUse = false;
        --m_groupCount;
    }
    for (int i = m_slots - 1; i >= 0; --i) {
        SatelliteEntry& e = m_entries[static_cast<std::size_t>(i)];
        if (e.Used && Stale(e.UsedAt))
            e.Used = false;
        if (e.InView() && Stale(e.SeenAt))
            e.Groups = 0;
        if (e.InView())
            widen(e.SeenAt);
        if (e.Used)
            widen(e.UsedAt);
        if (!e.Listed())
            RemoveAt(i);
    }
}

// Times are of the day: the distance is taken around midnight, and a time
// that jumped back (another log, a receiver reset) is as far as one ahead.
bool SatelliteTable::Stale(std::int32_t at) const
{
    const std::int32_t distance = m_now >= at ? m_now - at : at - m_now; // both within one day
    return distance > SatelliteLifetimeMs && MsPerDay - distance > SatelliteLifetimeMs;
}

SatelliteEntry* SatelliteTable::FindOrAdd(SatelliteId id)
{
    if (const int at = m_index[IndexKey(id)])
        return &m_entries[static_cast<std::size_t>(at - 1)];
    if (m_slots == MaxSatellites) {
        // Room is made only from satellites that have left the table.
        int free = m_slots - 1;
        while (free >= 0 && m_entries[static_cast<std::size_t>(free)].Listed())
            --free;
        if (free < 0)
            return nullptr;
        RemoveAt(free);
    }
    m_index[IndexKey(id)] = static_cast<std::uint8_t>(m_slots + 1);
    SatelliteEntry& e = m_entries[static_cast<std::size_t>(m_slots++)];
    e = SatelliteEntry{};
    e.Id = id;
    e.SeenAt = m_now;
    e.UsedAt = m_now;
    return &e;
}

void SatelliteTable::RemoveAt(int i)
{
    m_index[IndexKey(m_entries[static_cast<std::size_t>(i)].Id)] = 0;
    --m_slots;
    if (i == m_slots)
        return;
    m_entries[static_cast<std::size_t>(i)] = m_entries[static_cast<std::size_t>(m_slots)];
    m_index[IndexKey(m_entries[static_cast<std::size_t>(i)].Id)] = static_cast<std::uint8_t>(i + 1);
}

} // namespace trakora
