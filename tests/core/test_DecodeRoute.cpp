#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

using trakora::GpsState;
using trakora::MaxWaypoints;
using trakora::Waypoint;
using trakora::testing::Harness;
using trakora::testing::SameStateBesidesSentence;

namespace {

std::vector<std::string> Names(const GpsState& gps)
{
    std::vector<std::string> names;
    for (int i = 0; i < gps.WaypointCount; ++i)
        names.push_back(gps.Waypoints[i].WpName.Str());
    return names;
}

TEST(DecodeRMB, FillsEveryFieldInOrder)
{
    Harness h;
    auto expected = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V");
    expected->RMBStatus = "A";
    expected->CrossTrackErr = 0.66f;
    expected->SteerDir = "L";
    expected->OriginWaypoint = "003";
    expected->DestWaypoint = "004";
    expected->DestLat = 4917.24f; // raw, not converted
    expected->DestLatDir = "N";
    expected->DestLon = 12309.57f;
    expected->DestLonDir = "W";
    expected->DestRange = 1.3f;
    expected->DestBearingTrue = 52.5f;
    expected->DestBearingMag = 52.5f;
    expected->DestClosingVel = 0.5f;
    expected->ArrivalStatus = "V";
    EXPECT_TRUE(SameStateBesidesSentence(*expected, *h.Gps));
}

TEST(DecodeRMB, MagneticBearingUsesTheStoredVariation)
{
    Harness h;
    h.FeedBody("GPRMC,000001,A,4807.038,N,01131.000,E,1.0,0,010104,10,E");
    h.FeedBody("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,5,000.5,V");
    EXPECT_FLOAT_EQ(h.Gps->DestBearingMag, 355.0f);
    h.FeedBody("GPRMC,000001,A,4807.038,N,01131.000,E,1.0,0,010104,10,W");
    h.FeedBody("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,355,000.5,V");
    EXPECT_FLOAT_EQ(h.Gps->DestBearingMag, 5.0f);
}

TEST(DecodeRMB, UnreadableNumbersGiveZero)
{
    Harness h;
    h.FeedBody("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V");
    h.FeedBody("GPRMB,V,,R,ORIGIN-LONG,DEST,x,N,,W,,,,A");
    EXPECT_EQ(h.Gps->CrossTrackErr, 0.0f);
    EXPECT_EQ(h.Gps->DestLat, 0.0f);
    EXPECT_EQ(h.Gps->DestLon, 0.0f);
    EXPECT_EQ(h.Gps->DestRange, 0.0f);
    EXPECT_EQ(h.Gps->DestBearingTrue, 0.0f);
    EXPECT_EQ(h.Gps->DestBearingMag, 0.0f);
    EXPECT_EQ(h.Gps->DestClosingVel, 0.0f);
    EXPECT_EQ(h.Gps->OriginWaypoint, "ORIGIN");
    EXPECT_EQ(h.Gps->DestWaypoint, "DEST  ");
    EXPECT_EQ(h.Gps->ArrivalStatus, "A");
}

TEST(DecodeBOD, BearingsByTypeLetter)
{
    Harness h;
    h.FeedBody("GPBOD,099.3,T,105.6,M,POINTB,POINTA");
    EXPECT_FLOAT_EQ(h.Gps->BODBearingTrue, 99.3f);
    EXPECT_FLOAT_EQ(h.Gps->BODBearingMag, 105.6f);
    EXPECT_EQ(h.Gps->DestWaypoint, "POINTB");
    EXPECT_EQ(h.Gps->OriginWaypoint, "POINTA");

    h.FeedBody("GPBOD,099.3,T,,,POINTB,");
    EXPECT_FLOAT_EQ(h.Gps->BODBearingTrue, 99.3f);
    EXPECT_EQ(h.Gps->BODBearingMag, 0.0f);
    EXPECT_EQ(h.Gps->OriginWaypoint, "      ");

    h.FeedBody("GPBOD,10, M ,20,X,B,A");
    EXPECT_EQ(h.Gps->BODBearingTrue, 0.0f);
    EXPECT_EQ(h.Gps->BODBearingMag, 10.0f);

    h.FeedBody("GPBOD,10,T,bad,T,B,A");
    EXPECT_EQ(h.Gps->BODBearingTrue, 0.0f); // the later unreadable bearing wins as 0
    h.FeedBody("GPBOD,10,t,20,m,B,A");
    EXPECT_EQ(h.Gps->BODBearingTrue, 0.0f);
    EXPECT_EQ(h.Gps->BODBearingMag, 0.0f);
}

TEST(DecodeRTE, TwoSentenceRouteAppendsEachIdentifierOnce)
{
    Harness h;
    h.FeedBody("GPRTE,2,1,c,0,PBRCPK,PBRTO,PTELGR,PPLAND");
    EXPECT_FALSE(h.Gps->RouteComplete);
    h.FeedBody("GPRTE,2,2,c,0,PYAMBU,PBRTO,PPFAIR");
    EXPECT_TRUE(h.Gps->RouteComplete);
    const std::vector<std::string> route = {"PBRCPK", "PBRTO ", "PTELGR", "PPLAND", "PYAMBU", "PPFAIR"};
    EXPECT_EQ(Names(*h.Gps), route);
    for (int i = 0; i < h.Gps->WaypointCount; ++i) {
        const Waypoint& wp = h.Gps->Waypoints[i];
        EXPECT_EQ(wp.WpLat, 0.0f);
        EXPECT_EQ(wp.WpLatDir, "?");
        EXPECT_EQ(wp.WpLon, 0.0f);
        EXPECT_EQ(wp.WpLonDir, "?");
    }
    h.FeedBody("GPRTE,2,1,c,0,PBRCPK,PBRTO,PTELGR,PPLAND");
    h.FeedBody("GPRTE,2,2,c,0,PYAMBU,PBRTO,PPFAIR");
    EXPECT_EQ(Names(*h.Gps), route);
}

TEST(DecodeRTE, SingleIdentifierChangesOnlyRouteComplete)
{
    Harness h;
    auto before = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPRTE,3,1,c,0,ALONE");
    before->RouteComplete = false;
    EXPECT_TRUE(SameStateBesidesSentence(*before, *h.Gps));
    h.FeedBody("GPRTE,1,1,c,0");
    EXPECT_TRUE(h.Gps->RouteComplete);
    EXPECT_EQ(h.Gps->WaypointCount, 0);
}

TEST(DecodeRTE, LongIdentifiersAreCutAndAppendedAnew)
{
    Harness h;
    h.FeedBody("GPRTE,1,1,c,0,LONGNAME1,SHORT");
    h.FeedBody("GPRTE,1,1,c,0,LONGNAME1,SHORT");
    EXPECT_EQ(Names(*h.Gps), (std::vector<std::string>{"LONGNA", "SHORT ", "LONGNA"}));
}

TEST(DecodeRTE, FullTableIgnoresNewIdentifiers)
{
    Harness h;
    std::string body;
    for (int i = 0; i < MaxWaypoints + 20;) {
        body = "GPRTE,1,1,c,0";
        for (int j = 0; j < 30; ++j, ++i)
            body += ",W" + std::to_string(i);
        h.FeedBody(body);
    }
    EXPECT_EQ(h.Gps->WaypointCount, MaxWaypoints);
    EXPECT_EQ(h.Gps->Waypoints[MaxWaypoints - 1].WpName, "W1499 ");
    h.FeedBody("GPWPL,4917.16,N,12310.64,W,NEWONE");
    EXPECT_EQ(h.Gps->WaypointCount, MaxWaypoints);
    // Known identifiers still take their positions.
    h.FeedBody("GPWPL,4917.16,N,12310.64,W,W7");
    EXPECT_EQ(h.Gps->Waypoints[7].WpLat, 4917.16f);
    EXPECT_EQ(h.Gps->Waypoints[7].WpLatDir, "N");
}

TEST(DecodeWPL, FillsInRouteWaypointsAndAppendsNewOnes)
{
    Harness h;
    h.FeedBody("GPRTE,1,1,c,0,003,004");
    h.FeedBody("GPWPL,4917.16,N,12310.64,W,004");
    ASSERT_EQ(h.Gps->WaypointCount, 2);
    const Waypoint& filled = h.Gps->Waypoints[1];
    EXPECT_EQ(filled.WpName, "004   ");
    EXPECT_EQ(filled.WpLat, 4917.16f);
    EXPECT_EQ(filled.WpLatDir, "N");
    EXPECT_EQ(filled.WpLon, 12310.64f);
    EXPECT_EQ(filled.WpLonDir, "W");
    EXPECT_EQ(h.Gps->Waypoints[0].WpLatDir, "?");

    h.FeedBody("GPWPL,3000.5,S,00010.25,E,HOME");
    ASSERT_EQ(h.Gps->WaypointCount, 3);
    EXPECT_EQ(h.Gps->Waypoints[2].WpName, "HOME  ");
    EXPECT_EQ(h.Gps->Waypoints[2].WpLon, 10.25f);

    h.FeedBody("GPWPL,3000.5,S,00010.25,E,HOME");
    EXPECT_EQ(h.Gps->WaypointCount, 3);
    h.FeedBody("GPWPL,3000.5,N,00010.25,E,HOME");
    EXPECT_EQ(h.Gps->WaypointCount, 3);
    EXPECT_EQ(h.Gps->Waypoints[2].WpLatDir, "N");
}

TEST(DecodeWPL, LookupTrimsTheStoredNameButNotTheField)
{
    Harness h;
    h.FeedBody("GPWPL,1,N,2,E,AB");
    h.FeedBody("GPWPL,3,N,4,E,AB");
    EXPECT_EQ(h.Gps->WaypointCount, 1);
    EXPECT_EQ(h.Gps->Waypoints[0].WpLat, 3.0f);
    h.FeedBody("GPWPL,5,N,6,E, AB");
    EXPECT_EQ(h.Gps->WaypointCount, 2);
    h.FeedBody("GPWPL,5,N,6,E,ab");
    EXPECT_EQ(h.Gps->WaypointCount, 3);
}

TEST(DecodeWPL, UnreadableCoordinates)
{
    Harness h;
    h.FeedBody("GPWPL,,N,bad,E,NEW");
    ASSERT_EQ(h.Gps->WaypointCount, 1);
    EXPECT_EQ(h.Gps->Waypoints[0].WpLat, 0.0f);
    EXPECT_EQ(h.Gps->Waypoints[0].WpLon, 0.0f);
    EXPECT_EQ(h.Gps->Waypoints[0].WpLatDir, "N");
    h.FeedBody("GPWPL,4917.16,N,12310.64,W,NEW");
    h.FeedBody("GPWPL,,S,x,W,NEW");
    EXPECT_EQ(h.Gps->Waypoints[0].WpLat, 4917.16f); // kept
    EXPECT_EQ(h.Gps->Waypoints[0].WpLon, 12310.64f);
    EXPECT_EQ(h.Gps->Waypoints[0].WpLatDir, "S");
}

TEST(DecodeWPL, ShortSentenceDoesNotReadPastItsFields)
{
    Harness h;
    h.FeedBody("GPWPL");
    h.FeedBody("GPWPL,1");
    EXPECT_EQ(h.Gps->WaypointCount, 1); // the empty identifier is entered once
    EXPECT_EQ(h.Gps->Waypoints[0].WpName, "      ");
    EXPECT_EQ(h.Gps->Waypoints[0].WpLat, 1.0f);
}

} // namespace
