#include "common/LeadingNumber.h"

#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <string>

namespace trakora {
namespace {

TEST(LeadingNumber, TakesTheLongestDecimalPrefix)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("-1"), -1.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(".25"), 0.25);
    EXPECT_DOUBLE_EQ(LeadingNumber("-.5x"), -0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("5."), 5.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("3,5"), 3.0);
}

TEST(LeadingNumber, IgnoresBlanksTabsAndLineFeedsAnywhere)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(" 3"), 3.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("\t4\n"), 4.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1 2"), 12.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("- 2 . 5"), -2.5);
    // A carriage return is not among the ignored characters.
    EXPECT_DOUBLE_EQ(LeadingNumber("\r5"), 0.0);
}

TEST(LeadingNumber, TextWithoutANumberReadsAsZero)
{
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("   "), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("True"), 0.0);
}

TEST(LeadingNumber, ReadsAFullStopWhateverTheProcessLocale)
{
    // A desktop session may switch the C locale to one with a decimal comma.
    testing_support::CommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << "no locale with a decimal comma could be set up";
    EXPECT_DOUBLE_EQ(LeadingNumber("2.75"), 2.75);
    EXPECT_EQ(LeadingWholeNumber("2.5"), 2);
}

TEST(LeadingWholeNumber, RoundsHalvesToEven)
{
    EXPECT_EQ(LeadingWholeNumber("2.5"), 2);
    EXPECT_EQ(LeadingWholeNumber("3.5"), 4);
    EXPECT_EQ(LeadingWholeNumber("-2.5"), -2);
    EXPECT_EQ(LeadingWholeNumber("2.51"), 3);
    EXPECT_EQ(LeadingWholeNumber("0.49"), 0);
    EXPECT_EQ(LeadingWholeNumber(" 3"), 3);
    EXPECT_EQ(LeadingWholeNumber("-1"), -1);
    EXPECT_EQ(LeadingWholeNumber("1234.7 twips"), 1235);
}

TEST(LeadingWholeNumber, ValuesBeyondThirtyTwoBitsReadAsZero)
{
    EXPECT_EQ(LeadingWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(LeadingWholeNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(LeadingWholeNumber("2147483648"), 0);
    EXPECT_EQ(LeadingWholeNumber(std::string(400, '9')), 0);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
}

TEST(ReadTruthValue, NonZeroNumbersAndTheWordTrueAreSet)
{
    EXPECT_TRUE(ReadTruthValue("-1"));
    EXPECT_TRUE(ReadTruthValue("1"));
    EXPECT_TRUE(ReadTruthValue("True"));
    EXPECT_TRUE(ReadTruthValue("TRUE"));
    EXPECT_TRUE(ReadTruthValue(" true "));
    EXPECT_FALSE(ReadTruthValue("0"));
    EXPECT_FALSE(ReadTruthValue("False"));
    EXPECT_FALSE(ReadTruthValue(""));
    EXPECT_FALSE(ReadTruthValue("garbage"));
    EXPECT_FALSE(ReadTruthValue("Truely"));
}

} // namespace
} // namespace trakora
