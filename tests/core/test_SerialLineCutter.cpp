#include "nmea/SerialLineCutter.h"

#include <gtest/gtest.h>

using trakora::SerialLineCutter;
using Lines = std::vector<std::string>;

namespace {

// Moves every complete line out of the cutter onto the end of `lines`.
Lines& Drain(SerialLineCutter& cutter, Lines& lines)
{
    for (std::string line; cutter.NextLine(line);)
        lines.push_back(line);
    return lines;
}

TEST(SerialLineCutter, CutsAtLineFeedDroppingTheCharacterBefore)
{
    const struct { const char* Legend; std::string Input; Lines Expected; } cases[] = {
        {"empty line, bare line feed", "\r\n\n", {"     ", "     "}},
        {"p = 4 gives blanks, p = 5 keeps three characters", "$AB\n$ABC\n", {"     ", "$AB"}},
        {"not starting with $, leading blank", "GPGGA,1*00\r\n $GPGGA\r\n", {"     ", "     "}},
        {"no CR: the last character is lost", "$GPGGA,1*00\n", {"$GPGGA,1*0"}},
        {"CR kept when two precede the LF", "$GPGGA\r\r\n", {"$GPGGA\r"}},
    };
    for (const auto& c : cases) {
        SerialLineCutter cutter;
        cutter.Append(c.Input);
        Lines lines;
        EXPECT_EQ(Drain(cutter, lines), c.Expected) << c.Legend;
    }
}

TEST(SerialLineCutter, ByteByByteGivesTheSameLinesAsOneBurstAndOnlyTheUnfinishedLineWaits)
{
    std::string stream;
    for (int i = 0; i < 200; ++i)
        stream += "$GPGGA," + std::to_string(i) + "*00\r\n" + (i % 7 == 0 ? "\r\n" : "") + (i % 11 == 0 ? "junk\n" : "");
    stream += "$GPUNFINISHED";
    SerialLineCutter burst, trickle;
    Lines expected, lines;
    burst.Append(stream);
    Drain(burst, expected);
    for (char c : stream)
        trickle.Append(std::string_view(&c, 1)), Drain(trickle, lines);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines.size(), 200u + 29u + 19u);
    // A partial line waits for the next read, and what was cut no longer counts towards the buffer's size.
    EXPECT_TRUE(trickle.Pending() == "$GPUNFINISHED" && burst.Pending() == "$GPUNFINISHED");
    EXPECT_EQ(burst.PendingSize(), 13u);
}

} // namespace
