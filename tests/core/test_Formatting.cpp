#include "common/Formatting.h"

#include <gtest/gtest.h>

#include <string>

namespace trakora {
namespace {

std::string Dms(const char* degrees, const char* minutes, const char* seconds)
{
    return std::string(degrees) + "\xC2\xB0 " + minutes + "' " + seconds + "\"";
}

TEST(FormatDMS, PadsDegreesRoundsSecondsAndCarries)
{
    EXPECT_EQ(FormatDMS(5.25), Dms(" 05", "15", "00.00")); // four characters with a leading blank
    EXPECT_EQ(FormatDMS(123.5), Dms(" 123", "30", "00.00"));
    EXPECT_EQ(FormatDMS(1234.0), Dms("1234", "00", "00.00"));
    EXPECT_EQ(FormatDMS(12.2), Dms(" 12", "12", "00.00")); // (12.2 - 12) * 60 is just below 12 in binary
    EXPECT_EQ(FormatDMS(static_cast<double>(48.1173f)), Dms(" 48", "07", "02.27"));
    EXPECT_EQ(FormatDMS(45.0 + 10.0 / 60.0 + 59.999 / 3600.0), Dms(" 45", "11", "00.00")); // 60 seconds carry
    EXPECT_EQ(FormatDMS(45.9999999), Dms(" 46", "00", "00.00"));
    EXPECT_EQ(FormatDMS(0.99999999999999989), Dms(" 01", "00", "00.00")); // minutes that reach 60 in 15 digits
    EXPECT_EQ(FormatDMS(45.5125, ','), Dms(" 45", "30", "45,00"));
}

TEST(FormatDegreesMinutes, CarriesMinutesThatRoundToSixty)
{
    const struct { double Degrees; const char* Pattern; char Point; const char* Shown; } cases[] = {
        {12.5, "##.#####", '.', "12\xC2\xB0 30.' "},
        {static_cast<double>(45.12345f), "##.#####", '.', "45\xC2\xB0 7.40707' "},
        {static_cast<double>(0.99999994f), "##.#####", '.', "1\xC2\xB0 .' "},
        {44.99999995, "#0.00000", '.', "45\xC2\xB0 0.00000' "},
        {44.99999, "#0.00000", ',', "44\xC2\xB0 59,99940' "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDegreesMinutes(c.Degrees, c.Pattern, c.Point), c.Shown) << c.Degrees;
}

TEST(FormatTime, InsertsColonsWithoutCheckingTheContent)
{
    EXPECT_EQ(FormatTime("123456"), "12:34:56");
    EXPECT_EQ(FormatTime(std::string(6, '\0')), std::string("\0\0:\0\0:\0\0", 8));
    EXPECT_EQ(FormatTime("1234"), "12:34:");
    EXPECT_EQ(FormatTime(""), "::");
}

TEST(FormatDate, FollowsTheChosenOrder)
{
    ProgramSettings settings;
    const std::pair<int, const char*> expected[] = {{1, "12/05/04"}, {2, "05/12/04"}, {3, "04/12/05"}, {0, " "}, {4, " "}};
    for (const auto& [format, text] : expected) {
        settings.DateFormat = format;
        EXPECT_EQ(FormatDate("051204", settings), text) << "DateFormat " << format;
    }
    settings.DateFormat = 1;
    EXPECT_EQ(FormatDate("0512", settings), "12/05/"); // short text, short parts
}

} // namespace
} // namespace trakora
