#include "StateJson.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace trakora {

Json TextJson(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            text.push_back(c);
        } else {
            text.push_back(static_cast<char>(0xC0 | (code >> 6)));
            text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return Json(std::move(text));
}

Json SingleJson(float value)
{
    if (!std::isfinite(value))
        return Json(static_cast<double>(value)); // written as null: JSON has no infinities
    // The shortest text for the float, read as a double, prints short again;
    // in the rare case where that double no longer rounds to the same float,
    // the exact value of the float is written instead.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    const double shortest = std::strtod(text, nullptr);
    return Json(static_cast<float>(shortest) == value ? shortest : static_cast<double>(value));
}

namespace {

template <std::size_t N>
Json FieldJson(const FixedText<N>& text)
{
    return TextJson(text.View());
}

Json FieldJson(const std::string& text) { return TextJson(text); }
Json FieldJson(float value) { return SingleJson(value); }
Json FieldJson(std::int32_t value) { return Json(value); }
Json FieldJson(bool value) { return Json(value); }

template <typename T, std::size_t N>
Json TableJson(const std::array<T, N>& table)
{
    Json array = Json::array();
    for (const T& value : table)
        array.push_back(FieldJson(value));
    return array;
}

Json WaypointsJson(const GpsState& gps)
{
    Json array = Json::array();
    const int count = std::clamp(gps.WaypointCount, 0, MaxWaypoints);
    for (int i = 0; i < count; ++i) {
        const Waypoint& wp = gps.Waypoints[i];
        Json entry = Json::object();
        entry["WpName"] = FieldJson(wp.WpName);
        entry["WpLat"] = FieldJson(wp.WpLat);
        entry["WpLatDir"] = FieldJson(wp.WpLatDir);
        entry["WpLon"] = FieldJson(wp.WpLon);
        entry["WpLonDir"] = FieldJson(wp.WpLonDir);
        array.push_back(std::move(entry));
    }
    return array;
}

Json SentenceFieldJson(const GpsState& gps)
{
    Json array = Json::array();
    const int count = std::clamp(gps.SentenceFieldCount, 0, MaxSentenceFields);
    for (int i = 0; i < count; ++i)
        array.push_back(TextJson(gps.SentenceField[i]));
    return array;
}

} // namespace

// The macro keeps each key spelled exactly as the field it reads.
#define TRAKORA_FIELD(name) state[#name] = FieldJson(gps.name)
#define TRAKORA_TABLE(name) state[#name] = TableJson(gps.name)

Json StateJson(const GpsState& gps)
{
    Json state = Json::object();
    TRAKORA_FIELD(UtcTime);
    TRAKORA_FIELD(UtcDate);
    TRAKORA_FIELD(Latitude);
    TRAKORA_FIELD(LatDir);
    TRAKORA_FIELD(Longitude);
    TRAKORA_FIELD(LonDir);
    TRAKORA_FIELD(RMCStatus);
    TRAKORA_FIELD(GLLStatus);

    TRAKORA_FIELD(FixQuality);
    TRAKORA_FIELD(FixMode);
    TRAKORA_FIELD(FixSelectMode);
    TRAKORA_FIELD(SatsUsed);
    TRAKORA_FIELD(SatsInView);
    TRAKORA_FIELD(HDOP);
    TRAKORA_FIELD(PDOP);
    TRAKORA_FIELD(VDOP);

    TRAKORA_FIELD(Altitude);
    TRAKORA_FIELD(AltUnit);
    TRAKORA_FIELD(AltFixDim);
    TRAKORA_FIELD(GeoidSep);
    TRAKORA_FIELD(GeoidUnit);

    TRAKORA_FIELD(Speed);
    TRAKORA_FIELD(SpeedUnit);
    TRAKORA_FIELD(CourseTrue);
    TRAKORA_FIELD(CourseMag);
    TRAKORA_FIELD(MagVar);
    TRAKORA_FIELD(MagVarDir);

    TRAKORA_FIELD(OriginWaypoint);
    TRAKORA_FIELD(DestWaypoint);
    TRAKORA_FIELD(BODBearingTrue);
    TRAKORA_FIELD(BODBearingMag);
    TRAKORA_FIELD(RMBStatus);
    TRAKORA_FIELD(CrossTrackErr);
    TRAKORA_FIELD(SteerDir);
    TRAKORA_FIELD(DestLat);
    TRAKORA_FIELD(DestLatDir);
    TRAKORA_FIELD(DestLon);
    TRAKORA_FIELD(DestLonDir);
    TRAKORA_FIELD(DestRange);
    TRAKORA_FIELD(DestBearingTrue);
    TRAKORA_FIELD(DestBearingMag);
    TRAKORA_FIELD(DestClosingVel);
    TRAKORA_FIELD(ArrivalStatus);

    TRAKORA_FIELD(HorizErrorEstimate);
    TRAKORA_FIELD(HorizErrorUnit);
    TRAKORA_FIELD(VertErrorEstimate);
    TRAKORA_FIELD(VertErrorUnit);
    TRAKORA_FIELD(MapDatum);

    TRAKORA_TABLE(SatPRN);
    TRAKORA_TABLE(SatElevation);
    TRAKORA_TABLE(SatAzimuth);
    TRAKORA_TABLE(SatSNR);
    TRAKORA_TABLE(SatUsed);

    state["Waypoints"] = WaypointsJson(gps);
    TRAKORA_FIELD(WaypointCount);

    state["SentenceField"] = SentenceFieldJson(gps);
    TRAKORA_FIELD(SentenceFieldCount);

    TRAKORA_FIELD(NewPosition);
    TRAKORA_FIELD(NewAltitude);
    TRAKORA_FIELD(RouteComplete);
    TRAKORA_FIELD(SatViewComplete);
    return state;
}

#undef TRAKORA_FIELD
#undef TRAKORA_TABLE

std::string DumpJson(const Json& value)
{
    return value.dump(-1, ' ', true);
}

} // namespace trakora
