#include "nmea/FieldReaders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

using namespace trakora;

namespace {

TEST(FieldReaders, ReadsWholeFieldsAsDecimalNumbers)
{
    const struct { const char* Field; bool Readable; double Value; } cases[] = {
        {"12.5", true, 12.5}, {"  12.5  ", true, 12.5}, {"-3.25", true, -3.25}, {"+7", true, 7}, {".5", true, 0.5},
        {"5.", true, 5}, {"007", true, 7}, {"0", true, 0}, {"12345678901234567890.5", true, 12345678901234567890.5},
        {"", false, 0}, {"   ", false, 0}, {".", false, 0}, {"-", false, 0}, {"+-1", false, 0}, {"12abc", false, 0},
        {"1 2", false, 0}, {"1.2.3", false, 0}, {"1e5", false, 0}, {"inf", false, 0}, {"nan", false, 0},
        {"0x10", false, 0}, {"1,5", false, 0}, {"\t1", false, 0},
    };
    for (const auto& c : cases) {
        double value = -999;
        EXPECT_EQ(ReadNumber(c.Field, value), c.Readable) << '"' << c.Field << '"';
        EXPECT_EQ(value, c.Readable ? c.Value : -999) << '"' << c.Field << '"'; // unreadable: value left alone
    }
}

TEST(FieldReaders, ShortDecimalsReadExactlyLikeTheGeneralParser)
{
    std::mt19937 random(20240501);
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        for (int digits = 1 + random() % 19; digits > 0; --digits)
            text += static_cast<char>('0' + random() % 10);
        text.insert(random() % (text.size() + 1), ".");
        double value = 0;
        ASSERT_TRUE(ReadNumber(text, value)) << text;
        ASSERT_EQ(value, std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(FieldReaders, WholeNumbersRoundHalfToEvenWithinRange)
{
    const struct { const char* Field; bool Readable; std::int32_t Value; } cases[] = {
        {"08", true, 8}, {" 12 ", true, 12}, {"2.5", true, 2}, {"3.5", true, 4}, {"-2.5", true, -2}, {"2.51", true, 3},
        {"-7", true, -7}, {"000000000012", true, 12}, {"2147483647", true, 2147483647}, {"1x", false, 0},
        {"-2147483648", true, -2147483647 - 1}, {"2147483648", false, 0}, {"99999999999", false, 0}, {"", false, 0},
    };
    for (const auto& c : cases) {
        std::int32_t value = -999;
        EXPECT_EQ(ReadWholeNumber(c.Field, value), c.Readable) << '"' << c.Field << '"';
        EXPECT_EQ(value, c.Readable ? c.Value : -999) << '"' << c.Field << '"';
    }
}

} // namespace
