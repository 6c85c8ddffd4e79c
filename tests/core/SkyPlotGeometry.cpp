#include "common/SkyPlotGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trakora {
namespace {

constexpr double R = 200.0;

double DistanceFromZenith(SkyPoint p)
{
    return std::hypot(p.X - R, p.Y - R);
}

TEST(SkyPosition, ZenithIsTheCentreWhateverTheAzimuth)
{
    for (double azimuth : {0.0, 90.0, 217.0, 359.0}) {
        const SkyPoint p = SkyPosition(R, 90, azimuth);
        EXPECT_NEAR(p.X, R, 1e-9) << azimuth;
        EXPECT_NEAR(p.Y, R, 1e-9) << azimuth;
    }
}

TEST(SkyPosition, HorizonLiesJustInsideTheHorizonRing)
{
    const SkyPoint east = SkyPosition(R, 0, 90);
    EXPECT_NEAR(east.X, R + 0.945 * R, 1e-9);
    EXPECT_NEAR(east.Y, R, 1e-9);
    EXPECT_LT(DistanceFromZenith(east), HorizonRingFactor * R);
}

TEST(SkyPosition, NorthIsUpEastRightSouthDownWestLeft)
{
    const SkyPoint north = SkyPosition(R, 0, 0);
    const SkyPoint south = SkyPosition(R, 0, 180);
    const SkyPoint west = SkyPosition(R, 0, 270);
    EXPECT_NEAR(north.X, R, 1e-9);
    EXPECT_NEAR(north.Y, R - 0.945 * R, 1e-9);
    EXPECT_NEAR(south.X, R, 1e-9);
    EXPECT_NEAR(south.Y, R + 0.945 * R, 1e-9);
    EXPECT_NEAR(west.X, R - 0.945 * R, 1e-9);
    EXPECT_NEAR(west.Y, R, 1e-9);
}

TEST(SkyPosition, DistanceGrowsLinearlyWithZenithAngle)
{
    EXPECT_NEAR(DistanceFromZenith(SkyPosition(R, 45, 33)), 0.4725 * R, 1e-9);
    EXPECT_NEAR(DistanceFromZenith(SkyPosition(R, 60, 300)), 0.315 * R, 1e-9);
    // North-east at 45 degrees of azimuth: up and to the right equally.
    const SkyPoint ne = SkyPosition(R, 30, 45);
    EXPECT_NEAR(ne.X - R, R - ne.Y, 1e-9);
    EXPECT_GT(ne.X, R);
}

TEST(PoleMarkerTop, EquatorPutsTheNorthMarkerAtTheTopEdge)
{
    EXPECT_NEAR(PoleMarkerTop(R, 2 * R, 0, false, 13), (0 - 6.5) * 0.95, 1e-9);
}

TEST(PoleMarkerTop, PoleLatitudePutsTheMarkerNearTheCentre)
{
    EXPECT_NEAR(PoleMarkerTop(R, 2 * R, 90, false, 13), (R - 6.5) * 0.95, 1e-9);
    EXPECT_NEAR(PoleMarkerTop(R, 2 * R, 90, true, 13), (R - 6.5) * 0.95, 1e-9);
}

TEST(PoleMarkerTop, SouthernMarkerIsMeasuredFromTheBottom)
{
    // At 30 degrees the pole is R * cos(30) below the zenith.
    const double expected = (2 * R - (R - R * std::cos(30 * M_PI / 180)) - 6.5) * 0.95;
    EXPECT_NEAR(PoleMarkerTop(R, 2 * R, 30, true, 13), expected, 1e-9);
    EXPECT_NEAR(PoleMarkerTop(R, 2 * R, 0, true, 13), (2 * R - 6.5) * 0.95, 1e-9);
}

TEST(ObserverMarkSide, FiftiethOfTheRadiusWithAFloor)
{
    EXPECT_DOUBLE_EQ(ObserverMarkSide(500, 3), 10);
    EXPECT_DOUBLE_EQ(ObserverMarkSide(100, 3), 3);
    EXPECT_DOUBLE_EQ(ObserverMarkSide(150, 3), 3);
}

} // namespace
} // namespace trakora
