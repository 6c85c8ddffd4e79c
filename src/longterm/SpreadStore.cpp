#include "longterm/SpreadStore.h"

#include "longterm/StoredNumbers.h"

#include <cmath>
#include <optional>
#include <string>

namespace trakora {

namespace {

// No offset on Earth is longer than half the equator.
constexpr double LongestOffsetMetres = 2.1e7;

struct Entry {
    std::string_view Section;
    std::string_view Key;
};

std::optional<double> Read(ISettingsStore& store, const Entry& entry)
{
    return ReadFixedDecimal(store.Get(entry.Section, entry.Key, ""));
}

// The count and sums of one quantity, when real samples could give them.
std::optional<ShiftedSums> ReadSums(ISettingsStore& store, const Entry& countEntry, const Entry& sumEntry,
                                    const Entry& squaresEntry, std::int32_t mostSamples)
{
    const std::optional<double> count = Read(store, countEntry);
    const std::optional<double> sum = Read(store, sumEntry);
    const std::optional<double> squares = Read(store, squaresEntry);
    if (!count || !sum || !squares || *count < 1 || *count > mostSamples || *count != std::floor(*count))
        return std::nullopt;
    const double mean = *sum / *count, meanSquare = *squares / *count;
    // The mean square is never below the square of the mean.
    const bool possible = std::fabs(mean) <= LongestOffsetMetres &&
                          meanSquare <= LongestOffsetMetres * LongestOffsetMetres &&
                          meanSquare >= mean * mean * (1 - 1e-9) - 1e-9;
    if (!possible)
        return std::nullopt;
    ShiftedSums sums;
    sums.Count = static_cast<std::int32_t>(*count);
    sums.Sum = *sum;
    sums.SumSquares = *squares;
    return sums;
}

void Write(ISettingsStore& store, std::string_view section, std::string_view key, double value)
{
    store.Save(section, key, FixedDecimalText(value));
}

} // namespace

PositionSpread LoadPositionSpread(ISettingsStore& store, int row, std::int32_t rowSampleCount)
{
    const std::string key = std::to_string(row);
    const std::optional<double> refLat = Read(store, {"RefLat", key});
    const std::optional<double> refLon = Read(store, {"RefLon", key});
    const auto north = ReadSums(store, {"SqSamps", key}, {"LatOff", key}, {"LatSq", key}, rowSampleCount);
    const auto east = ReadSums(store, {"SqSamps", key}, {"LonOff", key}, {"LonSq", key}, rowSampleCount);
    PositionSpread spread;
    if (refLat && refLon && north && east && std::fabs(*refLat) <= 90 && std::fabs(*refLon) <= 180)
        spread.Restore(*refLat, *refLon, *north, *east);
    return spread;
}

void SavePositionSpread(ISettingsStore& store, int row, const PositionSpread& spread)
{
    const std::string key = std::to_string(row);
    Write(store, "RefLat", key, spread.ReferenceLatitude());
    Write(store, "RefLon", key, spread.ReferenceLongitude());
    Write(store, "LatOff", key, spread.North.Sum);
    Write(store, "LonOff", key, spread.East.Sum);
    Write(store, "LatSq", key, spread.North.SumSquares);
    Write(store, "LonSq", key, spread.East.SumSquares);
    store.Save("SqSamps", key, std::to_string(spread.Count()));
}

ValueSpread LoadAltitudeSpread(ISettingsStore& store, std::int32_t altitudeSampleCount)
{
    const std::optional<double> reference = Read(store, {"Altitude", "RefAlt"});
    const auto sums = ReadSums(store, {"Altitude", "AltSqSamps"}, {"Altitude", "AltOff"}, {"Altitude", "AltSq"},
                               altitudeSampleCount);
    ValueSpread spread;
    if (reference && sums && std::fabs(*reference) <= LongestOffsetMetres) {
        spread.Reference = *reference;
        spread.Offsets = *sums;
    }
    return spread;
}

void SaveAltitudeSpread(ISettingsStore& store, const ValueSpread& spread)
{
    Write(store, "Altitude", "RefAlt", spread.Reference);
    Write(store, "Altitude", "AltOff", spread.Offsets.Sum);
    Write(store, "Altitude", "AltSq", spread.Offsets.SumSquares);
    store.Save("Altitude", "AltSqSamps", std::to_string(spread.Count()));
}

} // namespace trakora
