#include "common/SkyPlotGeometry.h"

#include <cmath>

namespace trakora {

namespace {

constexpr double RadiansPerDegree = 0.017453292519944444;

} // namespace

bool OnSky(double elevation, double azimuth)
{
    return elevation >= 0 && elevation <= 90 && azimuth >= 0 && azimuth <= 359;
}

SkyPoint SkyPosition(double radius, double elevation, double azimuth)
{
    // Turning the azimuth by a quarter and using (elevation - 90) puts north
    // at the top and east on the right of a y-down surface.
    const double e = elevation - 90.0;
    const double b = (azimuth + 90.0) * RadiansPerDegree;
    return {radius + 1.05 * radius * (e / 100.0) * std::cos(b), radius + 1.05 * radius * (e / 100.0) * std::sin(b)};
}

double PoleMarkerTop(double radius, double plotHeight, double latitude, bool south, double markerHeight)
{
    const double a = (90.0 - latitude) * RadiansPerDegree;
    const double fromEdge = radius - radius * std::sin(a);
    const double centreY = south ? plotHeight - fromEdge : fromEdge;
    return (centreY - markerHeight / 2.0) * 0.95;
}

double ObserverMarkSide(double radius, double minimum)
{
    const double side = 0.02 * radius;
    return side < minimum ? minimum : side;
}

} // namespace trakora
