// Satellites of any talker.
// $GPGSV,4,1,16,05,01,047,,10,29,224,,13,22,062,23,15,40,094,,1*65
//  1 sentences in the group   2 this sentence   3 satellites in view
//  4..19 four blocks of number, elevation, azimuth, SNR
//  last, when one field is left over: NMEA 4.10 signal ID (hex digit)
// $GNGSA,A,3,29,20,18,16,51,13,44,26,,,,,0.99,0.54,0.83,1*0E
//  1 selection mode   2 fix mode   3..14 satellites used   15 PDOP 16 HDOP 17 VDOP
//  18 NMEA 4.11 system ID (1 GPS, 2 GLONASS, 3 Galileo, 4 BeiDou, 5 QZSS, 6 NavIC)
//  A GSA of more than 18 fields lists more satellites, up to its last three fields (the
//  dilutions); the dilutions are still read from fields 15 to 17, as from every GSA.
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"
#include "nmea/GnssDecoders.h"
#include "nmea/GsvBlocks.h"

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
T Within(const GsvBlocks::Value& value, std::int32_t low, std::int32_t high, T otherwise)
{
    return value.Read && value.Number >= low && value.Number <= high ? static_cast<T>(value.Number) : otherwise;
}

template <typename T>
T WholeWithin(std::string_view field, std::int32_t low, std::int32_t high, T otherwise)
{
    GsvBlocks::Value value;
    value.Read = ReadWholeField(field, value.Number);
    return Within(value, low, high, otherwise);
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
    const int blockFields = gps.SentenceFieldCount - 1 - 3;
    const std::uint8_t signalId =
        blockFields > 0 && blockFields % 4 == 1 ? SignalIdOf(gps.Field(gps.SentenceFieldCount - 1)) : NoSignalId;
    const int group = gnss.Satellites.BeginGsv({talker.size() == 2 ? talker[0] : '?', talker.size() == 2 ? talker[1] : '?'},
                                               WholeWithin<std::int32_t>(gps.Field(2), 1, 1000, 0), signalId);

    const GsvBlocks blocks = ReadGsvBlocks(gps);
    if (group >= 0) {
        const SatelliteClassifier classifier(talker, 0);
        const int satellites = std::min(blockFields > 0 ? blockFields / 4 : 0, 4);
        for (int j = 0; j < satellites; ++j) {
            const auto& fields = blocks.Satellite[static_cast<std::size_t>(j)];
            if (!fields[0].Read)
                continue;
            GsvSatellite satellite;
            satellite.Id = classifier.Classify(fields[0].Number);
            satellite.Elevation = Within<std::int16_t>(fields[1], -90, 90, UnknownAngle);
            satellite.Azimuth = Within<std::int16_t>(fields[2], 0, 359, UnknownAngle);
            satellite.Snr = Within<std::int8_t>(fields[3], 0, 99, NotTracked);
            gnss.Satellites.ReportInView(group, signalId, satellite);
        }
    }

    if (SingleGroup(gnss)) {
        DecodeGSV(gps, blocks);
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

    const SatelliteClassifier classifier(talker, systemId);
    std::array<SatelliteId, MaxSentenceFields> used;
    int usedCount = 0;
    std::array<bool, SatSlots> channelInUse{};
    for (int k = 3; k <= lastSatellite; ++k) {
        const std::string& field = gps.Field(k);
        if (k - 3 < SatSlots)
            channelInUse[static_cast<std::size_t>(k - 3)] =
                !field.empty() && (field.front() != ' ' || !TrimBlanks(field).empty());
        std::int32_t number = 0;
        if (ReadWholeField(field, number)) {
            const SatelliteId id = classifier.Classify(number);
            if (id.Valid())
                used[static_cast<std::size_t>(usedCount++)] = id;
        }
    }
    gnss.Satellites.ApplyGsa(classifier.NamedSystems(), used.data(), usedCount);

    if (SingleGroup(gnss)) {
        DecodeGSA(gps, channelInUse);
        return;
    }
    gps.FixSelectMode = gps.Field(1);
    gps.FixMode = gps.Field(2);
    FillSatelliteSlots(gnss.Satellites, gps);
    NumberZeroed(gps.PDOP, gps.Field(15));
    NumberZeroed(gps.HDOP, gps.Field(16));
    NumberZeroed(gps.VDOP, gps.Field(17));
}

} // namespace trakora
