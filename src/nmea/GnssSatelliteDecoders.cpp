// Satellites of any talker.
// $GPGSV,4,1,16,05,01,047,,10,29,224,,13,22,062,23,15,40,094,,1*65
//  1 sentences in the group   2 this sentence   3 satellites in view
//  4..19 four blocks of number, elevation, azimuth, SNR
//  last, when one field is left over: NMEA 4.10 signal ID (hex digit)
// $GNGSA,A,3,29,20,18,16,51,13,44,26,,,,,0.99,0.54,0.83,1*0E
//  1 selection mode   2 fix mode   3..14 satellites used   15 PDOP 16 HDOP 17 VDOP
//  18 NMEA 4.11 system ID (1 GPS, 2 GLONASS, 3 Galileo, 4 BeiDou, 5 QZSS, 6 NavIC)
//  A GSA of more than 18 fields lists more satellites; its dilutions are its last three fields.
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"
#include "nmea/GnssDecoders.h"

#include <algorithm>
#include <array>

namespace trakora {

namespace {

constexpr int StandardGsaFields = 18;

std::string_view TalkerOf(const GpsState& gps)
{
    const std::string& id = gps.SentenceField[0];
    return id.size() >= 3 ? std::string_view(id).substr(1, 2) : std::string_view();
}

// A whole number within [low, high], else `otherwise`.
template <typename T>
T WholeWithin(std::string_view field, std::int32_t low, std::int32_t high, T otherwise)
{
    std::int32_t value = 0;
    if (!ReadWholeNumber(field, value) || value < low || value > high)
        return otherwise;
    return static_cast<T>(value);
}

std::uint8_t SignalIdOf(std::string_view field)
{
    const std::string_view text = TrimBlanks(field);
    if (text.size() != 1)
        return NoSignalId;
    const char c = text[0];
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    return NoSignalId;
}

bool SingleGroup(const GnssState& gnss)
{
    return gnss.Satellites.GroupCount() <= 1;
}

} // namespace

void DecodeGSVAllTalkers(GpsState& gps, GnssState& gnss)
{
    const std::string_view talker = TalkerOf(gps);
    GsvReport report;
    report.Talker = {talker.size() == 2 ? talker[0] : '?', talker.size() == 2 ? talker[1] : '?'};
    report.SentenceNumber = WholeWithin<std::int32_t>(gps.Field(2), 1, 1000, 0);

    const int blockFields = gps.SentenceFieldCount - 1 - 3;
    if (blockFields > 0 && blockFields % 4 == 1)
        report.SignalId = SignalIdOf(gps.Field(gps.SentenceFieldCount - 1));
    report.SatelliteCount = std::min(blockFields > 0 ? blockFields / 4 : 0, 4);
    for (int j = 0; j < report.SatelliteCount; ++j) {
        GsvSatellite& satellite = report.Satellites[static_cast<std::size_t>(j)];
        const int first = 4 + 4 * j;
        std::int32_t number = 0;
        if (ReadWholeNumber(gps.Field(first), number))
            satellite.Id = ClassifySatellite(talker, 0, number);
        satellite.Elevation = WholeWithin<std::int16_t>(gps.Field(first + 1), -90, 90, UnknownAngle);
        satellite.Azimuth = WholeWithin<std::int16_t>(gps.Field(first + 2), 0, 359, UnknownAngle);
        satellite.Snr = WholeWithin<std::int8_t>(gps.Field(first + 3), 0, 99, NotTracked);
    }
    gnss.Satellites.ApplyGsv(report);

    if (SingleGroup(gnss)) {
        DecodeGSV(gps);
        return;
    }
    const bool lastOfGroup = gps.Field(2) == gps.Field(1);
    gps.SatViewComplete = lastOfGroup;
    if (lastOfGroup)
        FillSatelliteSlots(gnss.Satellites, gps);
}

void DecodeGSAAllTalkers(GpsState& gps, GnssState& gnss)
{
    const std::string_view talker = TalkerOf(gps);
    const int fields = gps.SentenceFieldCount - 1;
    const bool longForm = fields > StandardGsaFields;
    const int lastSatellite = longForm ? fields - 3 : 14;
    const int systemId = longForm ? 0 : WholeWithin<int>(gps.Field(18), 1, 6, 0);

    std::array<SatelliteId, MaxSentenceFields> used{};
    int usedCount = 0;
    for (int k = 3; k <= lastSatellite; ++k) {
        std::int32_t number = 0;
        if (ReadWholeNumber(gps.Field(k), number)) {
            const SatelliteId id = ClassifySatellite(talker, systemId, number);
            if (id.Valid())
                used[static_cast<std::size_t>(usedCount++)] = id;
        }
    }
    gnss.Satellites.ApplyGsa(SystemsNamedBy(talker, systemId), used.data(), usedCount);

    const int dops = longForm ? fields - 2 : 15;
    if (SingleGroup(gnss)) {
        DecodeGSA(gps);
    } else {
        gps.FixSelectMode = gps.Field(1);
        gps.FixMode = gps.Field(2);
        FillSatelliteSlots(gnss.Satellites, gps);
    }
    NumberZeroed(gps.PDOP, gps.Field(dops));
    NumberZeroed(gps.HDOP, gps.Field(dops + 1));
    NumberZeroed(gps.VDOP, gps.Field(dops + 2));
}

} // namespace trakora
