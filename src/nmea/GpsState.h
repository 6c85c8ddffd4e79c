#pragma once

#include "common/FixedText.h"

#include <array>
#include <cstdint>
#include <string>

namespace trakora {

constexpr int SatSlots = 12;
constexpr int MaxWaypoints = 1500;
constexpr int MaxSentenceFields = 100;

// One entry of the waypoint table. Coordinates are kept as the plain
// ddmm.mmm numbers the receiver sent.
struct Waypoint {
    FixedText<6> WpName;
    float WpLat = 0;
    FixedText<1> WpLatDir;
    float WpLon = 0;
    FixedText<1> WpLonDir;
    bool operator==(const Waypoint&) const = default;
};

// The receiver state: the last decoded value of every NMEA field the program
// keeps. Tables indexed from 1 in the receiver's terms are 0-based here:
// slot k lives at [k - 1], SentenceField(k) at SentenceField[k - 1].
struct GpsState {
    // Time and position
    FixedText<6> UtcTime;
    FixedText<6> UtcDate;
    float Latitude = 0;
    FixedText<1> LatDir;
    float Longitude = 0;
    FixedText<1> LonDir;
    FixedText<1> RMCStatus;
    FixedText<1> GLLStatus;

    // Fix quality, satellites used and precision
    FixedText<1> FixQuality;
    FixedText<1> FixMode;
    FixedText<1> FixSelectMode;
    std::int32_t SatsUsed = 0;
    std::int32_t SatsInView = 0;
    float HDOP = 0;
    float PDOP = 0;
    float VDOP = 0;

    // Altitude
    float Altitude = 0;
    FixedText<2> AltUnit;
    std::int32_t AltFixDim = 0;
    float GeoidSep = 0;
    FixedText<2> GeoidUnit;

    // Speed, course and magnetic variation
    float Speed = 0;
    FixedText<2> SpeedUnit;
    float CourseTrue = 0;
    float CourseMag = 0;
    float MagVar = 0;
    FixedText<1> MagVarDir;

    // Route following
    FixedText<6> OriginWaypoint;
    FixedText<6> DestWaypoint;
    float BODBearingTrue = 0;
    float BODBearingMag = 0;
    FixedText<1> RMBStatus;
    float CrossTrackErr = 0;
    FixedText<1> SteerDir;
    float DestLat = 0;
    FixedText<1> DestLatDir;
    float DestLon = 0;
    FixedText<1> DestLonDir;
    float DestRange = 0;
    float DestBearingTrue = 0;
    float DestBearingMag = 0;
    float DestClosingVel = 0;
    FixedText<1> ArrivalStatus;

    // Receiver error estimates and datum
    float HorizErrorEstimate = 0;
    FixedText<2> HorizErrorUnit;
    float VertErrorEstimate = 0;
    FixedText<2> VertErrorUnit;
    std::string MapDatum;

    // Satellite table, slot k at [k - 1]
    std::array<std::int32_t, SatSlots> SatPRN{};
    std::array<std::int32_t, SatSlots> SatElevation{};
    std::array<std::int32_t, SatSlots> SatAzimuth{};
    std::array<std::int32_t, SatSlots> SatSNR{};
    std::array<bool, SatSlots> SatUsed{};

    // Waypoint table, entries 1..WaypointCount at [0..WaypointCount - 1]
    std::array<Waypoint, MaxWaypoints> Waypoints{};
    std::int32_t WaypointCount = 0;

    // The sentence being decoded: SentenceField[0] is the identifier.
    std::array<std::string, MaxSentenceFields> SentenceField{};
    std::int32_t SentenceFieldCount = 0;

    // Flags
    bool NewPosition = false;
    bool NewAltitude = false;
    bool RouteComplete = true;
    bool SatViewComplete = true;

    // Field k of the current sentence (the k-th after the identifier); empty
    // when the sentence has no such field.
    const std::string& Field(int k) const
    {
        static const std::string empty;
        return (k >= 0 && k < SentenceFieldCount) ? SentenceField[k] : empty;
    }

    bool operator==(const GpsState&) const = default;
};

} // namespace trakora
