#pragma once

#include <cstdint>
#include <optional>

namespace trakora {

// Mean and spread of one quantity, kept as shifted sums: each sample enters as
// its offset d from a reference fixed by the first sample, as the count n, the
// sum of d and the sum of d squared. The offsets stay within the spread of the
// samples, so the variance (sum d^2 - (sum d)^2 / n) / (n - 1) keeps its
// precision in double over millions of samples, where sums of squares of the
// raw values would cancel to noise.
struct ShiftedSums {
    std::int32_t Count = 0;
    double Sum = 0;
    double SumSquares = 0;

    void Add(double offset);
    double MeanOffset() const { return Count > 0 ? Sum / Count : 0; }
    // The sample standard deviation; nothing below two samples.
    std::optional<double> StandardDeviation() const;
};

// Offsets in metres on the plane tangent to the WGS 84 ellipsoid at a
// reference point, north and east.
struct LocalOffset {
    double North = 0;
    double East = 0;
};

// The spread of a row's positions. Coordinates are signed degrees (south and
// west negative); the reference is the row's first sample, and longitude
// differences are wrapped to within 180 degrees, so a row across the
// antimeridian or the prime meridian keeps its true mean.
class PositionSpread {
public:
    // Adds a sample and returns its offset from the reference.
    LocalOffset Add(double latitude, double longitude);
    // Offset of a position from the reference.
    LocalOffset OffsetOf(double latitude, double longitude) const;

    std::int32_t Count() const { return North.Count; }
    double MeanLatitude() const;
    double MeanLongitude() const;
    LocalOffset MeanOffset() const { return {North.MeanOffset(), East.MeanOffset()}; }

    // The stored parts, read back by Restore.
    double ReferenceLatitude() const { return m_refLat; }
    double ReferenceLongitude() const { return m_refLon; }
    void Restore(double refLatitude, double refLongitude, const ShiftedSums& north, const ShiftedSums& east);

    ShiftedSums North;
    ShiftedSums East;

private:
    void SetReference(double latitude, double longitude);

    double m_refLat = 0;
    double m_refLon = 0;
    double m_metresPerDegreeLat = 0;
    double m_metresPerDegreeLon = 0;
};

// The spread of one value, such as an altitude in metres.
struct ValueSpread {
    double Reference = 0;
    ShiftedSums Offsets;

    void Add(double value);
    std::int32_t Count() const { return Offsets.Count; }
    double Mean() const { return Reference + Offsets.MeanOffset(); }
};

// Horizontal accuracy figures in metres from the standard deviations north and
// east. CEP50 and CEP95 use the circular approximations
//   CEP50 = 0.5887 (sN + sE)            (within 2% while the smaller s is at
//                                         least a fifth of the larger)
//   CEP95 = 2.4477 sqrt((sN^2 + sE^2) / 2)  (within 5% while it is at least half)
// both exact for sN = sE; 2DRMS = 2 sqrt(sN^2 + sE^2).
struct AccuracyFigures {
    double SigmaNorth = 0;
    double SigmaEast = 0;
    double Cep50 = 0;
    double Cep95 = 0;
    double TwoDrms = 0;
};

AccuracyFigures AccuracyFrom(double sigmaNorth, double sigmaEast);
// Nothing below two samples.
std::optional<AccuracyFigures> AccuracyOf(const PositionSpread& spread);

// Degrees wrapped into [-180, 180).
double WrapLongitude(double degrees);

} // namespace trakora
