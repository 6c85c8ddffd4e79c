#include "nmea/NMEAParse.h"

#include <gtest/gtest.h>

using trakora::NMEAParse;
using Fields = std::vector<std::string>;

namespace {

Fields Split(NMEAParse& parse, const std::string& text, char delimiter = ',')
{
    parse.FullString = text;
    parse.ParseChar = delimiter;
    parse.Parse();
    Fields fields;
    for (int k = 1; k <= parse.FieldCount; ++k)
        fields.push_back(parse.ParsedField(k));
    return fields;
}

TEST(NMEAParse, SplitsAtTheDelimiterIntoAtMostOneHundredFields)
{
    const struct { const char* Legend; std::string Text; char Delimiter; Fields Expected; } cases[] = {
        {"empty middle field", "a,,b", ',', {"a", "", "b"}},
        {"empty first and last fields", ",a,", ',', {"", "a", ""}},
        {"empty text is one empty field", "", ',', {""}},
        {"other delimiters are text; a second star splits again", "x,y*4A*", '*', {"x,y", "4A", ""}},
        {"nul bytes are ordinary text", std::string("a\0b,c", 5), ',', {std::string("a\0b", 3), "c"}},
    };
    NMEAParse parse;
    for (const auto& c : cases)
        EXPECT_EQ(Split(parse, c.Text, c.Delimiter), c.Expected) << c.Legend;
    // Fields beyond the latest count read empty, also outside the table.
    Split(parse, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20");
    Split(parse, "a,b");
    for (int k : {-5, 0, 3, 20, 101})
        EXPECT_EQ(parse.ParsedField(k), "") << k;

    std::string text = "f1"; // at most 100 fields are kept
    for (int i = 2; i <= 100; ++i)
        text += ",f" + std::to_string(i);
    EXPECT_EQ(Split(parse, text + "*7F").back(), "f100*7F"); // exactly 100: the last kept whole
    const Fields fields = Split(parse, text + ",f101,f102*00");
    ASSERT_EQ(parse.FieldCount, 100);
    EXPECT_EQ(fields.back(), "f100"); // the rest, with the checksum, is dropped
}

} // namespace
