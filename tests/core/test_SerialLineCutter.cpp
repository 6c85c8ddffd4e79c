#include "nmea/SerialLineCutter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using trakora::SerialLineCutter;

namespace {

std::vector<std::string> Drain(SerialLineCutter& cutter)
{
    std::vector<std::string> lines;
    std::string line;
    while (cutter.NextLine(line))
        lines.push_back(line);
    return lines;
}

TEST(SerialLineCutter, CutsAtLineFeedAndDropsTheCarriageReturn)
{
    SerialLineCutter cutter;
    cutter.Append("$GPGGA,1*00\r\n$GPGSA,2*00\r\n");
    EXPECT_EQ(Drain(cutter), (std::vector<std::string>{"$GPGGA,1*00", "$GPGSA,2*00"}));
    EXPECT_EQ(cutter.PendingSize(), 0u);
}

TEST(SerialLineCutter, ShortAndForeignLinesBecomeFiveBlanks)
{
    struct Case {
        const char* Legend;
        std::string Input;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {"empty line", "\r\n", "     "},
        {"bare line feed", "\n", "     "},
        {"p = 4", "$AB\n", "     "},
        {"p = 5 keeps three characters", "$ABC\n", "$AB"},
        {"not starting with $", "GPGGA,1*00\r\n", "     "},
        {"leading blank", " $GPGGA\r\n", "     "},
        {"no CR: the last character is lost", "$GPGGA,1*00\n", "$GPGGA,1*0"},
        {"CR kept when two precede the LF", "$GPGGA\r\r\n", "$GPGGA\r"},
    };
    for (const Case& c : cases) {
        SerialLineCutter cutter;
        cutter.Append(c.Input);
        EXPECT_EQ(Drain(cutter), std::vector<std::string>{c.Expected}) << c.Legend;
    }
}

TEST(SerialLineCutter, PartialLineWaitsForTheNextRead)
{
    SerialLineCutter cutter;
    cutter.Append("$GPGGA,12");
    EXPECT_TRUE(Drain(cutter).empty());
    EXPECT_EQ(cutter.Pending(), "$GPGGA,12");
    cutter.Append("3*45\r\n$GPR");
    EXPECT_EQ(Drain(cutter), std::vector<std::string>{"$GPGGA,123*45"});
    EXPECT_EQ(cutter.Pending(), "$GPR");
    cutter.Append("MC\r");
    EXPECT_TRUE(Drain(cutter).empty());
    cutter.Append("\n");
    EXPECT_EQ(Drain(cutter), std::vector<std::string>{"$GPRMC"});
    cutter.Append("tail");
    cutter.Clear();
    EXPECT_EQ(cutter.PendingSize(), 0u);
    cutter.Append("$GPXYZ\r\n");
    EXPECT_EQ(Drain(cutter), std::vector<std::string>{"$GPXYZ"});
}

TEST(SerialLineCutter, ByteByByteGivesTheSameLinesAsOneBurst)
{
    std::string stream;
    for (int i = 0; i < 200; ++i)
        stream += "$GPGGA," + std::to_string(i) + "*00\r\n" + (i % 7 == 0 ? "\r\n" : "") +
                  (i % 11 == 0 ? "junk\n" : "");
    stream += "$GPUNFINISHED";
    SerialLineCutter burst;
    burst.Append(stream);
    const auto expected = Drain(burst);
    SerialLineCutter trickle;
    std::vector<std::string> lines;
    for (char c : stream) {
        trickle.Append(std::string_view(&c, 1));
        for (auto& line : Drain(trickle))
            lines.push_back(line);
    }
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines.size(), 200u + 29u + 19u);
    EXPECT_EQ(trickle.Pending(), "$GPUNFINISHED");
    EXPECT_EQ(burst.Pending(), "$GPUNFINISHED");
}

TEST(SerialLineCutter, PendingCountsOnlyUnconsumedText)
{
    SerialLineCutter cutter;
    std::string big;
    for (int i = 0; i < 1000; ++i)
        big += "$GPGGA,0000000000*00\r\n";
    cutter.Append(big + "$GPGSV");
    std::string line;
    for (int i = 0; i < 500; ++i)
        ASSERT_TRUE(cutter.NextLine(line));
    EXPECT_EQ(cutter.PendingSize(), big.size() / 2 + 6);
    cutter.Append(",1");
    EXPECT_EQ(cutter.PendingSize(), big.size() / 2 + 8);
    EXPECT_EQ(Drain(cutter).size(), 500u);
    EXPECT_EQ(cutter.Pending(), "$GPGSV,1");
}

} // namespace
