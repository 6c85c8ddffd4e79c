#pragma once

// What the fuzz targets share: a check that stops the run with a message, a
// scratch folder for the files a run writes, and the checks every receiver
// state must pass.
#include "nmea/GnssState.h"
#include "nmea/GpsState.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>
#include <unistd.h>

namespace trakora::fuzz {

// A failed check is a finding: libFuzzer keeps the input that caused it.
inline void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// A folder of this process, removed when the process ends normally.
inline const std::filesystem::path& ScratchDir()
{
    static const std::filesystem::path dir = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/trakora-fuzz-XXXXXX";
        Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchDir(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return dir;
}

// Every number finite, positions within their ranges, the tables within
// their sizes, and no leftover text after the last field.
inline void RequireSane(const GpsState& g)
{
    const float numbers[] = {g.Latitude,        g.Longitude,      g.HDOP,          g.PDOP,
                             g.VDOP,            g.Altitude,       g.GeoidSep,      g.Speed,
                             g.CourseTrue,      g.CourseMag,      g.MagVar,        g.BODBearingTrue,
                             g.BODBearingMag,   g.CrossTrackErr,  g.DestLat,       g.DestLon,
                             g.DestRange,       g.DestBearingTrue, g.DestBearingMag, g.DestClosingVel,
                             g.HorizErrorEstimate, g.VertErrorEstimate};
    for (float value : numbers)
        Require(std::isfinite(value), "every number of the state is finite");
    Require(g.Latitude >= 0 && g.Latitude <= 90 && g.Longitude >= 0 && g.Longitude <= 180,
            "the position lies within 0..90 and 0..180 degrees");
    Require(g.WaypointCount >= 0 && g.WaypointCount <= MaxWaypoints, "WaypointCount fits its table");
    Require(g.SentenceFieldCount >= 0 && g.SentenceFieldCount <= MaxSentenceFields,
            "SentenceFieldCount fits its table");
    for (int i = 0; i < g.WaypointCount; ++i)
        Require(std::isfinite(g.Waypoints[i].WpLat) && std::isfinite(g.Waypoints[i].WpLon),
                "waypoint coordinates are finite");
    for (int k = g.SentenceFieldCount; k < MaxSentenceFields; ++k)
        Require(g.SentenceField[k].empty(), "no field is left over after the last one");
}

// The satellite table within its sizes and every angle within its range.
inline void RequireSane(const GnssState& gnss)
{
    const SatelliteTable& table = gnss.Satellites;
    Require(table.Count() >= 0 && table.Count() <= MaxSatellites && table.UsedCount() <= table.Count(),
            "the satellite table holds at most its size");
    Require(table.GroupCount() >= 0 && table.GroupCount() <= MaxGsvGroups, "the GSV groups fit their table");
    table.ForEach([](const SatelliteEntry& e) {
        Require(e.Id.Valid() && e.SignalCount <= MaxSignalsPerSatellite, "a listed satellite has a number and room");
        Require(e.Elevation == UnknownAngle || (e.Elevation >= -90 && e.Elevation <= 90), "elevations within -90..90");
        Require(e.Azimuth == UnknownAngle || (e.Azimuth >= 0 && e.Azimuth <= 359), "azimuths within 0..359");
    });
}

// What the satellite table shows, in an order of its own, for comparing two tables.
inline auto Shown(const GnssState& gnss)
{
    std::vector<std::tuple<int, int, int, int, int, bool>> satellites;
    gnss.Satellites.ForEach([&](const SatelliteEntry& e) {
        satellites.emplace_back(static_cast<int>(e.Id.System), e.Id.Number, e.Elevation, e.Azimuth, e.BestSnr(), e.Used);
    });
    std::sort(satellites.begin(), satellites.end());
    return std::tuple(satellites, gnss.FaaMode, gnss.NavStatus, gnss.UtcFraction);
}

} // namespace trakora::fuzz
