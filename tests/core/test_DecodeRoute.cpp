#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

using trakora::GpsState;
using trakora::MaxWaypoints;
using trakora::testing::ExpectChange;
using trakora::testing::Harness;

namespace {

// Waypoint table entry i as "name lat latDir lon lonDir".
std::string Row(const GpsState& gps, int i)
{
    const trakora::Waypoint& wp = gps.Waypoints[i];
    return wp.WpName.Str() + " " + std::to_string(wp.WpLat) + wp.WpLatDir.Str() + " " + std::to_string(wp.WpLon)
           + wp.WpLonDir.Str();
}

// Sentences with every field set are replayed against stored output (tests/replay); these are the odd ones.
TEST(DecodeRMB, UnreadableFieldsReadAsZeroAndTheBearingTurnsByTheStoredVariation)
{
    Harness h;
    h.FeedBody("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V");
    ExpectChange(h, "GPRMB,V,,R,ORIGIN-LONG,DEST,x,N,,W,,,,A", [](GpsState& g) {
        g.RMBStatus = "V", g.SteerDir = "R", g.OriginWaypoint = "ORIGIN", g.DestWaypoint = "DEST", g.ArrivalStatus = "A";
        g.CrossTrackErr = g.DestLat = g.DestLon = g.DestRange = g.DestBearingTrue = g.DestBearingMag = g.DestClosingVel = 0;
    });
    h.FeedBody("GPRMC,000001,A,4807.038,N,01131.000,E,1.0,0,010104,10,W"), h.FeedBody("GPRMB,A,,,,,,,,,,355");
    EXPECT_FLOAT_EQ(h.Gps->DestBearingMag, 5.0f); // 355 + 10 W - 360
}

TEST(DecodeBOD, BearingsByTypeLetter)
{
    const struct { const char* Body; float True, Magnetic; } cases[] = {
        {"GPBOD,099.3,T,,,POINTB,", 99.3f, 0.0f},  // magnetic part missing
        {"GPBOD,10, M ,20,X,B,A", 0.0f, 10.0f},    // blanks around the letter; X is no type
        {"GPBOD,10,T,bad,T,B,A", 0.0f, 0.0f},      // the later unreadable bearing wins as 0
        {"GPBOD,10,t,20,m,B,A", 0.0f, 0.0f},       // lower-case letters are no types
    };
    Harness h;
    for (const auto& c : cases) {
        h.FeedBody(c.Body);
        EXPECT_EQ(std::make_pair(h.Gps->BODBearingTrue, h.Gps->BODBearingMag), std::make_pair(c.True, c.Magnetic)) << c.Body;
    }
}

TEST(DecodeRTE, RouteAppendsEachNewIdentifierOnceUntilTheTableIsFull)
{
    Harness h;
    ExpectChange(h, "GPRTE,3,1,c,0,ALONE", [](GpsState& g) { g.RouteComplete = false; }); // one identifier: no entry
    for (int pass = 0; pass < 2; ++pass)
        h.FeedBody("GPRTE,2,1,c,0,PBRCPK,PBRTO,PTELGR,PPLAND"), h.FeedBody("GPRTE,2,2,c,0,PYAMBU,PBRTO,PPFAIR,LONGNAME1");
    // Sent twice, the route adds each identifier once, but the long one twice: its cut name never matches.
    ASSERT_EQ(h.Gps->WaypointCount, 8);
    int entry = 0;
    for (const char* name : {"PBRCPK", "PBRTO ", "PTELGR", "PPLAND", "PYAMBU", "PPFAIR", "LONGNA", "LONGNA"})
        EXPECT_EQ(Row(*h.Gps, entry++), std::string(name) + " 0.000000? 0.000000?");

    for (int i = 8; i < MaxWaypoints + 20; ++i)
        h.FeedBody("GPWPL,1,N,2,E,W" + std::to_string(i));
    h.FeedBody("GPRTE,1,1,c,0,NEW1,NEW2");
    EXPECT_EQ(h.Gps->WaypointCount, MaxWaypoints) << "a full table ignores new identifiers";
    EXPECT_EQ(h.Gps->Waypoints[MaxWaypoints - 1].WpName, "W1499 ");
    h.FeedBody("GPWPL,4917.16,N,12310.64,W,PTELGR"); // known identifiers still take their positions
    EXPECT_EQ(h.Gps->Waypoints[2].WpLat, 4917.16f);
}

TEST(DecodeWPL, FillsInRouteWaypointsAndAppendsNewOnes)
{
    const struct { const char* Body; int Index; const char* Row; int Count; } steps[] = {
        {"GPRTE,1,1,c,0,003,004", 1, "004    0.000000? 0.000000?", 2},
        {"GPWPL,4917.16,N,12310.64,W,004", 1, "004    4917.160156N 12310.639648W", 2}, // raw, not converted
        {"GPWPL,1,N,2,E,AB", 2, "AB     1.000000N 2.000000E", 3},
        {"GPWPL,3,S,,W,AB", 2, "AB     3.000000S 2.000000W", 3}, // found by the trimmed name; unreadable kept
        {"GPWPL,,N,x,E, AB", 3, " AB    0.000000N 0.000000E", 4},  // the field itself is not trimmed
        {"GPWPL,1,N,2,E,ab", 4, "ab     1.000000N 2.000000E", 5},  // names are case-sensitive
        {"GPWPL,1", 5, "       1.000000  0.000000 ", 6},            // missing fields read as empty
    };
    Harness h;
    for (const auto& step : steps) {
        h.FeedBody(step.Body);
        EXPECT_EQ(h.Gps->WaypointCount, step.Count) << step.Body;
        EXPECT_EQ(Row(*h.Gps, step.Index), step.Row) << step.Body;
    }
}

} // namespace
