#include "views/frmShowPosition.h"

#include "common/WindowRoutines.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>

namespace trakora {
namespace {

class ShowPositionTest : public ::testing::Test {
protected:
    // Day/month/year reads most naturally below.
    void SetUp() override { std::tie(m_settings.InputRunning, m_settings.DateFormat) = std::tuple(FlagSet, 2); }
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
    // The same, followed by the colour of the window's background.
    std::string Painted(std::initializer_list<const char*> names)
    {
        const std::string shown = Pop(names); // before the picture is taken
        return shown + m_window->grab().toImage().pixelColor(2, 2).name().toStdString();
    }

    GpsState m_gps;
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    GnssState m_gnss;
    ProgramContext m_context{m_gps, m_settings, m_store, m_gnss};
    QPointer<frmShowPosition> m_window{new frmShowPosition(m_context)};
};

// Each step starts from the labels the step before left.
TEST_F(ShowPositionTest, LocalDateAndTimeCarryAndKeepTheirTextWhenUnusable)
{
    struct Step { const char *legend, *status, *utcDate, *utcTime; std::tuple<int, int, int> offset; const char* local; };
    const Step steps[] = {
        {"a position sentence before any date", "A", "", "083000", {-1, 5, 0}, "|03:30:00"},
        {"east into the new year", "A", "311204", "233015", {1, 1, 0}, "01/01/05|00:30:15"},
        {"west back into the old year", "A", "010105", "001500", {-1, 5, 0}, "31/12/04|19:15:00"},
        {"west half hour into a leap February", "A", "010304", "001000", {-1, 0, 30}, "29/02/04|23:40:00"},
        {"east five and a half hours into May", "A", "300405", "234500", {1, 5, 30}, "01/05/05|05:15:00"},
        {"31 February keeps the date", "A", "310205", "111111", {-1, 0, 30}, "01/05/05|10:41:11"},
        {"an empty time keeps both", "A", "160605", "", {-1, 0, 30}, "01/05/05|10:41:11"},
        {"invalid data keeps both", "V", "051204", "123456", {-1, 0, 30}, "01/05/05|10:41:11"},
    };
    for (const Step& s : steps) {
        std::tie(m_gps.RMCStatus, m_gps.UtcDate, m_gps.UtcTime) = std::tuple(s.status, s.utcDate, s.utcTime);
        std::tie(m_settings.UTCOffsetDirection, m_settings.UTCOffsetHour, m_settings.UTCOffsetMinute) = s.offset;
        EXPECT_EQ(Pop({"lblLocalDate", "lblLocalTime"}), s.local) << s.legend;
    }
    EXPECT_EQ(Pop({"lblUTCDate", "lblUTCTime"}), "05/12/04|12:34:56") << "UTC follows whatever the status";
}

TEST_F(ShowPositionTest, CoordinatesInEachDegreeFormat)
{
    // {{degree format, decimal point, latitude, longitude}, shown}
    struct Case { std::tuple<int, char, float, float> input; const char* shown; };
    const Case cases[] = {
        {{1, '.', 45.5125f, 123.5f}, " 45° 30' 45.00\"N| 123° 30' 00.00\""},
        {{1, ',', 0.0f, 5.25f}, " 00° 00' 00,00\"N| 05° 15' 00,00\""},
        {{2, '.', 45.12345f, 179.5f}, "45.12345°N|179.50000°"},
        {{3, '.', 45.12345f, 0.25f}, "45° 7.40707' N|0° 15.' "},
        {{3, '.', 7.0f, 0.99999994f}, "7° .' N|1° .' "}, // minutes that round to 60 carry
        {{0, '.', 1.0f, 2.0f}, "7° .' N|1° .' "},        // an unknown format keeps both
    };
    m_gps.LatDir = "N"; // the longitude's hemisphere is left unfilled: it shows no letter
    for (const Case& c : cases) {
        std::tie(m_settings.DegreeFormat, m_settings.DecimalPointChar, m_gps.Latitude, m_gps.Longitude) = c.input;
        EXPECT_EQ(Pop({"lblLat", "lblLon"}), c.shown);
    }
}

TEST_F(ShowPositionTest, SpeedAltitudeAndCourse)
{
    struct Case { const char *speedUnit, *largeUnit, *altUnit, *smallUnit; float course; const char* shown; };
    const Case cases[] = {
        {"NA", "NA", "FE", "FE", 359.6f, ".3 Knots|30.5 Feet|360°"},
        {"NA", "KI", "FE", "ME", 0.0f, ".6 KPH|9.3 Meters|°"}, // a zero course shows only the sign
        {"NA", "NA", "FE", "FE", 0.5f, ".3 Knots|30.5 Feet|1°"},
    };
    std::tie(m_gps.Speed, m_gps.Altitude) = std::tuple(0.3f, 30.5f);
    for (const Case& c : cases) {
        std::tie(m_gps.SpeedUnit, m_gps.AltUnit, m_gps.CourseMag) = std::tuple(c.speedUnit, c.altUnit, c.course);
        std::tie(m_settings.LargeUnit, m_settings.SmallUnit) = std::tuple(c.largeUnit, c.smallUnit);
        EXPECT_EQ(Pop({"lblSpeed", "lblAlt", "lblCMG"}), c.shown);
    }
}

TEST_F(ShowPositionTest, NothingIsWrittenWhileStoppedOrUnchangedAndScreenReadersHearValuesAndValidity)
{
    m_settings.InputRunning = FlagClear;
    // Either status makes the data valid.
    std::tie(m_gps.GLLStatus, m_gps.UtcDate, m_gps.UtcTime, m_gps.CourseMag) = std::tuple("A", "311204", "233015", 90.0f);
    EXPECT_EQ(Painted({"lblLocalDate", "lblLocalTime", "lblUTCDate", "lblLat", "lblSpeed", "lblAlt", "lblCMG"}), "||||||#ff0000");
    m_settings.InputRunning = FlagSet;
    EXPECT_EQ(Painted({"lblCMG"}), "90°#ffffff");
    // Marks a window never writes, so any rewrite of an unchanged value shows.
    m_window->setPalette(QPalette(Qt::blue));
    Label("lblCMG")->setText("marker");
    EXPECT_EQ(Painted({"lblCMG"}), "marker#0000ff");
    std::tie(m_gps.GLLStatus, m_gps.CourseMag) = std::tuple("V", 13.0f);
    EXPECT_EQ(Painted({"lblCMG"}), "13°#ff0000");
    EXPECT_EQ(m_window->accessibleDescription(), "invalid data");

    // With every talker an RTK fix counts whatever the status; with GPS talkers it does not.
    m_gps.FixQuality = "5";
    for (const auto& [talkers, ground] : {std::pair(TalkerFilter::AllGnss, "#ffffff"), std::pair(TalkerFilter::GpsOnly, "#ff0000")}) {
        m_settings.Talkers = talkers;
        EXPECT_EQ(Painted({}), ground);
    }

    // A screen reader hears each value after its name, and whether the data is valid.
    const auto heard = [this](const char* label, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(Label(label))->text(what).toStdString();
    };
    std::tie(m_gps.RMCStatus, m_gps.Latitude, m_gps.LatDir) = std::tuple("A", 17.7478f, "S");
    Pop({});
    EXPECT_EQ(heard("lblLat", QAccessible::Name) + " / " + heard("lblSpeed", QAccessible::Description),
              "Latitude 17° 44' 52.08\"S / valid data");
    std::tie(m_gps.RMCStatus, m_gps.LatDir) = std::tuple("V", "N");
    Pop({});
    EXPECT_EQ(heard("lblLat", QAccessible::Name) + " / " + heard("lblCMG", QAccessible::Description),
              "Latitude 17° 44' 52.08\"N / invalid data") << "renamed with each new value";
}

TEST_F(ShowPositionTest, LaidOutAsDesignedAndReopensAtItsPlace)
{
    EXPECT_EQ(m_window->windowTitle(), "Position Information");
    const QFont font = Label("lblCMG")->font();
    EXPECT_EQ(Label("lblCMG")->geometry(), TwipsRect(720, 1950, 2910, 1245));
    EXPECT_TRUE(QFontInfo(font).fixedPitch() && font.bold() && font.pointSizeF() == 60.0);
    // A metric twin of Courier New, where one is installed, before any other fixed-pitch face.
    const QString family = QFontInfo(font).family();
    const bool twin = QFontDatabase::hasFamily("Liberation Mono") || QFontDatabase::hasFamily("Nimbus Mono PS");
    EXPECT_TRUE(!twin || family.startsWith("Liberation Mono") || family.startsWith("Nimbus Mono PS")) << family.toStdString();

    EXPECT_EQ(m_store.Get("Showing", "ShowPos", ""), "-1");
    m_window->move(150, 90);
    m_window->close(); // the user closes it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(std::pair(m_store.Get("Showing", "ShowPos", ""), m_settings.ShowingShowPos), std::pair(std::string("0"), FlagClear));
    EXPECT_EQ(m_store.Get("ShowPos", "Left", "") + "," + m_store.Get("ShowPos", "Top", ""), "2250,1350");
    m_window = new frmShowPosition(m_context);
    EXPECT_EQ(std::pair(m_window->pos(), m_settings.ShowingShowPos), std::pair(QPoint(150, 90), FlagSet));
}

} // namespace
} // namespace trakora
