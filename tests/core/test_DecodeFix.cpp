#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

using trakora::GpsState;
using trakora::testing::ExpectChange;
using trakora::testing::Harness;

namespace {

// deg + minutes/60 with the minutes in single precision, as a receiver's ddmm.mmmm field converts.
float Coordinate(int degrees, double minutes)
{
    return static_cast<float>(degrees + static_cast<float>(minutes) / 60.0f);
}

// Sentences with every field set are replayed against stored output (tests/replay); these are the odd ones.
TEST(DecodeGGA, NoFixClearsThePositionAndUnreadableNumbersReadAsZero)
{
    Harness h;
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    h.Gps->NewAltitude = false;
    ExpectChange(h, "GPGGA,123520.50,,,,,0,,,,,,,,", [](GpsState& g) {
        g.UtcTime = "123520", g.FixQuality = "0", g.SatsUsed = 0, g.HDOP = 0, g.NewAltitude = true;
        g.Latitude = 0, g.LatDir = " ", g.Longitude = 0, g.LonDir = " ";
        g.Altitude = 0, g.AltUnit = "  ", g.GeoidSep = 0, g.GeoidUnit = "  ";
    });
    h.FeedBody("GPGGA,1,0000.5,S,17959.999,W,1,7.5,x,12abc,F,-3.5,m,,");
    // The hemisphere is carried by the letter only, 7.5 rounds half to even, lower case is no unit letter.
    EXPECT_EQ(std::tuple(h.Gps->Latitude, h.Gps->SatsUsed, h.Gps->HDOP + h.Gps->Altitude, h.Gps->GeoidSep),
              std::tuple(Coordinate(0, 0.5), 8, 0.0f, -3.5f));
    EXPECT_EQ(std::pair(h.Gps->AltUnit.Str(), h.Gps->GeoidUnit.Str()), std::pair(std::string("FE"), std::string("  ")));
    h.FeedBody("GPGGA,1,  4807.038 ,N,01131.000,E,1, 6.5 ,1.0e2,inf,M,nan,M,,");
    EXPECT_FLOAT_EQ(h.Gps->Latitude, 48.1173f);
    EXPECT_EQ(std::pair(h.Gps->SatsUsed, h.Gps->HDOP + h.Gps->Altitude + h.Gps->GeoidSep), std::pair(6, 0.0f));
    h.FeedBody("GPGGA,1,,N,,E,1,99999999999,,,M,,M,,");
    EXPECT_EQ(h.Gps->SatsUsed, 0);
}

TEST(DecodeGLL, InvalidStatusChangesOnlyTheStatusAndOlderFormsSetLess)
{
    Harness h;
    ExpectChange(h, "GPGLL,4916.45,N,12311.12,W", [](GpsState& g) { // the older form: position only
        g.Latitude = Coordinate(49, 4916.45 - 4900.0), g.LatDir = "N";
        g.Longitude = Coordinate(123, 12311.12 - 12300.0), g.LonDir = "W";
    });
    ExpectChange(h, "GPGLL,4916.45,N,12311.12,W,225444,A",
                 [](GpsState& g) { g.UtcTime = "225444", g.GLLStatus = "A", g.NewPosition = true; });
    // A flagged invalid sentence keeps only its status, so an outage never shows as valid data.
    h.Gps->NewPosition = false;
    for (const char* status : {"V", "", "a"})
        ExpectChange(h, std::string("GPGLL,5000.00,S,00100.00,E,000001,") + status,
                     [status](GpsState& g) { g.GLLStatus = status; });
    h.FeedBody("GPGLL,5000.00,S,00100.00,E,000001,A,D"); // a mode field after "A" is fine
    EXPECT_EQ(h.Gps->LatDir, "S");
    h.Gps->NewPosition = false;
    h.FeedBody("GPGLL,4916.45,S,12311.12,E,225444"); // time but no status: the status blank
    EXPECT_TRUE(h.Gps->GLLStatus == " " && h.Gps->NewPosition);
}

TEST(DecodeRMC, AWarningIsDecodedAlikeAndEmptySpeedAndCourseKeepTheirValues)
{
    Harness h;
    h.FeedBody("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W");
    // Empty speed and course keep their values; the magnetic course follows the kept course.
    ExpectChange(h, "GPRMC,000002,V,,,,,,,020104,,", [](GpsState& g) {
        g.UtcTime = "000002", g.RMCStatus = "V", g.UtcDate = "020104", g.CourseMag = 84.4f + 3.1f;
        g.Latitude = 0, g.LatDir = " ", g.Longitude = 0, g.LonDir = " ", g.MagVar = 0, g.MagVarDir = " ";
    });
}

TEST(DecodeRMC, MagneticCourseUsesThePreviousVariation)
{
    const std::pair<const char*, float> cases[] = {
        {"10,010104,15,E", 10.0f},   // first sentence: no variation yet
        {"10,010104,10,W", 355.0f},  // 10 - 15 E + 360
        {"355,010104,,", 5.0f},      // 355 + 10 W - 360
        {"200,010104,3,E", 200.0f},  // blank direction: no correction
        {"3,010104,3,E", 0.0f},      // 3 - 3 E stays 0
        {"357,010104,3,W", 354.0f},  // 357 - 3 E
        {"357,010104,3,W", 0.0f},    // 357 + 3 W wraps 360 to 0
    };
    Harness h;
    for (const auto& [courseAndVariation, courseMag] : cases) {
        h.FeedBody(std::string("GPRMC,000001,A,4807.038,N,01131.000,E,1.0,") + courseAndVariation);
        EXPECT_FLOAT_EQ(h.Gps->CourseMag, courseMag) << courseAndVariation;
    }
}

TEST(DecodeGGA, ImpossibleCoordinatesAreUnreadable)
{
    // Latitude and longitude with their letters; an unreadable one is zeroed.
    const struct { const char *Lat, *LatDir, *Lon, *LonDir; float Latitude, Longitude; } cases[] = {
        {"4807.038", "N", "01131.000", "E", Coordinate(48, 4807.038 - 4800), Coordinate(11, 31)},
        {"4807.038", "", "01131.000", " ", Coordinate(48, 4807.038 - 4800), Coordinate(11, 31)}, // blank letters
        {"-4807.038", "N", "-01131.000", "E", 0, 0},                                  // negative
        {"9000.000", "S", "18000.000", "W", 90, 180},                                  // the poles and the date line
        {"9000.001", "S", "18000.001", "W", 0, 0},                                     // beyond them
        {"8960.000", "N", "17960.000", "E", 90, 180},                                  // sixty minutes carry
        {"8960.001", "N", "17960.001", "E", 0, 0},
        {"4807.038", "E", "01131.000", "N", 0, 0},                                     // letters of the other axis
        {"4807.038", "n", "01131.000", "NE", 0, 0},
        {"99999999999999999999999999999999999999999", "N", "1e3", "E", 0, 0},
    };
    for (const auto& c : cases) {
        Harness h;
        h.FeedBody(std::string("GPGGA,1,") + c.Lat + "," + c.LatDir + "," + c.Lon + "," + c.LonDir + ",1,08,,,,,,,");
        EXPECT_EQ(h.Gps->Latitude, c.Latitude) << c.Lat << c.LatDir;
        EXPECT_EQ(h.Gps->Longitude, c.Longitude) << c.Lon << c.LonDir;
    }
}

TEST(DecodeRMC, NumbersBeyondASingleAreUnreadableSoNoCourseTurnsIntoNaN)
{
    const std::string huge(41, '9'); // 1e41, beyond the largest single of about 3.4e38
    Harness h;
    h.FeedBody("GPRMC,1,A,4807.038,N,01131.000,E,0,10,010524," + huge + ",E");
    EXPECT_EQ(h.Gps->MagVar, 0.0f) << "zeroed";
    h.FeedBody("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3," + huge + ",000.5,V");
    EXPECT_EQ(std::pair(h.Gps->DestBearingTrue, h.Gps->DestBearingMag), std::pair(0.0f, 0.0f));
    h.FeedBody("GPRMC,2,A,4807.038,N,01131.000,E," + huge + "," + huge + ",010524,1,E");
    EXPECT_EQ(std::tuple(h.Gps->Speed, h.Gps->CourseTrue, h.Gps->CourseMag), std::tuple(0.0f, 10.0f, 10.0f)) << "kept";
    // The destination and waypoint coordinates are checked as the position is, but stored as sent.
    h.FeedBody("GPRMB,A,0.66,L,003,004,-4917.24,N,12309.57,X,001.3,052.5,000.5,V");
    EXPECT_EQ(h.Gps->DestLat + h.Gps->DestLon, 0.0f);
    h.FeedBody("GPWPL,4917.16,N,12310.64,W,003"), h.FeedBody("GPWPL,9917.16,N,12311.00,S,003");
    EXPECT_EQ(std::pair(h.Gps->Waypoints[0].WpLat, h.Gps->Waypoints[0].WpLon), std::pair(4917.16f, 12310.64f)) << "kept";
}

TEST(DecodeGarmin, AltitudeAndErrorEstimatesKeepOrClearTheirValues)
{
    Harness h;
    ExpectChange(h, "PGRMZ,246,f,3", [](GpsState& g) { g.Altitude = 246, g.AltUnit = "FE", g.AltFixDim = 3; });
    for (const char* body : {"PGRMZ,,M,2", "PGRMZ,   ,M,2", "PGRMZ"}) // no altitude: nothing changes
        ExpectChange(h, body, [](GpsState&) {});
    ExpectChange(h, "PGRMZ,abc,F,x", [](GpsState& g) { g.AltUnit = "  "; }); // unreadable numbers kept
    ExpectChange(h, "PGRMZ,93,m,2", [](GpsState& g) { g.Altitude = 93, g.AltFixDim = 2; });
    h.FeedBody("PGRME,15.0,M,45.0,M,25.0,M");
    ExpectChange(h, "PGRME,x,F,,", [](GpsState& g) {
        g.HorizErrorEstimate = 0, g.HorizErrorUnit = "FE", g.VertErrorEstimate = 0, g.VertErrorUnit = "E ";
    });
}

} // namespace
