#include "common/Units.h"

#include <gtest/gtest.h>

namespace trakora {
namespace {

ProgramSettings WithUnits(const char* small, const char* large)
{
    ProgramSettings settings;
    settings.SmallUnit = small;
    settings.LargeUnit = large;
    return settings;
}

// Each factor in double, the result rounded once to single precision; 0 for a code not in the table.
TEST(ConvertSmallUnit, EveryFactorInAnyCaseAndZeroForUnknownCodes)
{
    const double v = static_cast<double>(123.4f);
    const struct { const char* From; const char* To; double Factor; } rows[] = {
        {"FE", "FE", 1.0}, {"FE", "ME", 0.3048}, {"FE", "FA", 0.16666666667}, {"ME", "FE", 3.2808399}, {"ME", "ME", 1.0},
        {"ME", "FA", 0.54680665}, {"me", "Fe", 3.2808399}, {"fE", "FE", 1.0}, {"FA", "FE", 0}, {"FA", "FA", 0},
        {"  ", "FE", 0}, {"", "FE", 0}, {"FEE", "FE", 0}, {"ME", "XX", 0}, {"ME", "F ", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ConvertSmallUnit(123.4f, row.From, WithUnits(row.To, "NA")), static_cast<float>(v * row.Factor))
            << row.From << " -> " << row.To;
        EXPECT_EQ(ConvertSmallUnitTo(123.4f, row.From, row.To), static_cast<float>(v * row.Factor));
    }
    EXPECT_NEAR(ConvertSmallUnit(100.0f, "ME", WithUnits("FE", "NA")), 328.084f, 0.001f);
}

TEST(ConvertLargeUnit, EveryFactorFromAnUpperCaseCodeAndZeroForUnknownCodes)
{
    const double v = static_cast<double>(12.3f);
    const struct { const char* From; const char* To; double Factor; } rows[] = {
        {"NA", "ST", 1.150779448}, {"NA", "NA", 1.0}, {"NA", "KI", 1.852}, {"ST", "ST", 1.0}, {"ST", "NA", 0.86897624},
        {"ST", "KI", 1.609344}, {"KI", "ST", 0.62137119}, {"KI", "NA", 0.5399568}, {"KI", "KI", 1.0},
        {"NA", "Ki", 1.852}, {"NA", "na", 1.0}, {"na", "Ki", 0}, {"Na", "KI", 0}, {"  ", "NA", 0}, {"FE", "NA", 0},
        {"NA", "K ", 0}, {"NA", "", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ConvertLargeUnit(12.3f, row.From, WithUnits("FE", row.To)), static_cast<float>(v * row.Factor))
            << row.From << " -> " << row.To;
}

TEST(UnitSuffix, NamesEachCodeInAnyCase)
{
    const std::pair<const char*, const char*> cases[] = {{"FE", " Feet"}, {"me", " Meters"}, {"Fa", " Fathoms"},
        {"ST", " MPH"}, {"Ki", " KPH"}, {"na", " Knots"}, {"  ", ""}, {"M", ""}};
    for (const auto& [code, suffix] : cases)
        EXPECT_EQ(UnitSuffix(code), suffix) << code;
    EXPECT_EQ(AltitudeUnitCode("f"), "FE");
    EXPECT_EQ(AltitudeUnitCode("F"), "  "); // only a lower-case f means feet
}

} // namespace
} // namespace trakora
