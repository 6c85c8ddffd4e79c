#include "nmea/NMEAParse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using trakora::NMEAParse;

namespace {

std::vector<std::string> Split(NMEAParse& parse, const std::string& text, char delimiter)
{
    parse.FullString = text;
    parse.ParseChar = delimiter;
    parse.Parse();
    std::vector<std::string> fields;
    for (int k = 1; k <= parse.FieldCount; ++k)
        fields.push_back(parse.ParsedField(k));
    return fields;
}

struct SplitCase {
    const char* Legend;
    std::string Text;
    char Delimiter;
    std::vector<std::string> Expected;
};

TEST(NMEAParse, SplitsAtTheDelimiter)
{
    const std::vector<SplitCase> cases = {
        {"plain", "a,b,c", ',', {"a", "b", "c"}},
        {"empty middle field", "a,,b", ',', {"a", "", "b"}},
        {"trailing delimiter gives an empty last field", "a,", ',', {"a", ""}},
        {"leading delimiter gives an empty first field", ",a", ',', {"", "a"}},
        {"empty text is one empty field", "", ',', {""}},
        {"only delimiters", ",,", ',', {"", "", ""}},
        {"no delimiter", "$GPGGA", ',', {"$GPGGA"}},
        {"checksum cut", "4*47", '*', {"4", "47"}},
        {"other delimiters are text", "a*b,c", ',', {"a*b", "c"}},
        {"second star stays in the rest", "x*4A*", '*', {"x", "4A", ""}},
        {"nul bytes are ordinary text", std::string("a\0b,c", 5), ',', {std::string("a\0b", 3), "c"}},
    };
    NMEAParse parse;
    for (const SplitCase& c : cases)
        EXPECT_EQ(Split(parse, c.Text, c.Delimiter), c.Expected) << c.Legend;
}

TEST(NMEAParse, StartsWithNoFieldsAndKeepsItsMembers)
{
    NMEAParse parse;
    EXPECT_EQ(parse.FieldCount, 0);
    parse.FullString = "a,b";
    parse.ParseChar = ',';
    parse.Parse();
    EXPECT_EQ(parse.FullString, "a,b");
    EXPECT_EQ(parse.ParseChar, ',');
    EXPECT_EQ(parse.FieldCount, 2);
}

TEST(NMEAParse, FieldsBeyondTheLatestCountReadEmpty)
{
    NMEAParse parse;
    Split(parse, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20", ',');
    ASSERT_EQ(parse.ParsedField(20), "20");
    Split(parse, "a,b", ',');
    for (int k = 3; k <= 20; ++k)
        EXPECT_EQ(parse.ParsedField(k), "") << k;
    EXPECT_EQ(parse.ParsedField(0), "");
    EXPECT_EQ(parse.ParsedField(101), "");
    EXPECT_EQ(parse.ParsedField(-5), "");
}

TEST(NMEAParse, KeepsAtMostOneHundredFields)
{
    std::string text;
    for (int i = 1; i <= 130; ++i)
        text += std::to_string(i) + ",";
    text += "end*00";
    NMEAParse parse;
    const auto fields = Split(parse, text, ',');
    ASSERT_EQ(parse.FieldCount, 100);
    EXPECT_EQ(fields.front(), "1");
    // The hundredth field ends at the hundredth delimiter; the rest, with
    // the checksum, is dropped.
    EXPECT_EQ(fields.back(), "100");
}

TEST(NMEAParse, ExactlyOneHundredFieldsKeepTheLastWhole)
{
    std::string text = "f1";
    for (int i = 2; i <= 100; ++i)
        text += ",f" + std::to_string(i);
    text += "*7F";
    NMEAParse parse;
    const auto fields = Split(parse, text, ',');
    ASSERT_EQ(parse.FieldCount, 100);
    EXPECT_EQ(fields.back(), "f100*7F");
}

} // namespace
