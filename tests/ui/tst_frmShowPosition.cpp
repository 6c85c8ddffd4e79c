#include "views/frmShowPosition.h"

#include "common/WindowRoutines.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>

namespace trakora {
namespace {

class ShowPositionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_settings.InputRunning = FlagSet;
        m_settings.DateFormat = 2; // day/month/year reads most naturally below
        m_window = new frmShowPosition(m_context);
    }
    void TearDown() override { delete m_window.data(); }

    QLabel* Label(const char* name) const { return m_window->findChild<QLabel*>(QString::fromLatin1(name)); }
    // Refreshes the window, then gives the texts of the named labels joined by '|'.
    std::string Pop(std::initializer_list<const char*> names)
    {
        m_window->TimerPop();
        QStringList shown;
        for (const char* name : names)
            shown << (Label(name) ? Label(name)->text() : QStringLiteral("(no %1)").arg(name));
        return shown.join('|').toStdString();
    }
    QRgb BackgroundPixel() const { return m_window->grab().toImage().pixel(2, 2); }

    GpsState m_gps;
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    ProgramContext m_context{m_gps, m_settings, m_store};
    QPointer<frmShowPosition> m_window;
};

// Each step starts from the labels the step before left.
TEST_F(ShowPositionTest, LocalDateAndTimeCarryAndKeepTheirTextWhenUnusable)
{
    struct Step { const char *legend, *status, *utcDate, *utcTime; int direction, hours, minutes; const char* local; };
    const Step steps[] = {
        {"a position sentence before any date", "A", nullptr, "083000", -1, 5, 0, "|03:30:00"},
        {"east into the new year", "A", "311204", "233015", 1, 1, 0, "01/01/05|00:30:15"},
        {"west back into the old year", "A", "010105", "001500", -1, 5, 0, "31/12/04|19:15:00"},
        {"west half hour into a leap February", "A", "010304", "001000", -1, 0, 30, "29/02/04|23:40:00"},
        {"east five and a half hours into May", "A", "300405", "234500", 1, 5, 30, "01/05/05|05:15:00"},
        {"31 February keeps the date", "A", "310205", "111111", -1, 0, 30, "01/05/05|10:41:11"},
        {"an empty time keeps both", "A", "160605", "", -1, 0, 30, "01/05/05|10:41:11"},
        {"invalid data keeps both", "V", "051204", "123456", -1, 0, 30, "01/05/05|10:41:11"},
    };
    for (const Step& s : steps) {
        m_gps.RMCStatus = s.status;
        if (s.utcDate)
            m_gps.UtcDate = s.utcDate;
        m_gps.UtcTime = s.utcTime;
        m_settings.UTCOffsetDirection = s.direction;
        m_settings.UTCOffsetHour = s.hours;
        m_settings.UTCOffsetMinute = s.minutes;
        EXPECT_EQ(Pop({"lblLocalDate", "lblLocalTime"}), s.local) << s.legend;
    }
    EXPECT_EQ(Pop({"lblUTCDate", "lblUTCTime"}), "05/12/04|12:34:56") << "UTC follows whatever the status";
}

TEST_F(ShowPositionTest, CoordinatesInEachDegreeFormat)
{
    m_settings.DegreeFormat = 2;
    EXPECT_EQ(Pop({"lblLat"}), "0.00000°") << "an unfilled hemisphere shows no letter";

    struct Case { int format; char point; float latitude, longitude; const char* shown; };
    const Case cases[] = {
        {1, '.', 45.5125f, 123.5f, " 45° 30' 45.00\"N| 123° 30' 00.00\"W"},
        {1, ',', 0.0f, 5.25f, " 00° 00' 00,00\"N| 05° 15' 00,00\"W"},
        {2, '.', 45.12345f, 179.5f, "45.12345°N|179.50000°W"},
        {2, ',', 0.25f, 12.5f, "0,25000°N|12,50000°W"},
        {3, '.', 45.12345f, 0.25f, "45° 7.40707' N|0° 15.' W"},
        {3, '.', 7.0f, 0.99999994f, "7° .' N|1° .' W"}, // minutes that round to 60 carry
        {0, '.', 1.0f, 2.0f, "7° .' N|1° .' W"},        // an unknown format keeps both
    };
    m_gps.LatDir = "N";
    m_gps.LonDir = "W";
    for (const Case& c : cases) {
        m_settings.DegreeFormat = c.format;
        m_settings.DecimalPointChar = c.point;
        m_gps.Latitude = c.latitude;
        m_gps.Longitude = c.longitude;
        EXPECT_EQ(Pop({"lblLat", "lblLon"}), c.shown);
    }
}

TEST_F(ShowPositionTest, SpeedAltitudeAndCourse)
{
    struct Case { const char *speedUnit, *largeUnit, *altUnit, *smallUnit; float course; const char* shown; };
    const Case cases[] = {
        {"NA", "NA", "FE", "FE", 359.6f, ".3 Knots|30.5 Feet|360°"},
        {"NA", "KI", "FE", "ME", 0.0f, ".6 KPH|9.3 Meters|°"}, // a zero course shows only the sign
        {"na", "KI", "ME", "FE", 0.4f, ".0 KPH|100.1 Feet|°"}, // an unknown unit gives zero
        {"NA", "NA", "FE", "FE", 0.5f, ".3 Knots|30.5 Feet|1°"},
    };
    m_gps.Speed = 0.3f;
    m_gps.Altitude = 30.5f;
    for (const Case& c : cases) {
        m_gps.SpeedUnit = c.speedUnit;
        m_settings.LargeUnit = c.largeUnit;
        m_gps.AltUnit = c.altUnit;
        m_settings.SmallUnit = c.smallUnit;
        m_gps.CourseMag = c.course;
        EXPECT_EQ(Pop({"lblSpeed", "lblAlt", "lblCMG"}), c.shown);
    }
}

TEST_F(ShowPositionTest, NothingIsWrittenWhileStoppedOrUnchanged)
{
    m_settings.InputRunning = FlagClear;
    m_gps.GLLStatus = "A"; // either status makes the data valid
    m_gps.UtcDate = "311204";
    m_gps.UtcTime = "233015";
    m_gps.CourseMag = 90.0f;
    EXPECT_EQ(Pop({"lblLocalDate", "lblLocalTime", "lblUTCDate", "lblLat", "lblSpeed", "lblAlt", "lblCMG"}),
              "||||||");
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));

    m_settings.InputRunning = FlagSet;
    EXPECT_EQ(Pop({"lblCMG"}), "90°");
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 255, 255));
    // Marks a window never writes, so any rewrite of an unchanged value shows.
    QPalette marked = m_window->palette();
    marked.setColor(QPalette::Window, Qt::blue);
    m_window->setPalette(marked);
    Label("lblCMG")->setText("marker");
    EXPECT_EQ(Pop({"lblCMG"}), "marker");
    EXPECT_EQ(BackgroundPixel(), qRgb(0, 0, 255));

    m_gps.GLLStatus = "V";
    m_gps.CourseMag = 13.0f;
    EXPECT_EQ(Pop({"lblCMG"}), "13°");
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));
    EXPECT_EQ(m_window->accessibleDescription(), "invalid");
}

TEST_F(ShowPositionTest, LayoutFollowsTheDesign)
{
    EXPECT_EQ(m_window->windowTitle(), "Position Information");
    EXPECT_EQ(m_window->size(), QSize(TwipsToPixelsX(3705), TwipsToPixelsY(3285)));
    const QFont font = Label("lblCMG")->font();
    EXPECT_EQ(Label("lblCMG")->geometry(), TwipsRect(720, 1950, 2910, 1245));
    EXPECT_TRUE(QFontInfo(font).fixedPitch() && font.bold() && font.pointSizeF() == 60.0);
    EXPECT_EQ(Label("Label1_13")->text(), "Current Course (Mag)");
}

TEST_F(ShowPositionTest, OpenWindowEntryAndPlacementPersist)
{
    EXPECT_EQ(m_store.Get("Showing", "ShowPos", ""), "-1");
    m_window->show();
    m_window->move(150, 90);
    m_window->close(); // the user closes it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
    EXPECT_EQ(m_store.Get("Showing", "ShowPos", ""), "0");
    EXPECT_EQ(m_settings.ShowingShowPos, FlagClear);
    EXPECT_EQ(m_store.Get("ShowPos", "Left", "") + "," + m_store.Get("ShowPos", "Top", ""), "2250,1350");

    m_window = new frmShowPosition(m_context);
    EXPECT_EQ(m_window->pos(), QPoint(150, 90));
    EXPECT_EQ(m_settings.ShowingShowPos, FlagSet);

    delete m_window.data(); // a place off the screen is pulled back
    m_store.Save("ShowPos", "Left", "300000");
    m_store.Save("ShowPos", "Top", "-600");
    m_window = new frmShowPosition(m_context);
    EXPECT_EQ(m_window->pos(), QPoint(0, -40));
}

} // namespace
} // namespace trakora
