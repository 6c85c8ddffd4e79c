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

TEST(ConvertSmallUnit, SourceAndTargetIgnoreCase)
{
    EXPECT_EQ(ConvertSmallUnit(100.0f, "me", WithUnits("Fe", "NA")), static_cast<float>(100.0 * 3.2808399));
    EXPECT_NEAR(ConvertSmallUnit(100.0f, "me", WithUnits("Fe", "NA")), 328.084f, 0.001f);
    EXPECT_EQ(ConvertSmallUnit(100.0f, "FE", WithUnits("me", "NA")), static_cast<float>(100.0 * 0.3048));
    EXPECT_EQ(ConvertSmallUnit(100.0f, "fE", WithUnits("FE", "NA")), 100.0f);
}

TEST(ConvertSmallUnit, EveryFactorOfTheTable)
{
    const float v = 123.4f;
    const double d = static_cast<double>(v);
    EXPECT_EQ(ConvertSmallUnit(v, "FE", WithUnits("FE", "NA")), v);
    EXPECT_EQ(ConvertSmallUnit(v, "FE", WithUnits("ME", "NA")), static_cast<float>(d * 0.3048));
    EXPECT_EQ(ConvertSmallUnit(v, "FE", WithUnits("FA", "NA")), static_cast<float>(d * 0.16666666667));
    EXPECT_EQ(ConvertSmallUnit(v, "ME", WithUnits("FE", "NA")), static_cast<float>(d * 3.2808399));
    EXPECT_EQ(ConvertSmallUnit(v, "ME", WithUnits("ME", "NA")), v);
    EXPECT_EQ(ConvertSmallUnit(v, "ME", WithUnits("FA", "NA")), static_cast<float>(d * 0.54680665));
}

TEST(ConvertSmallUnit, FathomsAndUnknownCodesGiveZero)
{
    for (const char* target : {"FE", "ME", "FA"})
        EXPECT_EQ(ConvertSmallUnit(10.0f, "FA", WithUnits(target, "NA")), 0.0f) << target;
    EXPECT_EQ(ConvertSmallUnit(10.0f, "  ", WithUnits("FE", "NA")), 0.0f);
    EXPECT_EQ(ConvertSmallUnit(10.0f, "", WithUnits("FE", "NA")), 0.0f);
    EXPECT_EQ(ConvertSmallUnit(10.0f, "FEE", WithUnits("FE", "NA")), 0.0f);
    EXPECT_EQ(ConvertSmallUnit(10.0f, "ME", WithUnits("XX", "NA")), 0.0f);
    EXPECT_EQ(ConvertSmallUnit(10.0f, "ME", WithUnits("F ", "NA")), 0.0f);
}

TEST(ConvertSmallUnitTo, TakesAnExplicitTarget)
{
    EXPECT_EQ(ConvertSmallUnitTo(100.0f, "ME", "fe"), static_cast<float>(100.0 * 3.2808399));
    EXPECT_EQ(ConvertSmallUnitTo(100.0f, "fe", "FE"), 100.0f);
    EXPECT_EQ(ConvertSmallUnitTo(100.0f, "FA", "FE"), 0.0f);
    EXPECT_EQ(ConvertSmallUnitTo(100.0f, "FE", "KI"), 0.0f);
}

TEST(ConvertLargeUnit, SourceMustBeUpperCaseTargetMayNot)
{
    EXPECT_EQ(ConvertLargeUnit(10.0f, "na", WithUnits("FE", "Ki")), 0.0f);
    EXPECT_EQ(ConvertLargeUnit(10.0f, "Na", WithUnits("FE", "KI")), 0.0f);
    EXPECT_EQ(ConvertLargeUnit(10.0f, "NA", WithUnits("FE", "Ki")), static_cast<float>(10.0 * 1.852));
    EXPECT_NEAR(ConvertLargeUnit(10.0f, "NA", WithUnits("FE", "Ki")), 18.52f, 1e-5f);
    EXPECT_EQ(ConvertLargeUnit(10.0f, "NA", WithUnits("FE", "na")), 10.0f);
}

TEST(ConvertLargeUnit, EveryFactorOfTheTable)
{
    const float v = 12.3f;
    const double d = static_cast<double>(v);
    const struct {
        const char* From;
        const char* To;
        double Factor;
    } rows[] = {
        {"NA", "ST", 1.150779448}, {"NA", "NA", 1.0},        {"NA", "KI", 1.852},
        {"ST", "ST", 1.0},         {"ST", "NA", 0.86897624}, {"ST", "KI", 1.609344},
        {"KI", "ST", 0.62137119},  {"KI", "NA", 0.5399568},  {"KI", "KI", 1.0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ConvertLargeUnit(v, row.From, WithUnits("FE", row.To)), static_cast<float>(d * row.Factor))
            << row.From << " -> " << row.To;
}

TEST(ConvertLargeUnit, UnknownCodesGiveZero)
{
    EXPECT_EQ(ConvertLargeUnit(10.0f, "  ", WithUnits("FE", "NA")), 0.0f);
    EXPECT_EQ(ConvertLargeUnit(10.0f, "FE", WithUnits("FE", "NA")), 0.0f);
    EXPECT_EQ(ConvertLargeUnit(10.0f, "NA", WithUnits("FE", "K ")), 0.0f);
    EXPECT_EQ(ConvertLargeUnit(10.0f, "NA", WithUnits("FE", "")), 0.0f);
}

TEST(UnitSuffix, NamesEachCodeInAnyCase)
{
    EXPECT_EQ(UnitSuffix("FE"), " Feet");
    EXPECT_EQ(UnitSuffix("me"), " Meters");
    EXPECT_EQ(UnitSuffix("Fa"), " Fathoms");
    EXPECT_EQ(UnitSuffix("ST"), " MPH");
    EXPECT_EQ(UnitSuffix("Ki"), " KPH");
    EXPECT_EQ(UnitSuffix("na"), " Knots");
    EXPECT_EQ(UnitSuffix("  "), "");
    EXPECT_EQ(UnitSuffix("M"), "");
    EXPECT_EQ(UnitSuffix(""), "");
}

TEST(AltitudeUnitCode, OnlyLowerCaseFMeansFeet)
{
    EXPECT_EQ(AltitudeUnitCode("f"), "FE");
    EXPECT_EQ(AltitudeUnitCode("F"), "  ");
    EXPECT_EQ(AltitudeUnitCode("M"), "  ");
    EXPECT_EQ(AltitudeUnitCode(""), "  ");
    EXPECT_EQ(AltitudeUnitCode("ft"), "  ");
}

} // namespace
} // namespace trakora
