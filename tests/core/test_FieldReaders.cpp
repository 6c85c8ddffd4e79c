#include "nmea/FieldReaders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

using namespace trakora;

namespace {

struct NumberCase {
    const char* Field;
    bool Readable;
    double Value;
};

TEST(FieldReaders, ReadsWholeFieldsAsDecimalNumbers)
{
    const NumberCase cases[] = {
        {"12.5", true, 12.5},     {"  12.5  ", true, 12.5}, {"-3.25", true, -3.25},
        {"+7", true, 7},          {".5", true, 0.5},        {"5.", true, 5},
        {"007", true, 7},         {"0", true, 0},           {"", false, 0},
        {"   ", false, 0},        {".", false, 0},          {"-", false, 0},
        {"+-1", false, 0},        {"12abc", false, 0},      {"1 2", false, 0},
        {"1.2.3", false, 0},      {"1e5", false, 0},        {"inf", false, 0},
        {"nan", false, 0},        {"0x10", false, 0},       {"1,5", false, 0},
        {"\t1", false, 0},        {"12345678901234567890.5", true, 12345678901234567890.5},
    };
    for (const NumberCase& c : cases) {
        double value = -999;
        EXPECT_EQ(ReadNumber(c.Field, value), c.Readable) << '"' << c.Field << '"';
        if (c.Readable)
            EXPECT_EQ(value, c.Value) << '"' << c.Field << '"';
        else
            EXPECT_EQ(value, -999) << "unreadable fields leave the value alone";
    }
}

TEST(FieldReaders, ShortDecimalsReadExactlyLikeTheGeneralParser)
{
    std::mt19937 random(20240501);
    for (int i = 0; i < 200000; ++i) {
        const int length = 1 + static_cast<int>(random() % 19);
        std::string text;
        for (int d = 0; d < length; ++d)
            text += static_cast<char>('0' + random() % 10);
        const int point = static_cast<int>(random() % (length + 1));
        text.insert(static_cast<std::size_t>(point), ".");
        double value = 0;
        ASSERT_TRUE(ReadNumber(text, value)) << text;
        ASSERT_EQ(value, std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(FieldReaders, WholeNumbersRoundHalfToEvenWithinRange)
{
    struct Case {
        const char* Field;
        bool Readable;
        std::int32_t Value;
    };
    const Case cases[] = {
        {"08", true, 8},       {" 12 ", true, 12},    {"2.5", true, 2},
        {"3.5", true, 4},      {"-2.5", true, -2},    {"2.51", true, 3},
        {"-7", true, -7},      {"000000000012", true, 12},
        {"2147483647", true, 2147483647},             {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},                     {"99999999999", false, 0},
        {"", false, 0},        {"x", false, 0},       {"1x", false, 0},
    };
    for (const Case& c : cases) {
        std::int32_t value = -999;
        EXPECT_EQ(ReadWholeNumber(c.Field, value), c.Readable) << '"' << c.Field << '"';
        EXPECT_EQ(value, c.Readable ? c.Value : -999) << '"' << c.Field << '"';
    }
}

TEST(FieldReaders, ZeroedAndKeptTargets)
{
    float number = 5;
    NumberKept(number, "");
    EXPECT_EQ(number, 5.0f);
    NumberKept(number, "1.5");
    EXPECT_EQ(number, 1.5f);
    NumberZeroed(number, "bad");
    EXPECT_EQ(number, 0.0f);
    std::int32_t whole = 9;
    WholeNumberKept(whole, " ");
    EXPECT_EQ(whole, 9);
    WholeNumberZeroed(whole, "");
    EXPECT_EQ(whole, 0);
}

TEST(FieldReaders, CoordinatesBecomeUnsignedDecimalDegrees)
{
    float degrees = 99;
    CoordinateZeroed(degrees, "4807.038");
    EXPECT_FLOAT_EQ(degrees, 48.1173f);
    CoordinateZeroed(degrees, "01131.000");
    EXPECT_FLOAT_EQ(degrees, 11.516666f);
    CoordinateZeroed(degrees, "0059.999");
    EXPECT_FLOAT_EQ(degrees, 59.999f / 60.0f);
    CoordinateZeroed(degrees, "9000.0000");
    EXPECT_EQ(degrees, 90.0f);
    CoordinateZeroed(degrees, "");
    EXPECT_EQ(degrees, 0.0f);
}

TEST(FieldReaders, UnitLettersAndTrimming)
{
    EXPECT_EQ(UnitLetterCode("M"), "ME");
    EXPECT_EQ(UnitLetterCode("F"), "FE");
    EXPECT_EQ(UnitLetterCode("m"), "  ");
    EXPECT_EQ(UnitLetterCode(" M"), "  ");
    EXPECT_EQ(UnitLetterCode(""), "  ");
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(FieldReaders, MagneticFromTrueWrapsIntoOneTurn)
{
    EXPECT_FLOAT_EQ(MagneticFromTrue(10, 15, FixedText<1>("E")), 355.0f);
    EXPECT_FLOAT_EQ(MagneticFromTrue(20, 15, FixedText<1>("E")), 5.0f);
    EXPECT_FLOAT_EQ(MagneticFromTrue(355, 10, FixedText<1>("W")), 5.0f);
    EXPECT_FLOAT_EQ(MagneticFromTrue(350, 10, FixedText<1>("W")), 0.0f);
    EXPECT_FLOAT_EQ(MagneticFromTrue(100, 10, FixedText<1>("w")), 100.0f);
    EXPECT_FLOAT_EQ(MagneticFromTrue(100, 10, FixedText<1>()), 100.0f);
}

} // namespace
