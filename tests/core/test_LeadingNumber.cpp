#include "common/LeadingNumber.h"

#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <string>

namespace trakora {
namespace {

TEST(LeadingNumber, TakesTheLongestDecimalPrefixIgnoringBlanksTabsAndLineFeeds)
{
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12}, {"2.5", 2.5}, {"-1", -1}, {"+7", 7}, {".25", 0.25}, {"-.5x", -0.5}, {"5.", 5}, {"1.2.3", 1.2},
        {"3,5", 3}, {"\t4\n", 4}, {"1 2", 12}, {"- 2 . 5", -2.5},
        {"\r5", 0}, // a carriage return is not among the ignored characters
        {"abc", 0}, {"", 0}, {"   ", 0}, {"-", 0}, {".", 0}, {"True", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << '"' << text << '"';
}

TEST(LeadingWholeNumber, RoundsHalvesToEvenWithinThirtyTwoBits)
{
    const std::pair<std::string, std::int32_t> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.51", 3}, {"0.49", 0}, {" 3", 3}, {"1234.7 twips", 1235},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"2147483648", 0}, {std::string(400, '9'), 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LeadingWholeNumber(text), value) << '"' << text << '"';
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
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

TEST(ReadTruthValue, NonZeroNumbersAndTheWordTrueAreSet)
{
    for (const char* set : {"-1", "1", "True", "TRUE", " true "})
        EXPECT_TRUE(ReadTruthValue(set)) << set;
    for (const char* clear : {"0", "False", "", "garbage", "Truely"})
        EXPECT_FALSE(ReadTruthValue(clear)) << clear;
}

} // namespace
} // namespace trakora
