#include "nmea/GnssSystem.h"

namespace trakora {

namespace {

// What a talker or system ID says about its satellites. `Mixed` is the GPS
// talker or ID, whose sentences also carry SBAS and sometimes QZSS or
// GLONASS numbers: their ranges decide.
enum class Family { Unknown, Mixed, Glonass, Galileo, BeiDou, Qzss, NavIC };

Family FamilyOfTalker(std::string_view talker)
{
    if (talker.size() != 2)
        return Family::Unknown;
    if (talker == "GP")
        return Family::Mixed;
    if (talker == "GL")
        return Family::Glonass;
    if (talker == "GA")
        return Family::Galileo;
    if (talker == "GB" || talker == "BD")
        return Family::BeiDou;
    if (talker == "GQ" || talker == "QZ")
        return Family::Qzss;
    if (talker == "GI")
        return Family::NavIC;
    return Family::Unknown;
}

Family FamilyOfSystemId(int systemId)
{
    switch (systemId) {
    case 1:
        return Family::Mixed;
    case 2:
        return Family::Glonass;
    case 3:
        return Family::Galileo;
    case 4:
        return Family::BeiDou;
    case 5:
        return Family::Qzss;
    case 6:
        return Family::NavIC;
    default:
        return Family::Unknown;
    }
}

bool Within(std::int32_t n, std::int32_t low, std::int32_t high)
{
    return n >= low && n <= high;
}

SatelliteId Make(GnssSystem system, std::int32_t number)
{
    return SatelliteId{system, static_cast<std::uint8_t>(number)};
}

// The ranges receivers use when nothing else tells the system. 201 and 202
// could be QZSS (the NMEA 4.10 extension reserves 193-202) but are BeiDou
// on the receivers that number BeiDou from 201; a QZSS talker or system ID
// claims them first.
SatelliteId FromRanges(std::int32_t n)
{
    if (Within(n, 1, 32))
        return Make(GnssSystem::GPS, n);
    if (Within(n, 33, 64))
        return Make(GnssSystem::SBAS, n + 87 - 100);
    if (Within(n, 65, 96))
        return Make(GnssSystem::GLONASS, n - 64);
    if (Within(n, 101, 136))
        return Make(GnssSystem::Galileo, n - 100);
    if (Within(n, 152, 158))
        return Make(GnssSystem::SBAS, n - 100);
    if (Within(n, 193, 200))
        return Make(GnssSystem::QZSS, n - 192);
    if (Within(n, 201, 263))
        return Make(GnssSystem::BeiDou, n - 200);
    if (Within(n, 301, 336))
        return Make(GnssSystem::Galileo, n - 300);
    if (Within(n, 401, 463))
        return Make(GnssSystem::BeiDou, n - 400);
    return {};
}

SatelliteId InFamily(Family family, std::int32_t n)
{
    switch (family) {
    case Family::Glonass:
        if (Within(n, 1, 32))
            return Make(GnssSystem::GLONASS, n);
        if (Within(n, 65, 96))
            return Make(GnssSystem::GLONASS, n - 64);
        return {};
    case Family::Galileo:
        if (Within(n, 1, 36))
            return Make(GnssSystem::Galileo, n);
        if (Within(n, 101, 136))
            return Make(GnssSystem::Galileo, n - 100);
        if (Within(n, 301, 336))
            return Make(GnssSystem::Galileo, n - 300);
        return {};
    case Family::BeiDou:
        if (Within(n, 1, 63))
            return Make(GnssSystem::BeiDou, n);
        if (Within(n, 201, 263))
            return Make(GnssSystem::BeiDou, n - 200);
        if (Within(n, 401, 463))
            return Make(GnssSystem::BeiDou, n - 400);
        return {};
    case Family::Qzss:
        if (Within(n, 1, 10))
            return Make(GnssSystem::QZSS, n);
        if (Within(n, 193, 202))
            return Make(GnssSystem::QZSS, n - 192);
        return {};
    case Family::NavIC:
        return Within(n, 1, 14) ? Make(GnssSystem::NavIC, n) : SatelliteId{};
    case Family::Mixed:
        // Beside NMEA's 33-64, GPS sentences of some receivers name SBAS by its PRN.
        if (Within(n, 120, 158))
            return Make(GnssSystem::SBAS, n - 100);
        break;
    case Family::Unknown:
        break;
    }
    return FromRanges(n);
}

} // namespace

SatelliteClassifier::SatelliteClassifier(std::string_view talker, int systemId)
{
    Family family = FamilyOfTalker(talker);
    if (family == Family::Unknown)
        family = FamilyOfSystemId(systemId);
    m_family = static_cast<std::uint8_t>(family);
    static_assert(static_cast<std::uint8_t>(Family::Mixed) == MixedFamily);
}

SatelliteId SatelliteClassifier::ClassifyOther(std::int32_t number) const
{
    return InFamily(static_cast<Family>(m_family), number);
}

GnssSystemSet SatelliteClassifier::NamedSystems() const
{
    switch (static_cast<Family>(m_family)) {
    case Family::Mixed:
        return SystemBit(GnssSystem::GPS) | SystemBit(GnssSystem::SBAS);
    case Family::Glonass:
        return SystemBit(GnssSystem::GLONASS);
    case Family::Galileo:
        return SystemBit(GnssSystem::Galileo);
    case Family::BeiDou:
        return SystemBit(GnssSystem::BeiDou);
    case Family::Qzss:
        return SystemBit(GnssSystem::QZSS);
    case Family::NavIC:
        return SystemBit(GnssSystem::NavIC);
    case Family::Unknown:
        break;
    }
    return 0;
}

std::array<char, 4> DisplayName(SatelliteId id)
{
    static constexpr char Letters[GnssSystemCount] = {'G', 'S', 'R', 'E', 'C', 'J', 'I'};
    const int n = id.Number % 100;
    return {Letters[static_cast<int>(id.System)], static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10),
            '\0'};
}

std::string_view SystemName(GnssSystem system)
{
    static constexpr std::string_view Names[GnssSystemCount] = {"GPS",    "SBAS", "GLONASS", "Galileo",
                                                                "BeiDou", "QZSS", "NavIC"};
    return Names[static_cast<int>(system)];
}

int OfficialNumber(SatelliteId id)
{
    switch (id.System) {
    case GnssSystem::SBAS:
        return id.Number + 100;
    case GnssSystem::QZSS:
        return id.Number + 192;
    default:
        return id.Number;
    }
}

std::int32_t SlotNumber(SatelliteId id)
{
    switch (id.System) {
    case GnssSystem::GPS:
        return id.Number;
    case GnssSystem::SBAS:
        return id.Number <= 51 ? id.Number + 100 - 87 : id.Number + 100;
    case GnssSystem::GLONASS:
        return id.Number + 64;
    case GnssSystem::Galileo:
        return id.Number + 300;
    case GnssSystem::BeiDou:
        return id.Number + 400;
    case GnssSystem::QZSS:
        return id.Number + 192;
    case GnssSystem::NavIC:
        return id.Number + 500;
    }
    return id.Number;
}

} // namespace trakora
