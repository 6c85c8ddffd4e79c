#include "common/NumberFormat.h"

#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <string>

namespace trakora {
namespace {

struct Case {
    double Value;
    const char* Pattern;
    const char* Expected;
};

void ExpectAll(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.Value, c.Pattern), c.Expected) << c.Value << " with " << c.Pattern;
}

TEST(FormatNumber, OptionalIntegerDigitsWithOneDecimal)
{
    ExpectAll({
        {12.34, "###.0", "12.3"},
        {0.0, "###.0", ".0"},
        {static_cast<double>(0.9f), "###.0", ".9"},
        {1234.56, "###.0", "1234.6"},
        {99.95, "###.0", "100.0"},
        {static_cast<double>(123.4f), "#####.0", "123.4"},
        {0.0, "#####.0", ".0"},
        {0.8, "#####.0", ".8"},
        {7.333, "##.0", "7.3"},
        {0.0, "##.0", ".0"},
        {12.0, "##.0", "12.0"},
    });
}

TEST(FormatNumber, RequiredIntegerDigitWithDecimals)
{
    ExpectAll({
        {66.0 + 2.0 / 3.0, "#0.0", "66.7"},
        {0.0, "#0.0", "0.0"},
        {100.0, "#0.0", "100.0"},
        {static_cast<double>(45.12345f), "##0.00000", "45.12345"},
        {0.5, "##0.00000", "0.50000"},
        {0.0, "#0.00000", "0.00000"},
        {7.407073974609375, "#0.00000", "7.40707"},
        {5.5, "00.00", "05.50"},
        {0.0, "00.00", "00.00"},
        {123.456, "00.00", "123.46"},
    });
}

TEST(FormatNumber, OptionalDecimalsDropTrailingZerosButKeepThePoint)
{
    const double minutes = (static_cast<double>(45.12345f) - 45.0) * 60.0;
    ExpectAll({
        {minutes, "##.#####", "7.40707"},
        {30.0, "##.#####", "30."},
        {0.0, "##.#####", "."},
        {0.5, "##.#####", ".5"},
        {1.000004, "##.#####", "1."},
        {1.000005, "##.#####", "1.00001"},
        {12.25, "##.#####", "12.25"},
    });
}

TEST(FormatNumber, WholeNumberPatterns)
{
    ExpectAll({
        {0.0, "###", ""},
        {0.4, "###", ""},
        {2.5, "###", "3"},
        {3.5, "###", "4"},
        {359.6, "###", "360"},
        {12345.0, "###", "12345"},
        {5.0, "#00", "05"},
        {4.5, "#00", "05"},
        {123.0, "#00", "123"},
        {0.0, "#00", "00"},
        {7.0, "00", "07"},
        {0.0, "00", "00"},
        {59.5, "00", "60"},
    });
}

TEST(FormatNumber, TiesRoundAwayFromZeroOnTheExactBinaryValue)
{
    ExpectAll({
        // Exact ties: up, unlike the round-half-even of printf.
        {0.125, "00.00", "00.13"},
        {0.25, "###.0", ".3"},
        {-0.25, "###.0", "-.3"},
        // Decimal texts that look like ties but are stored just above or below.
        {0.05, "#0.0", "0.1"},
        {0.15, "#0.0", "0.1"},
        {0.35, "###.0", ".3"},
        {2.675, "00.00", "02.67"},
        {59.995, "00.00", "59.99"},
    });
}

TEST(FormatNumber, NegativeValuesCarryASignUnlessTheyRoundToZero)
{
    ExpectAll({
        {-12.25, "###.0", "-12.3"},
        {-2.5, "###", "-3"},
        {-3.0, "#00", "-03"},
        {-0.5, "##.#####", "-.5"},
        {-0.04, "###.0", ".0"},
        {-0.4, "###", ""},
        {-0.0, "#0.0", "0.0"},
    });
}

TEST(FormatNumber, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ(FormatNumber(12.34, "###.0", ','), "12,3");
    EXPECT_EQ(FormatNumber(30.0, "##.#####", ','), "30,");
    EXPECT_EQ(FormatNumber(7.0, "#00", ','), "07");
}

TEST(FormatNumber, IgnoresTheProcessLocale)
{
    testing_support::CommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << "no locale with a decimal comma could be set up";
    EXPECT_EQ(FormatNumber(2.25, "00.00"), "02.25");
    EXPECT_EQ(ShortestFloatText(1.18f), "1.18");
}

TEST(FormatNumber, HandlesExtremeMagnitudes)
{
    EXPECT_EQ(FormatNumber(4.9e-324, "#0.00000"), "0.00000");
    EXPECT_EQ(FormatNumber(1e20, "###"), "100000000000000000000");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "###.0"), "Inf");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "#0.0"), "NaN");
}

TEST(ShortestFloatText, GivesTheShortestTextThatReadsBack)
{
    EXPECT_EQ(ShortestFloatText(3.5f), "3.5");
    EXPECT_EQ(ShortestFloatText(-1.25f), "-1.25");
    EXPECT_EQ(ShortestFloatText(0.0f), "0");
    EXPECT_EQ(ShortestFloatText(-0.0f), "0");
    EXPECT_EQ(ShortestFloatText(1.18f), "1.18");
    EXPECT_EQ(ShortestFloatText(0.1f), "0.1");
    EXPECT_EQ(ShortestFloatText(1234.5f), "1234.5");
    EXPECT_EQ(ShortestFloatText(100000.0f), "100000");
    EXPECT_EQ(ShortestFloatText(45.12345f), "45.12345");

    for (float value : {7.40707f, 1e-7f, 3.4e38f, 16777217.0f, -0.3f}) {
        const std::string text = ShortestFloatText(value);
        EXPECT_EQ(text.find('e'), std::string::npos) << text;
        float back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
}

} // namespace
} // namespace trakora
