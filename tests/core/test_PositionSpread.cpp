// The spread accumulators against a direct computation, the accuracy
// formulas against their exact values, the sample cloud and the stored form.
#include "longterm/PositionSpread.h"
#include "longterm/SampleCloud.h"
#include "longterm/SpreadStore.h"
#include "longterm/StoredNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace trakora;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Metres per degree north and east on the WGS 84 ellipsoid.
std::pair<double, double> MetresPerDegree(double latitude)
{
    const double e2 = 0.00669437999014, a = 6378137.0, s = std::sin(latitude * Pi / 180), w = 1 - e2 * s * s;
    return {a * (1 - e2) / std::pow(w, 1.5) * Pi / 180, a / std::sqrt(w) * std::cos(latitude * Pi / 180) * Pi / 180};
}

struct Direct {
    long double meanLat = 0, meanLon = 0, sigmaNorth = 0, sigmaEast = 0;
};

// Two passes in long double over positions given as signed degrees, with
// longitudes unwrapped around the first.
Direct DirectSpread(const std::vector<std::pair<double, double>>& positions)
{
    Direct d;
    const double lon0 = positions.front().second;
    const auto unwrapped = [lon0](long double lon) { return lon0 + std::remainder(lon - lon0, 360.0L); };
    for (const auto& [lat, lon] : positions)
        d.meanLat += lat, d.meanLon += unwrapped(lon);
    d.meanLat /= positions.size(), d.meanLon /= positions.size();
    const auto [north, east] = MetresPerDegree(positions.front().first);
    for (const auto& [lat, lon] : positions) {
        d.sigmaNorth += std::pow((lat - d.meanLat) * north, 2);
        d.sigmaEast += std::pow((unwrapped(lon) - d.meanLon) * east, 2);
    }
    d.sigmaNorth = std::sqrt(d.sigmaNorth / (positions.size() - 1));
    d.sigmaEast = std::sqrt(d.sigmaEast / (positions.size() - 1));
    return d;
}

double WrapTo180(double lon)
{
    return lon >= 180 ? lon - 360 : lon < -180 ? lon + 360 : lon;
}

TEST(PositionSpread, MeansAndSpreadsMatchADirectComputationAnywhere)
{
    const struct { const char* place; double lat, lon, noiseMetres; } cases[] = {
        {"equator", 0, 10, 3},           {"prime meridian", 51.4783, 0, 3}, {"antimeridian", -16.5, 180, 3},
        {"near the north pole", 89.99, 45, 3}, {"exactly at 0,0 without noise", 0, 0, 0},
        {"ordinary", 47.3951234, 8.5470321, 0.02},
    };
    for (const auto& c : cases) {
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0, c.noiseMetres > 0 ? c.noiseMetres : 1);
        const auto [north, east] = MetresPerDegree(c.lat);
        std::vector<std::pair<double, double>> positions;
        PositionSpread spread;
        for (int i = 0; i < 20000; ++i) {
            const double dn = c.noiseMetres > 0 ? noise(random) : 0, de = c.noiseMetres > 0 ? noise(random) : 0;
            positions.emplace_back(c.lat + dn / north, WrapTo180(c.lon + de / east));
            spread.Add(positions.back().first, positions.back().second);
        }
        const Direct d = DirectSpread(positions);
        const auto figures = AccuracyOf(spread);
        ASSERT_TRUE(figures) << c.place;
        EXPECT_NEAR(figures->SigmaNorth, static_cast<double>(d.sigmaNorth), 1e-3) << c.place;
        EXPECT_NEAR(figures->SigmaEast, static_cast<double>(d.sigmaEast), 1e-3) << c.place;
        EXPECT_NEAR((spread.MeanLatitude() - d.meanLat) * north, 0, 1e-3) << c.place;
        EXPECT_NEAR(WrapTo180(spread.MeanLongitude() - static_cast<double>(d.meanLon)) * east, 0, 1e-3) << c.place;
        EXPECT_GE(spread.MeanLongitude(), -180) << c.place;
        EXPECT_LT(spread.MeanLongitude(), 180) << c.place;
        if (c.noiseMetres > 0) {
            EXPECT_NEAR(figures->SigmaNorth, c.noiseMetres, 0.05 * c.noiseMetres) << c.place;
        }
    }
}

TEST(PositionSpread, TenMillionSamplesKeepMillimetres)
{
    // A receiver that wanders slowly by tens of metres around its first fix.
    constexpr int Samples = 10'000'000;
    const double lat0 = 47.3951234, lon0 = 8.5470321;
    const auto [north, east] = MetresPerDegree(lat0);
    PositionSpread spread;
    // Direct: sums and sums of squares of the offsets in long double, whose
    // 64-bit mantissa leaves the cancellation far below a millimetre here.
    long double sumN = 0, sumE = 0, squaresN = 0, squaresE = 0;
    for (std::uint64_t i = 0, state = 1; i < Samples; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double u = static_cast<double>(state >> 11) / 9007199254740992.0;
        const double v = static_cast<double>((state >> 3) & 0xFFFFF) / 1048576.0;
        const double lat = lat0 + (20 + 8 * (u - 0.5)) / north, lon = lon0 + (-35 + 6 * (v - 0.5)) / east;
        spread.Add(lat, lon);
        const long double n = (lat - lat0) * north, e = (lon - lon0) * east;
        sumN += n, sumE += e, squaresN += n * n, squaresE += e * e;
    }
    const long double meanN = sumN / Samples, meanE = sumE / Samples;
    const auto sigma = [](long double squares, long double sum) {
        return static_cast<double>(std::sqrt((squares - sum * sum / Samples) / (Samples - 1)));
    };
    const auto figures = AccuracyOf(spread);
    ASSERT_TRUE(figures);
    EXPECT_NEAR(figures->SigmaNorth, sigma(squaresN, sumN), 1e-3);
    EXPECT_NEAR(figures->SigmaEast, sigma(squaresE, sumE), 1e-3);
    EXPECT_NEAR((spread.MeanLatitude() - lat0) * north, static_cast<double>(meanN), 1e-3);
    EXPECT_NEAR((spread.MeanLongitude() - lon0) * east, static_cast<double>(meanE), 1e-3);
}

TEST(PositionSpread, AccuracyFiguresFollowTheRadialDistribution)
{
    // Exact radial quantiles for equal sigmas are sqrt(-2 ln(1 - p)); the
    // unequal case was measured by simulating two million points.
    const struct { double sigmaNorth, sigmaEast, cep50, cep95, tolerance50, tolerance95; } cases[] = {
        {1, 1, std::sqrt(2 * std::log(2.0)), std::sqrt(-2 * std::log(0.05)), 1e-4, 1e-4},
        {3, 3, 3 * 1.17741, 3 * 2.44775, 1e-3, 1e-3},
        {1, 0.5, 0.8713, 2.0347, 0.02, 0.05},
    };
    for (const auto& c : cases) {
        const AccuracyFigures f = AccuracyFrom(c.sigmaNorth, c.sigmaEast);
        EXPECT_NEAR(f.Cep50 / c.cep50, 1, c.tolerance50) << c.sigmaNorth << " " << c.sigmaEast;
        EXPECT_NEAR(f.Cep95 / c.cep95, 1, c.tolerance95) << c.sigmaNorth << " " << c.sigmaEast;
        EXPECT_DOUBLE_EQ(f.TwoDrms, 2 * std::hypot(c.sigmaNorth, c.sigmaEast));
    }
    PositionSpread one;
    one.Add(45, 7);
    EXPECT_FALSE(AccuracyOf(one)) << "one sample has no spread";
}

TEST(SampleCloud, KeepsTheLatestSamplesOldestFirst)
{
    SampleCloud cloud;
    for (int i = 0; i < 2500; ++i)
        cloud.Add({static_cast<double>(i), -static_cast<double>(i)});
    ASSERT_EQ(cloud.Size(), SampleCloud::Capacity);
    EXPECT_EQ(cloud.At(0).North, 500);
    EXPECT_EQ(cloud.At(1999).East, -2499);
    cloud.Clear();
    EXPECT_EQ(cloud.Size(), 0u);

    const std::pair<double, double> lengths[] = {{7.3, 5}, {1, 1}, {0.3, 0.2}, {1000, 1000}, {19.99, 10}, {0.0999, 0.05}};
    for (const auto& [length, round] : lengths)
        EXPECT_DOUBLE_EQ(RoundLength(length), round) << length;

    cloud.Add({4, 0});
    cloud.Add({-2, 9});
    const ScatterScale scale = ScaleFor(cloud, {1, 0}, 3);
    EXPECT_DOUBLE_EQ(scale.HalfWidth, 9 * 1.1) << "the farthest sample, with a margin";
    EXPECT_DOUBLE_EQ(scale.ScaleBar, 2);
}

TEST(SpreadStore, RoundTripsAndReadsDamagedEntriesAsUnknown)
{
    PositionSpread spread;
    for (double d : {0.0, 1e-5, -2e-5, 3e-5})
        spread.Add(-33.8 + d, 151.2 - d);
    MemorySettingsStore store;
    SavePositionSpread(store, 4, spread);
    const PositionSpread back = LoadPositionSpread(store, 4, 4);
    EXPECT_EQ(back.Count(), 4);
    EXPECT_NEAR(back.MeanLatitude(), spread.MeanLatitude(), 1e-12);
    EXPECT_NEAR(AccuracyOf(back)->SigmaEast, *spread.East.StandardDeviation(), 1e-9);
    EXPECT_EQ(LoadPositionSpread(store, 4, 3).Count(), 0) << "more samples than the row holds";
    EXPECT_EQ(LoadPositionSpread(store, 5, 4).Count(), 0) << "a store without the entries";

    const std::string huge(320, '9');
    const struct { const char *section, *text; } damage[] = {
        {"LatSq", "abc"}, {"LatSq", "1e308"}, {"LonOff", "nan"}, {"RefLat", "-91"},
        {"LatSq", huge.c_str()}, {"SqSamps", "2.5"}, {"LonSq", "-1"},
        {"LatSq", "0"}, // smaller than the square of the mean offset
    };
    for (const auto& d : damage) {
        MemorySettingsStore damaged = store;
        damaged.Save(d.section, "4", d.text);
        EXPECT_EQ(LoadPositionSpread(damaged, 4, 4).Count(), 0) << d.section << " " << d.text;
    }

    ValueSpread altitude;
    altitude.Add(545.4);
    altitude.Add(547.0);
    SaveAltitudeSpread(store, altitude);
    EXPECT_NEAR(LoadAltitudeSpread(store, 2).Mean(), 546.2, 1e-9);
    store.Save("Altitude", "AltSq", "1e308");
    EXPECT_EQ(LoadAltitudeSpread(store, 2).Count(), 0);
}

TEST(StoredNumbers, FixedNotationRoundTrips)
{
    const std::pair<double, const char*> written[] = {
        {180.5, "180.5"}, {4.99999987368938e-05, "0.0000499999987368938"}, {0, "0"},
        {123456789012.345678, "123456789012.346"}, {-0.25, "-0.25"}, {1e20, "100000000000000000000"},
    };
    for (const auto& [value, text] : written) {
        EXPECT_EQ(FixedDecimalText(value), text);
        EXPECT_EQ(ReadFixedDecimal(text), std::stod(text));
    }
    EXPECT_EQ(ReadStoredSum(" 12.5e-1xyz"), 1.25);
    EXPECT_EQ(ReadStoredSum("7e"), 7.0) << "an exponent without digits is not part of the number";
    EXPECT_EQ(ReadStoredSum("abc"), 0.0);
    EXPECT_FALSE(ReadStoredSum("1e999"));
    EXPECT_FALSE(ReadFixedDecimal(" 1.5e3"));
    EXPECT_FALSE(ReadFixedDecimal(""));
}

} // namespace
