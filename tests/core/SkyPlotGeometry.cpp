#include "common/SkyPlotGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trakora {
namespace {

constexpr double R = 200.0;
constexpr double H = 0.945 * R; // the horizon lies just inside the horizon ring

TEST(SkyPosition, NorthUpEastRightAndLinearInZenithAngle)
{
    const struct { double elevation, azimuth, x, y; const char* legend; } cases[] = {
        {90, 217, R, R, "zenith is the centre whatever the azimuth"},
        {0, 90, R + H, R, "east horizon to the right"},
        {0, 0, R, R - H, "north up"},
        {0, 180, R, R + H, "south down"},
        {0, 270, R - H, R, "west left"},
        {45, 90, R + 0.4725 * R, R, "45 degrees: half the horizon distance"},
    };
    for (const auto& c : cases) {
        const SkyPoint p = SkyPosition(R, c.elevation, c.azimuth);
        EXPECT_NEAR(std::hypot(p.X - c.x, p.Y - c.y), 0, 1e-9) << c.legend;
    }
}

TEST(OnSky, ElevationZeroToNinetyAndAzimuthZeroTo359)
{
    const struct { double elevation, azimuth; bool on; } cases[] = {
        {0, 0, true}, {90, 359, true}, {-1, 10, false}, {91, 10, false}, {10, 360, false}, {10, -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnSky(c.elevation, c.azimuth), c.on) << c.elevation << " " << c.azimuth;
}

TEST(PoleMarkerTop, FollowsLatitudeFromTheEdgeToTheCentre)
{
    const struct { double latitude; bool south; double expected; const char* legend; } cases[] = {
        {0, false, (0 - 6.5) * 0.95, "equator: north marker at the top edge"},
        {90, false, (R - 6.5) * 0.95, "pole: at the centre"},
        {30, true, (R + R * std::cos(M_PI / 6) - 6.5) * 0.95, "south: measured from the bottom edge"},
        {0, true, (2 * R - 6.5) * 0.95, "equator: south marker at the bottom edge"},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(PoleMarkerTop(R, 2 * R, c.latitude, c.south, 13), c.expected, 1e-9) << c.legend;
}

TEST(ObserverMarkSide, FiftiethOfTheRadiusWithAFloor)
{
    EXPECT_DOUBLE_EQ(ObserverMarkSide(500, 3), 10);
    EXPECT_DOUBLE_EQ(ObserverMarkSide(150, 3), 3);
}

} // namespace
} // namespace trakora
