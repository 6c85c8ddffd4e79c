#include "common/NumberFormat.h"

#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <string>

namespace trakora {
namespace {

TEST(FormatNumber, EveryDisplayPattern)
{
    const double minutes = (static_cast<double>(45.12345f) - 45.0) * 60.0;
    const struct { double Value; const char* Pattern; const char* Expected; } cases[] = {
        // Optional integer digits with one decimal.
        {12.34, "###.0", "12.3"}, {0.0, "###.0", ".0"}, {1234.56, "###.0", "1234.6"}, {99.95, "###.0", "100.0"},
        {static_cast<double>(123.4f), "#####.0", "123.4"}, {0.8, "#####.0", ".8"}, {0.0, "##.0", ".0"},
        // A required integer digit with decimals.
        {66.0 + 2.0 / 3.0, "#0.0", "66.7"}, {0.0, "#0.0", "0.0"}, {static_cast<double>(45.12345f), "##0.00000", "45.12345"},
        {0.5, "##0.00000", "0.50000"}, {7.407073974609375, "#0.00000", "7.40707"}, {5.5, "00.00", "05.50"},
        {123.456, "00.00", "123.46"},
        // Optional decimals drop trailing zeros but keep the point.
        {minutes, "##.#####", "7.40707"}, {30.0, "##.#####", "30."}, {0.0, "##.#####", "."}, {0.5, "##.#####", ".5"},
        {1.000004, "##.#####", "1."}, {1.000005, "##.#####", "1.00001"},
        // Whole numbers.
        {0.4, "###", ""}, {2.5, "###", "3"}, {359.6, "###", "360"}, {12345.0, "###", "12345"}, {4.5, "#00", "05"},
        {123.0, "#00", "123"}, {0.0, "#00", "00"}, {7.0, "00", "07"}, {59.5, "00", "60"},
        // Exact ties round up, unlike printf; decimal texts that look like ties are stored above or below one.
        {0.125, "00.00", "00.13"}, {0.25, "###.0", ".3"}, {0.05, "#0.0", "0.1"}, {0.15, "#0.0", "0.1"},
        {0.35, "###.0", ".3"}, {2.675, "00.00", "02.67"}, {59.995, "00.00", "59.99"},
        // Negative values carry a sign unless they round to zero.
        {-12.25, "###.0", "-12.3"}, {-0.25, "###.0", "-.3"}, {-2.5, "###", "-3"}, {-3.0, "#00", "-03"},
        {-0.5, "##.#####", "-.5"}, {-0.04, "###.0", ".0"}, {-0.4, "###", ""}, {-0.0, "#0.0", "0.0"},
        // Extreme magnitudes.
        {4.9e-324, "#0.00000", "0.00000"}, {1e20, "###", "100000000000000000000"},
        {std::numeric_limits<double>::infinity(), "###.0", "Inf"}, {std::numeric_limits<double>::quiet_NaN(), "#0.0", "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.Value, c.Pattern), c.Expected) << c.Value << " with " << c.Pattern;
}

TEST(FormatNumber, UsesTheGivenDecimalSeparatorAndIgnoresTheProcessLocale)
{
    EXPECT_EQ(FormatNumber(12.34, "###.0", ','), "12,3");
    EXPECT_EQ(FormatNumber(30.0, "##.#####", ','), "30,");
    testing_support::CommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << "no locale with a decimal comma could be set up";
    EXPECT_EQ(FormatNumber(2.25, "00.00"), "02.25");
    EXPECT_EQ(ShortestFloatText(1.18f), "1.18");
}

TEST(ShortestFloatText, GivesTheShortestPlainTextThatReadsBack)
{
    const std::pair<float, const char*> cases[] = {{-1.25f, "-1.25"}, {-0.0f, "0"}, {1.18f, "1.18"}, {100000.0f, "100000"},
        {45.12345f, nullptr}, {7.40707f, nullptr}, {1e-7f, nullptr}, {3.4e38f, nullptr}, {16777217.0f, nullptr}, {-0.3f, nullptr}};
    for (const auto& [value, expected] : cases) {
        const std::string text = ShortestFloatText(value);
        if (expected)
            EXPECT_EQ(text, expected);
        EXPECT_EQ(text.find('e'), std::string::npos) << text;
        float back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
}

} // namespace
} // namespace trakora
