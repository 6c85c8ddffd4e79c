#include "common/SatelliteRows.h"

#include <algorithm>
#include <cstdio>

namespace trakora {

namespace {

bool Before(SatelliteId a, SatelliteId b)
{
    return a.System != b.System ? a.System < b.System : a.Number < b.Number;
}

void AppendNumber(std::string& text, int value)
{
    char digits[12];
    const int n = std::snprintf(digits, sizeof digits, "%d", value);
    text.append(digits, static_cast<std::size_t>(n));
}

SatelliteRow RowOf(const SatelliteEntry& e)
{
    SatelliteRow row;
    row.Id = e.Id;
    row.Elevation = e.Elevation;
    row.Azimuth = e.Azimuth;
    row.Snr = e.BestSnr();
    row.Used = e.Used;
    // In the order of their IDs, by insertion: there are at most four.
    for (int s = 0; s < e.SignalCount; ++s) {
        if (!e.SignalCurrent(s))
            continue;
        SignalReport signal = e.Signals[static_cast<std::size_t>(s)];
        signal.Group = 0;
        std::size_t at = row.SignalCount++;
        for (; at > 0 && row.Signals[at - 1].Id > signal.Id; --at)
            row.Signals[at] = row.Signals[at - 1];
        row.Signals[at] = signal;
    }
    return row;
}

} // namespace

bool SatelliteRows::NeedsTable(const SatelliteTable& table)
{
    int count = 0;
    GnssSystemSet systems = 0;
    table.ForEach([&](const SatelliteEntry& e) {
        ++count;
        if (e.Id.System != GnssSystem::SBAS)
            systems |= SystemBit(e.Id.System);
    });
    return count > SatSlots || (systems & (systems - 1)) != 0;
}

void SatelliteRows::Update(const SatelliteTable& table)
{
    std::array<const SatelliteEntry*, MaxSatellites> order{};
    int count = 0;
    table.ForEach([&](const SatelliteEntry& e) { order[static_cast<std::size_t>(count++)] = &e; });
    std::sort(order.begin(), order.begin() + count,
              [](const SatelliteEntry* a, const SatelliteEntry* b) { return Before(a->Id, b->Id); });

    m_systems.fill({});
    for (int i = 0; i < count; ++i) {
        const SatelliteRow row = RowOf(*order[static_cast<std::size_t>(i)]);
        SystemCount& system = m_systems[static_cast<std::size_t>(row.Id.System)];
        ++system.InView;
        system.Used += row.Used ? 1 : 0;
        m_rows[static_cast<std::size_t>(i)] = row;
    }
    m_count = count;
}

void SatelliteRows::Clear()
{
    m_count = 0;
    m_systems.fill({});
}

std::int32_t SatelliteRows::UsedCount() const
{
    std::int32_t used = 0;
    for (const SystemCount& system : m_systems)
        used += system.Used;
    return used;
}

std::string SatelliteRows::SummaryText() const
{
    std::string text;
    for (int s = 0; s < GnssSystemCount; ++s) {
        const SystemCount& system = m_systems[static_cast<std::size_t>(s)];
        if (system.InView == 0)
            continue;
        if (!text.empty())
            text += "  ";
        text += SystemName(static_cast<GnssSystem>(s));
        text += ' ';
        AppendNumber(text, system.InView);
        text += '/';
        AppendNumber(text, system.Used);
    }
    return text;
}

GnssSystemSet UsedSystems(const SatelliteTable& table)
{
    GnssSystemSet systems = 0;
    table.ForEach([&systems](const SatelliteEntry& e) { systems |= e.Used ? SystemBit(e.Id.System) : 0; });
    return systems;
}

std::string SystemsText(GnssSystemSet systems, bool shortNames)
{
    static constexpr std::string_view ShortNames[GnssSystemCount] = {"GPS", "SBAS", "GLO", "GAL",
                                                                     "BDS", "QZSS", "NavIC"};
    std::string text;
    for (int s = 0; s < GnssSystemCount; ++s) {
        if ((systems & SystemBit(static_cast<GnssSystem>(s))) == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += shortNames ? ShortNames[s] : SystemName(static_cast<GnssSystem>(s));
    }
    return text;
}

std::string_view SignalName(GnssSystem system, std::uint8_t signalId)
{
    switch (system) {
    case GnssSystem::GPS:
    case GnssSystem::QZSS:
        switch (signalId) {
        case 1:
            return "L1 C/A";
        case 5:
            return "L2 CM";
        case 6:
            return "L2 CL";
        case 7:
            return "L5 I";
        case 8:
            return "L5 Q";
        default:
            return {};
        }
    case GnssSystem::GLONASS:
        return signalId == 1 ? "L1" : signalId == 3 ? "L2" : std::string_view();
    case GnssSystem::Galileo:
        return signalId == 7 ? "E1" : signalId == 1 ? "E5a" : signalId == 2 ? "E5b" : std::string_view();
    case GnssSystem::BeiDou:
        return signalId == 1 ? "B1I" : signalId == 11 ? "B2I" : std::string_view();
    default:
        return {};
    }
}

std::string SignalList(const SatelliteRow& row)
{
    std::string text;
    for (int s = 0; s < row.SignalCount; ++s) {
        const SignalReport& signal = row.Signals[static_cast<std::size_t>(s)];
        if (signal.Id == NoSignalId)
            continue;
        if (!text.empty())
            text += ", ";
        const std::string_view name = SignalName(row.Id.System, signal.Id);
        if (name.empty()) {
            text += "signal ";
            text += "0123456789ABCDEF"[signal.Id & 0xF];
        } else {
            text += name;
        }
        text += ' ';
        if (signal.Snr == NotTracked)
            text += '-';
        else
            AppendNumber(text, signal.Snr);
    }
    return text;
}

std::string DescribeSatellite(const SatelliteRow& row)
{
    std::string text(SystemName(row.Id.System));
    text += ' ';
    text += DisplayName(row.Id).data();
    text += ", elevation ";
    if (row.Elevation == UnknownAngle)
        text += "unknown";
    else
        AppendNumber(text, row.Elevation);
    text += ", azimuth ";
    if (row.Azimuth == UnknownAngle)
        text += "unknown";
    else
        AppendNumber(text, row.Azimuth);
    if (row.Snr == NotTracked) {
        text += ", no signal";
    } else {
        text += ", signal ";
        AppendNumber(text, row.Snr);
    }
    text += row.Used ? ", used in fix" : ", not used";
    return text;
}

} // namespace trakora
