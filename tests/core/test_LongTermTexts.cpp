#include "longterm/AveragedPoint.h"
#include "longterm/LongTermTexts.h"

#include <gtest/gtest.h>

using namespace trakora;

namespace {

TEST(LongTermTexts, PositionsInEachDegreeFormatWithTheirHemispheres)
{
    const struct { int format; double lat, lon; const char* text; } cases[] = {
        {2, 45.5125, -7.5, "45.51250\xC2\xB0 N, 7.50000\xC2\xB0 W"},
        {1, 45.5125, -7.5, "45\xC2\xB0 30' 45.00\" N, 07\xC2\xB0 30' 00.00\" W"},
        {3, 45.5125, -7.5, "45\xC2\xB0 30.75000' N, 7\xC2\xB0 30.00000' W"},
        {0, -0.00005, 0.00005, "0.00005\xC2\xB0 S, 0.00005\xC2\xB0 E"}, // no format chosen: decimal degrees
    };
    ProgramSettings settings;
    for (const auto& c : cases) {
        settings.DegreeFormat = c.format;
        EXPECT_EQ(PositionText(c.lat, c.lon, settings), c.text) << c.format;
    }
}

TEST(LongTermTexts, LengthsInTheSmallUnit)
{
    ProgramSettings settings;
    const std::pair<const char*, const char*> units[] = {{"FE", "9.84 Feet"}, {"ME", "3.00 Meters"}, {"FA", "1.64 Fathoms"}};
    for (const auto& [unit, text] : units) {
        settings.SmallUnit = unit;
        EXPECT_EQ(SmallUnitText(3.0, settings), text);
    }
    ValueSpread one;
    one.Add(100);
    EXPECT_EQ(SigmaUpText(one, settings), "") << "one sample has no spread";
}

TEST(LongTermTexts, ReceiverUtcNeedsAValidDateAndTime)
{
    const struct { const char *date, *time; bool valid; } cases[] = {
        {"061226", "120002", true}, {"290224", "235959", true}, {"290223", "120000", false},
        {"      ", "120000", false}, {"061226", "126000", false}, {"0612", "120000", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReceiverUtc(c.date, c.time).has_value(), c.valid) << c.date << " " << c.time;
    EXPECT_EQ(GeneralDateTimeText(ToLocalTime(*ReceiverUtc("061226", "120002"))), "2026-12-06 12:00:02");
}

} // namespace
