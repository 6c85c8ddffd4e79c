// Which identifiers are decoded under each talker setting, and which
// satellite a receiver means by a number in a sentence of a talker.
#include "nmea/GnssDecoders.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/TalkerMatch.h"

#include <gtest/gtest.h>

#include <string>

using namespace trakora;

namespace {

std::string RowOf(std::string_view identifier, TalkerFilter filter)
{
    const int row = MatchSentenceRow(identifier, filter);
    return row < 0 ? std::string("-") : std::string(SentenceTable[static_cast<std::size_t>(row)].Identifier);
}

TEST(TalkerMatch, GpsOnlyTakesTheTwelveIdentifiersAllTakesTheNineStandardTypesOfAnyTalker)
{
    const struct { const char* Id; const char* GpsOnly; const char* All; } cases[] = {
        {"$GPGGA", "$GPGGA", "$GPGGA"}, {"$GNGGA", "-", "$GPGGA"}, {"$GLGSV", "-", "$GPGSV"},
        {"$BDGSA", "-", "$GPGSA"},      {"$INRMC", "-", "$GPRMC"}, {"$ECGLL", "-", "$GPGLL"},
        {"$IIWPL", "-", "$GPWPL"},      {"$GNRTE", "-", "$GPRTE"}, {"$GNBOD", "-", "$GPBOD"},
        {"$GNRMB", "-", "$GPRMB"},      {"$PGRMZ", "$PGRMZ", "$PGRMZ"},
        // Proprietary sentences are matched whole, never by the letters after "$P".
        {"$PQGSV", "-", "-"}, {"$PGRMC", "-", "-"}, {"$PGGGA", "-", "-"},
        // A talker is two upper-case letters; the type must be one of the nine.
        {"$GnGGA", "-", "-"}, {"$G1GGA", "-", "-"}, {"$ GGGA", "-", "-"}, {"GNGGA", "-", "-"},
        {"$GNGGAX", "-", "-"}, {"$GNVTG", "-", "-"}, {"$GNGNS", "-", "-"}, {"SkipIt", "-", "-"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowOf(c.Id, TalkerFilter::GpsOnly), c.GpsOnly) << c.Id;
        EXPECT_EQ(RowOf(c.Id, TalkerFilter::AllGnss), c.All) << c.Id;
    }
    EXPECT_TRUE(IsAcceptedGga("$GNGGA", TalkerFilter::AllGnss) && !IsAcceptedGga("$GNGGA", TalkerFilter::GpsOnly) &&
                IsAcceptedGga("$GPGGA", TalkerFilter::GpsOnly) && !IsAcceptedGga("$GNRMC", TalkerFilter::AllGnss));
}

TEST(SatelliteNumbers, TalkerFirstThenSystemIdThenRanges)
{
    // Expected: display name, the system's own number, and the number in the twelve slots.
    const struct { const char* Talker; int SystemId; int Number; const char* Name; int Official; int Slot; } cases[] = {
        {"GP", 0, 5, "G05", 5, 5},       {"GP", 0, 44, "S31", 131, 44},   {"GN", 0, 64, "S51", 151, 64},
        {"GN", 0, 152, "S52", 152, 152}, {"GP", 0, 124, "S24", 124, 37},  {"GN", 0, 124, "E24", 24, 324},
        {"GP", 0, 65, "R01", 1, 65},     {"GL", 0, 7, "R07", 7, 71},
        {"GL", 0, 71, "R07", 7, 71},     {"GA", 0, 11, "E11", 11, 311},   {"GN", 0, 111, "E11", 11, 311},
        {"GN", 0, 311, "E11", 11, 311},  {"GB", 0, 20, "C20", 20, 420},   {"BD", 0, 220, "C20", 20, 420},
        {"GN", 0, 420, "C20", 20, 420},  {"GB", 0, 201, "C01", 1, 401},   {"GN", 0, 201, "C01", 1, 401},
        {"GQ", 0, 2, "J02", 194, 194},   {"QZ", 0, 194, "J02", 194, 194}, {"GN", 0, 194, "J02", 194, 194},
        {"GN", 5, 2, "J02", 194, 194},   {"GI", 0, 3, "I03", 3, 503},     {"GN", 3, 11, "E11", 11, 311},
        {"GN", 1, 51, "S38", 138, 51},   {"GN", 4, 32, "C32", 32, 432},   {"GN", 2, 82, "R18", 18, 82},
        // The talker outranks the system ID; numbers outside every range are no satellite.
        {"GL", 3, 7, "R07", 7, 71},      {"GP", 0, 0, "", 0, 0},          {"GP", 0, 999, "", 0, 0},
        {"GN", 0, 99, "", 0, 0},         {"GL", 0, 40, "", 0, 0},         {"GA", 0, 37, "", 0, 0},
        {"GP", 0, -5, "", 0, 0},         {"GQ", 0, 11, "", 0, 0},         {"GN", 0, 438 + 26, "", 0, 0},
    };
    for (const auto& c : cases) {
        const SatelliteId id = ClassifySatellite(c.Talker, c.SystemId, c.Number);
        const std::string where = std::string(c.Talker) + " " + std::to_string(c.SystemId) + " " + std::to_string(c.Number);
        EXPECT_EQ(id.Valid() ? std::string(DisplayName(id).data()) : "", c.Name) << where;
        if (id.Valid()) {
            EXPECT_EQ(std::pair(OfficialNumber(id), SlotNumber(id)), std::pair(c.Official, c.Slot)) << where;
        }
    }
}

TEST(FixDetails, QualityNamesAndTimesOfDay)
{
    const std::pair<const char*, const char*> qualities[] = {
        {"0", "No fix"},    {"1", "GPS fix"},   {"2", "Differential GPS fix"}, {"3", "PPS fix"}, {"4", "RTK fixed"},
        {"5", "RTK float"}, {"6", "Dead reckoning"}, {"7", "Manual input"},    {"8", "Simulation"}, {"9", ""}, {"", ""}};
    for (const auto& [quality, name] : qualities)
        EXPECT_EQ(FixQualityName(FixedText<1>(quality)), name) << quality;
    EXPECT_EQ(FixQualityName(FixedText<1>()), "") << "before the first GGA";

    const std::pair<const char*, std::int32_t> times[] = {
        {"000000", 0}, {"223745.00", 81465000}, {"055234.2", 21154200}, {"235959.999", 86399999},
        {"235960", 86400000}, // a leap second
        {"240000", -1}, {"126000", -1}, {"12345", -1}, {"123456x", -1}, {"123456.5a", -1}, {"", -1}, {" 12345", -1}};
    for (const auto& [field, ms] : times) {
        std::int32_t read = -1;
        EXPECT_EQ(ReadTimeOfDay(field, read) ? read : -1, ms) << field;
    }
}

} // namespace
