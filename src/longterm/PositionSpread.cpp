#include "longterm/PositionSpread.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trakora {

namespace {

constexpr double SemiMajorAxis = 6378137.0;
constexpr double Flattening = 1 / 298.257223563;
constexpr double EccentricitySquared = Flattening * (2 - Flattening);
constexpr double RadiansPerDegree = std::numbers::pi / 180;

} // namespace

void ShiftedSums::Add(double offset)
{
    ++Count;
    Sum += offset;
    SumSquares += offset * offset;
}

std::optional<double> ShiftedSums::StandardDeviation() const
{
    if (Count < 2)
        return std::nullopt;
    const double squares = SumSquares - Sum * Sum / Count;
    // Rounding can leave a tiny negative remainder for samples that are all equal.
    return std::sqrt(std::max(squares, 0.0) / (Count - 1));
}

double WrapLongitude(double degrees)
{
    const double wrapped = std::fmod(degrees + 180.0, 360.0);
    return (wrapped < 0 ? wrapped + 360.0 : wrapped) - 180.0;
}

void PositionSpread::SetReference(double latitude, double longitude)
{
    m_refLat = latitude;
    m_refLon = longitude;
    // Radii of curvature of the ellipsoid in the meridian and the prime vertical.
    const double sinLat = std::sin(latitude * RadiansPerDegree);
    const double w = 1 - EccentricitySquared * sinLat * sinLat;
    const double meridian = SemiMajorAxis * (1 - EccentricitySquared) / (w * std::sqrt(w));
    const double primeVertical = SemiMajorAxis / std::sqrt(w);
    m_metresPerDegreeLat = meridian * RadiansPerDegree;
    m_metresPerDegreeLon = primeVertical * std::cos(latitude * RadiansPerDegree) * RadiansPerDegree;
}

LocalOffset PositionSpread::OffsetOf(double latitude, double longitude) const
{
    return {(latitude - m_refLat) * m_metresPerDegreeLat,
            WrapLongitude(longitude - m_refLon) * m_metresPerDegreeLon};
}

LocalOffset PositionSpread::Add(double latitude, double longitude)
{
    if (Count() == 0)
        SetReference(latitude, longitude);
    const LocalOffset offset = OffsetOf(latitude, longitude);
    North.Add(offset.North);
    East.Add(offset.East);
    return offset;
}

double PositionSpread::MeanLatitude() const
{
    return m_refLat + North.MeanOffset() / m_metresPerDegreeLat;
}

double PositionSpread::MeanLongitude() const
{
    // At a pole every longitude is the same place: keep the reference.
    if (m_metresPerDegreeLon < 1e-6)
        return m_refLon;
    return WrapLongitude(m_refLon + East.MeanOffset() / m_metresPerDegreeLon);
}

void PositionSpread::Restore(double refLatitude, double refLongitude, const ShiftedSums& north,
                             const ShiftedSums& east)
{
    SetReference(refLatitude, refLongitude);
    North = north;
    East = east;
}

void ValueSpread::Add(double value)
{
    if (Offsets.Count == 0)
        Reference = value;
    Offsets.Add(value - Reference);
}

AccuracyFigures AccuracyFrom(double sigmaNorth, double sigmaEast)
{
    const double sumOfSquares = sigmaNorth * sigmaNorth + sigmaEast * sigmaEast;
    return {sigmaNorth, sigmaEast, 0.5887 * (sigmaNorth + sigmaEast), 2.4477 * std::sqrt(sumOfSquares / 2),
            2 * std::sqrt(sumOfSquares)};
}

std::optional<AccuracyFigures> AccuracyOf(const PositionSpread& spread)
{
    const std::optional<double> north = spread.North.StandardDeviation();
    const std::optional<double> east = spread.East.StandardDeviation();
    if (!north || !east)
        return std::nullopt;
    return AccuracyFrom(*north, *east);
}

} // namespace trakora
