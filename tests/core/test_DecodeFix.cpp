#include "NmeaTestHarness.h"

#include <gtest/gtest.h>

using trakora::GpsState;
using trakora::testing::Harness;
using trakora::testing::SameStateBesidesSentence;

namespace {

TEST(DecodeGGA, FillsEveryFieldInOrder)
{
    Harness h;
    auto expected = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    expected->UtcTime = "123519";
    expected->Latitude = 48.1173f;
    expected->LatDir = "N";
    expected->Longitude = 11.516666f;
    expected->LonDir = "E";
    expected->FixQuality = "1";
    expected->SatsUsed = 8;
    expected->HDOP = 0.9f;
    expected->Altitude = 545.4f;
    expected->AltUnit = "ME";
    expected->GeoidSep = 46.9f;
    expected->GeoidUnit = "ME";
    expected->NewAltitude = true;
    EXPECT_FLOAT_EQ(h.Gps->Latitude, 48.1173f);
    EXPECT_FLOAT_EQ(h.Gps->Longitude, 11.516666f);
    expected->Latitude = h.Gps->Latitude;
    expected->Longitude = h.Gps->Longitude;
    EXPECT_TRUE(SameStateBesidesSentence(*expected, *h.Gps));
}

TEST(DecodeGGA, CoordinatesUseSinglePrecisionMinutes)
{
    Harness h;
    h.FeedBody("GPGGA,000000,4807.038,S,01131.000,W,1,08,0.9,545.4,M,46.9,M,,");
    const float minutes = static_cast<float>(4807.038 - 4800.0);
    EXPECT_EQ(h.Gps->Latitude, static_cast<float>(48.0 + minutes / 60.0f));
    EXPECT_EQ(h.Gps->Longitude, static_cast<float>(11.0 + 31.0f / 60.0f));
    EXPECT_EQ(h.Gps->LatDir, "S"); // the hemisphere is carried by the letter only
    EXPECT_GT(h.Gps->Latitude, 0.0f);
    h.FeedBody("GPGGA,000000,0000.5,N,17959.999,E,1,08,0.9,1,M,1,M,,");
    EXPECT_FLOAT_EQ(h.Gps->Latitude, 0.5f / 60.0f);
    EXPECT_FLOAT_EQ(h.Gps->Longitude, 179.0f + 59.999f / 60.0f);
}

TEST(DecodeGGA, NoFixClearsThePositionAndStillSetsNewAltitude)
{
    Harness h;
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    h.Gps->NewAltitude = false;
    h.FeedBody("GPGGA,123520.50,,,,,0,,,,,,,,");
    EXPECT_EQ(h.Gps->UtcTime, "123520");
    EXPECT_EQ(h.Gps->Latitude, 0.0f);
    EXPECT_EQ(h.Gps->Longitude, 0.0f);
    EXPECT_EQ(h.Gps->LatDir, " ");
    EXPECT_EQ(h.Gps->LonDir, " ");
    EXPECT_EQ(h.Gps->FixQuality, "0");
    EXPECT_EQ(h.Gps->SatsUsed, 0);
    EXPECT_EQ(h.Gps->HDOP, 0.0f);
    EXPECT_EQ(h.Gps->Altitude, 0.0f);
    EXPECT_EQ(h.Gps->AltUnit, "  ");
    EXPECT_EQ(h.Gps->GeoidUnit, "  ");
    EXPECT_TRUE(h.Gps->NewAltitude);
}

TEST(DecodeGGA, UnitLettersAndUnreadableNumbers)
{
    Harness h;
    h.FeedBody("GPGGA,1,4807.038,N,01131.000,E,1,7.5,x,12abc,F,-3.5,m,,");
    EXPECT_EQ(h.Gps->UtcTime, "1     ");
    EXPECT_EQ(h.Gps->SatsUsed, 8); // 7.5 rounds half to even
    EXPECT_EQ(h.Gps->HDOP, 0.0f);
    EXPECT_EQ(h.Gps->Altitude, 0.0f);
    EXPECT_EQ(h.Gps->AltUnit, "FE");
    EXPECT_EQ(h.Gps->GeoidSep, -3.5f);
    EXPECT_EQ(h.Gps->GeoidUnit, "  "); // lower case is not a unit letter
    h.FeedBody("GPGGA,1,  4807.038 ,N,01131.000,E,1, 6.5 ,1.0e2,inf,M,nan,M,,");
    EXPECT_FLOAT_EQ(h.Gps->Latitude, 48.1173f);
    EXPECT_EQ(h.Gps->SatsUsed, 6);
    EXPECT_EQ(h.Gps->HDOP, 0.0f);
    EXPECT_EQ(h.Gps->Altitude, 0.0f);
    EXPECT_EQ(h.Gps->GeoidSep, 0.0f);
    h.FeedBody("GPGGA,1,,N,,E,1,99999999999,,,M,,M,,");
    EXPECT_EQ(h.Gps->SatsUsed, 0);
}

TEST(DecodeGGA, ShortSentenceGivesBlanksAndZeros)
{
    Harness h;
    h.FeedBody("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    h.FeedBody("GPGGA,2");
    EXPECT_EQ(h.Gps->UtcTime, "2     ");
    EXPECT_EQ(h.Gps->Latitude, 0.0f);
    EXPECT_EQ(h.Gps->GeoidSep, 0.0f);
    EXPECT_EQ(h.Gps->FixQuality, " ");
    EXPECT_EQ(h.Gps->GeoidUnit, "  ");
}

TEST(DecodeGLL, FullSentenceSetsPositionTimeAndStatus)
{
    Harness h;
    auto expected = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPGLL,4916.45,N,12311.12,W,225444,A");
    expected->Latitude = static_cast<float>(49.0 + static_cast<float>(16.45) / 60.0f);
    expected->LatDir = "N";
    expected->Longitude = h.Gps->Longitude;
    expected->LonDir = "W";
    expected->UtcTime = "225444";
    expected->GLLStatus = "A";
    expected->NewPosition = true;
    EXPECT_FLOAT_EQ(h.Gps->Longitude, 123.0f + 11.12f / 60.0f);
    EXPECT_TRUE(SameStateBesidesSentence(*expected, *h.Gps));
}

TEST(DecodeGLL, InvalidStatusChangesOnlyTheStatus)
{
    Harness h;
    h.FeedBody("GPGLL,4916.45,N,12311.12,W,225444,A");
    h.Gps->NewPosition = false;
    auto before = std::make_unique<GpsState>(*h.Gps);
    for (const char* body : {"GPGLL,5000.00,S,00100.00,E,000001,V", "GPGLL,5000.00,S,00100.00,E,000001,",
                             "GPGLL,5000.00,S,00100.00,E,000001,a", "GPGLL,5000.00,S,00100.00,E,000001,A,D"}) {
        h.FeedBody(body);
        const std::string_view text(body);
        if (text.ends_with("A,D"))
            continue;
        before->GLLStatus = text.substr(text.rfind(',') + 1);
        EXPECT_TRUE(SameStateBesidesSentence(*before, *h.Gps)) << body;
        EXPECT_NE(h.Gps->GLLStatus, "A") << body;
    }
    // A mode field after a valid status does not stop the sentence.
    EXPECT_EQ(h.Gps->LatDir, "S");
    EXPECT_TRUE(h.Gps->NewPosition);
}

TEST(DecodeGLL, OlderFormsSetLessAndNoNewPosition)
{
    Harness h;
    h.Gps->UtcTime = "111111";
    h.FeedBody("GPGLL,4916.45,N,12311.12,W");
    EXPECT_EQ(h.Gps->LatDir, "N");
    EXPECT_EQ(h.Gps->LonDir, "W");
    EXPECT_GT(h.Gps->Latitude, 49.0f);
    EXPECT_EQ(h.Gps->UtcTime, "111111");
    EXPECT_FALSE(h.Gps->NewPosition);

    // Time but no status: accepted, the status blank.
    h.FeedBody("GPGLL,4916.45,S,12311.12,E,225444");
    EXPECT_EQ(h.Gps->UtcTime, "225444");
    EXPECT_EQ(h.Gps->GLLStatus, " ");
    EXPECT_TRUE(h.Gps->NewPosition);
}

TEST(DecodeRMC, FillsEveryFieldInOrder)
{
    Harness h;
    auto expected = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W");
    expected->UtcTime = "123519";
    expected->RMCStatus = "A";
    expected->Latitude = h.Gps->Latitude;
    expected->LatDir = "N";
    expected->Longitude = h.Gps->Longitude;
    expected->LonDir = "E";
    expected->Speed = 22.4f;
    expected->SpeedUnit = "NA";
    expected->CourseTrue = 84.4f;
    expected->CourseMag = 84.4f; // no variation known before the first sentence
    expected->UtcDate = "230394";
    expected->MagVar = 3.1f;
    expected->MagVarDir = "W";
    expected->NewPosition = true;
    EXPECT_FLOAT_EQ(h.Gps->Latitude, 48.1173f);
    EXPECT_TRUE(SameStateBesidesSentence(*expected, *h.Gps));
}

TEST(DecodeRMC, MagneticCourseUsesThePreviousVariation)
{
    Harness h;
    h.FeedBody("GPRMC,000001,A,4807.038,N,01131.000,E,1.0,0,010104,15,E");
    h.FeedBody("GPRMC,000002,A,4807.038,N,01131.000,E,1.0,10,010104,10,W");
    EXPECT_FLOAT_EQ(h.Gps->CourseMag, 355.0f); // 10 - 15 + 360 with the earlier 15 E
    h.FeedBody("GPRMC,000003,A,4807.038,N,01131.000,E,1.0,355,010104,,");
    EXPECT_FLOAT_EQ(h.Gps->CourseMag, 5.0f); // 355 + 10 - 360 with the earlier 10 W
    EXPECT_EQ(h.Gps->MagVar, 0.0f);
    EXPECT_EQ(h.Gps->MagVarDir, " ");
    h.FeedBody("GPRMC,000004,A,4807.038,N,01131.000,E,1.0,200,010104,3,E");
    EXPECT_FLOAT_EQ(h.Gps->CourseMag, 200.0f); // blank direction: no correction
    h.FeedBody("GPRMC,000005,A,4807.038,N,01131.000,E,1.0,3,010104,3,E");
    EXPECT_FLOAT_EQ(h.Gps->CourseMag, 0.0f); // exactly 0 stays 0
    h.FeedBody("GPRMC,000006,A,4807.038,N,01131.000,E,1.0,357,010104,3,W");
    EXPECT_FLOAT_EQ(h.Gps->CourseMag, 354.0f);
    h.FeedBody("GPRMC,000007,A,4807.038,N,01131.000,E,1.0,357,010104,3,W");
    EXPECT_FLOAT_EQ(h.Gps->CourseMag, 0.0f); // 360 wraps to 0
}

TEST(DecodeRMC, EmptySpeedAndCourseKeepTheirValues)
{
    Harness h;
    h.FeedBody("GPRMC,000001,A,4807.038,N,01131.000,E,5.5,45.0,010104,1,E");
    h.FeedBody("GPRMC,000002,V,,,,,,,020104,,");
    EXPECT_EQ(h.Gps->Speed, 5.5f);
    EXPECT_EQ(h.Gps->CourseTrue, 45.0f);
    EXPECT_FLOAT_EQ(h.Gps->CourseMag, 44.0f);
    EXPECT_EQ(h.Gps->Latitude, 0.0f);
    EXPECT_EQ(h.Gps->LatDir, " ");
    EXPECT_EQ(h.Gps->RMCStatus, "V"); // a warning is decoded like valid data
    EXPECT_EQ(h.Gps->UtcDate, "020104");
    EXPECT_TRUE(h.Gps->NewPosition);
}

TEST(DecodePGRMZ, AltitudeUnitIsFeetOnlyForLowerCaseF)
{
    Harness h;
    h.FeedBody("PGRMZ,246,f,3");
    EXPECT_EQ(h.Gps->Altitude, 246.0f);
    EXPECT_EQ(h.Gps->AltUnit, "FE");
    EXPECT_EQ(h.Gps->AltFixDim, 3);
    h.FeedBody("PGRMZ,93,F,2");
    EXPECT_EQ(h.Gps->Altitude, 93.0f);
    EXPECT_EQ(h.Gps->AltUnit, "  ");
    EXPECT_EQ(h.Gps->AltFixDim, 2);
    h.FeedBody("PGRMZ,94,m,x");
    EXPECT_EQ(h.Gps->AltUnit, "  ");
    EXPECT_EQ(h.Gps->AltFixDim, 2); // kept
}

TEST(DecodePGRMZ, MissingAltitudeChangesNothing)
{
    Harness h;
    h.FeedBody("PGRMZ,246,f,3");
    auto before = std::make_unique<GpsState>(*h.Gps);
    for (const char* body : {"PGRMZ,,M,2", "PGRMZ,   ,M,2", "PGRMZ"}) {
        h.FeedBody(body);
        EXPECT_TRUE(SameStateBesidesSentence(*before, *h.Gps)) << body;
    }
    h.FeedBody("PGRMZ,abc,,2");
    EXPECT_EQ(h.Gps->Altitude, 246.0f); // unreadable altitude is kept
    EXPECT_EQ(h.Gps->AltUnit, "  ");
    EXPECT_EQ(h.Gps->AltFixDim, 2);
}

TEST(DecodePGRMM, KeepsTheWholeDatumName)
{
    Harness h;
    h.FeedBody("PGRMM,North American 1927 mean for Conus");
    EXPECT_EQ(h.Gps->MapDatum, "North American 1927 mean for Conus");
    h.FeedBody("PGRMM,WGS 84");
    EXPECT_EQ(h.Gps->MapDatum, "WGS 84");
    h.FeedBody("PGRMM");
    EXPECT_EQ(h.Gps->MapDatum, "");
}

TEST(DecodePGRME, ErrorsAndUnits)
{
    Harness h;
    auto expected = std::make_unique<GpsState>(*h.Gps);
    h.FeedBody("PGRME,15.0,M,45.0,M,25.0,M");
    expected->HorizErrorEstimate = 15.0f;
    expected->HorizErrorUnit = "ME";
    expected->VertErrorEstimate = 45.0f;
    expected->VertErrorUnit = "ME";
    EXPECT_TRUE(SameStateBesidesSentence(*expected, *h.Gps));
    h.FeedBody("PGRME,x,F,,");
    EXPECT_EQ(h.Gps->HorizErrorEstimate, 0.0f);
    EXPECT_EQ(h.Gps->HorizErrorUnit, "FE");
    EXPECT_EQ(h.Gps->VertErrorEstimate, 0.0f);
    EXPECT_EQ(h.Gps->VertErrorUnit, "E ");
    h.FeedBody("PGRME,1,MM");
    EXPECT_EQ(h.Gps->HorizErrorUnit, "MM");
    EXPECT_EQ(h.Gps->VertErrorUnit, "E ");
}

TEST(GpsState, StartsWithNulTextsAndInitialFlags)
{
    GpsState gps;
    EXPECT_EQ(gps.UtcTime.View(), std::string_view("\0\0\0\0\0\0", 6));
    EXPECT_TRUE(gps.RouteComplete);
    EXPECT_TRUE(gps.SatViewComplete);
    EXPECT_FALSE(gps.NewPosition);
    EXPECT_EQ(gps.Field(0), "");
    EXPECT_EQ(gps.Field(250), "");
}

} // namespace
