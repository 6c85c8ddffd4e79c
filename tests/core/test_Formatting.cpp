#include "common/Formatting.h"

#include <gtest/gtest.h>

#include <string>

namespace trakora {
namespace {

std::string Dms(const char* degrees, const char* minutes, const char* seconds)
{
    return std::string(degrees) + DegreeSign + " " + minutes + "' " + seconds + "\"";
}

TEST(FormatDMS, DegreesArePaddedToFourCharactersWithALeadingBlank)
{
    EXPECT_EQ(FormatDMS(5.25), Dms(" 05", "15", "00.00"));
    EXPECT_EQ(FormatDMS(123.5), Dms(" 123", "30", "00.00"));
    EXPECT_EQ(FormatDMS(45.5125), Dms(" 45", "30", "45.00"));
    EXPECT_EQ(FormatDMS(0.0), Dms(" 00", "00", "00.00"));
    EXPECT_EQ(FormatDMS(1234.0), Dms("1234", "00", "00.00"));
}

TEST(FormatDMS, DegreeSignIsUtf8)
{
    const std::string text = FormatDMS(5.25);
    EXPECT_EQ(text.substr(3, 2), "\xC2\xB0");
    EXPECT_EQ(text.size(), std::string(" 05\xC2\xB0 15' 00.00\"").size());
}

TEST(FormatDMS, WholeMinutesStayWholeDespiteBinaryError)
{
    // (12.2 - 12) * 60 is 11.999999999999957 in binary.
    EXPECT_EQ(FormatDMS(48.1), Dms(" 48", "06", "00.00"));
    EXPECT_EQ(FormatDMS(12.2), Dms(" 12", "12", "00.00"));
}

TEST(FormatDMS, SecondsAreRoundedToHundredths)
{
    // 10 + 1/60 + 1.234/3600
    EXPECT_EQ(FormatDMS(10.0 + 1.0 / 60.0 + 1.234 / 3600.0), Dms(" 10", "01", "01.23"));
    EXPECT_EQ(FormatDMS(static_cast<double>(48.1173f)), Dms(" 48", "07", "02.27"));
}

TEST(FormatDMS, SecondsThatRoundToSixtyCarryIntoMinutesAndDegrees)
{
    EXPECT_EQ(FormatDMS(45.0 + 10.0 / 60.0 + 59.999 / 3600.0), Dms(" 45", "11", "00.00"));
    EXPECT_EQ(FormatDMS(45.9999999), Dms(" 46", "00", "00.00"));
}

TEST(FormatDMS, SecondsUseTheGivenDecimalSeparator)
{
    EXPECT_EQ(FormatDMS(45.5125, ','), Dms(" 45", "30", "45,00"));
}

TEST(FormatTime, InsertsColonsWithoutCheckingTheContent)
{
    EXPECT_EQ(FormatTime("123456"), "12:34:56");
    EXPECT_EQ(FormatTime("ab cd "), "ab: c:d ");
    EXPECT_EQ(FormatTime(std::string(6, '\0')), std::string("\0\0:\0\0:\0\0", 8));
    EXPECT_EQ(FormatTime("1234"), "12:34:");
    EXPECT_EQ(FormatTime(""), "::");
}

TEST(FormatDate, FollowsTheChosenOrder)
{
    ProgramSettings settings;
    const std::pair<int, const char*> expected[] = {
        {1, "12/05/04"}, {2, "05/12/04"}, {3, "04/12/05"}, {0, " "}, {4, " "}, {-1, " "}};
    for (const auto& [format, text] : expected) {
        settings.DateFormat = format;
        EXPECT_EQ(FormatDate("051204", settings), text) << "DateFormat " << format;
    }
}

TEST(FormatDate, ShortDateTextGivesShortParts)
{
    ProgramSettings settings;
    settings.DateFormat = 3;
    EXPECT_EQ(FormatDate("0512", settings), "/12/05");
}

} // namespace
} // namespace trakora
