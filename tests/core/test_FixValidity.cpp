// What counts as a fix for the windows' white and red and for the long-term gate.
#include "nmea/FixValidity.h"

#include <gtest/gtest.h>

using namespace trakora;

namespace {

TEST(FixValidity, EveryTalkerAsksOneQuestionWhileGpsTalkersKeepEachWindowsRule)
{
    constexpr auto GP = TalkerFilter::GpsOnly;
    constexpr auto ALL = TalkerFilter::AllGnss;
    // An empty text leaves a field as never received.
    const struct { TalkerFilter Talkers; const char *Rmc, *Gll, *Quality, *Faa; bool Data, Satellites; const char* Legend; } cases[] = {
        {GP, "A", "V", "0", "", true, false, "GPS talkers: status for the data, quality for the satellites"},
        {GP, "V", "V", "4", "", false, false, "RTK is no fix with GPS talkers"},
        {GP, "A", "", "1", "N", true, true, "and the FAA mode is not looked at"},
        {ALL, "V", "V", "4", "R", true, true, "RTK fixed"},
        {ALL, "V", "", "5", "F", true, true, "RTK float"},
        {ALL, "A", "A", "6", "E", false, false, "dead reckoning"},
        {ALL, "A", "A", "0", "A", false, false, "the quality decides once a GGA gave one"},
        {ALL, "A", "", "", "A", true, true, "no GGA yet: the RMC status"},
        {ALL, "V", "A", " ", "", true, true, "an empty quality: the GLL status"},
        {ALL, "A", "A", "1", "N", false, false, "FAA mode N is no fix"},
        {ALL, "V", "V", "2", "D", true, true, "differential"},
    };
    for (const auto& c : cases) {
        GpsState gps;
        GnssState gnss;
        for (auto [field, text] : {std::pair(&gps.RMCStatus, c.Rmc), std::pair(&gps.GLLStatus, c.Gll),
                                   std::pair(&gps.FixQuality, c.Quality), std::pair(&gnss.FaaMode, c.Faa)})
            if (*text != '\0')
                *field = text;
        EXPECT_EQ(DataCountsAsValid(gps, gnss, c.Talkers), c.Data) << c.Legend;
        EXPECT_EQ(QualityCountsAsFix(gps, gnss, c.Talkers), c.Satellites) << c.Legend;
    }
}

TEST(FixValidity, TheLongTermGateTakesRtkFixesWithEveryTalkerOnly)
{
    for (char q = '0'; q <= '9'; ++q) {
        EXPECT_EQ(FixQualityCountsAsFix(q, TalkerFilter::GpsOnly), q == '1' || q == '2') << q;
        EXPECT_EQ(FixQualityCountsAsFix(q, TalkerFilter::AllGnss), q == '1' || q == '2' || q == '4' || q == '5') << q;
    }
    EXPECT_FALSE(FixQualityCountsAsFix(' ', TalkerFilter::AllGnss));
}

} // namespace
