#pragma once

namespace trakora {

// Geometry of the sky plot. Every length is in the plot's own unit (pixels
// on screen); the formulas are linear in the radius, so they hold for any unit.
// The plot is a square of side 2 * radius with the zenith at (radius, radius),
// north up and east right.

constexpr double InnerRingFactor = 0.47;   // 45 degrees of elevation
constexpr double HorizonRingFactor = 0.95; // 0 degrees of elevation

struct SkyPoint {
    double X = 0;
    double Y = 0;
};

// Whether a satellite reported at `elevation` and `azimuth` (degrees) is on
// the sky at all: elevation 0 to 90, azimuth 0 to 359. Others are damaged
// reports; they are neither drawn nor counted in the sky's extremes.
bool OnSky(double elevation, double azimuth);

// Where a satellite at `elevation` and `azimuth` (degrees) lies. The distance
// from the zenith is 1.05 * radius * (90 - elevation) / 100, which keeps the
// horizon just inside the horizon ring.
SkyPoint SkyPosition(double radius, double elevation, double azimuth);

// Top edge of the celestial pole marker for a fix at `latitude` degrees
// (unsigned) in the northern or southern hemisphere. The pole sits at the top
// (or bottom) edge at the equator and at the zenith at the pole; the 0.95
// factor pulls the marker slightly upwards so it clears the horizon ring.
double PoleMarkerTop(double radius, double plotHeight, double latitude, bool south, double markerHeight);

// Side of the observer mark at the zenith: a fiftieth of the radius, but never
// smaller than `minimum`.
double ObserverMarkSide(double radius, double minimum);

} // namespace trakora
