#include "views/frmShowPosition.h"

#include "common/WindowRoutines.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>

#include <memory>

namespace trakora {
namespace {

// Counts the palette writes a widget receives.
class PaletteWriteCounter : public QObject {
public:
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            ++Count;
        return false;
    }
};

class ShowPositionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_settings.InputRunning = FlagSet;
        m_settings.DateFormat = 2; // day/month/year reads most naturally below
        m_window = new frmShowPosition(m_context);
    }
    void TearDown() override { delete m_window.data(); }

    QString Text(const char* name) const
    {
        auto* label = m_window->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    void SetUtc(const char* date, const char* time)
    {
        m_gps->UtcDate = date;
        m_gps->UtcTime = time;
    }
    void SetOffset(int direction, int hours, int minutes)
    {
        m_settings.UTCOffsetDirection = direction;
        m_settings.UTCOffsetHour = hours;
        m_settings.UTCOffsetMinute = minutes;
    }
    QRgb BackgroundPixel() const { return m_window->grab().toImage().pixel(2, 2); }

    std::unique_ptr<GpsState> m_gps = std::make_unique<GpsState>();
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    ProgramContext m_context{*m_gps, m_settings, m_store};
    QPointer<frmShowPosition> m_window;
};

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TEST_F(ShowPositionTest, LocalDateAndTimeCarryAcrossMidnightAndYearEnd)
{
    struct Case {
        const char* legend;
        const char* utcDate;
        const char* utcTime;
        int direction, hours, minutes;
        const char* localDate;
        const char* localTime;
    };
    const Case cases[] = {
        {"east into the new year", "311204", "233015", 1, 1, 0, "01/01/05", "00:30:15"},
        {"west back into the old year", "010105", "001500", -1, 5, 0, "31/12/04", "19:15:00"},
        {"west half hour into February of a leap year", "010304", "001000", -1, 0, 30, "29/02/04", "23:40:00"},
        {"west half hour into February of a common year", "010305", "001000", -1, 0, 30, "28/02/05", "23:40:00"},
        {"east five and a half hours", "150605", "104500", 1, 5, 30, "15/06/05", "16:15:00"},
        {"east five and a half hours with a minute carry", "300405", "234500", 1, 5, 30, "01/05/05", "05:15:00"},
        {"west half hour with a minute borrow", "150605", "120500", -1, 0, 30, "15/06/05", "11:35:00"},
        {"year 2000 is a leap year", "010300", "003000", -1, 1, 0, "29/02/00", "23:30:00"},
        {"no offset", "070805", "081522", -1, 0, 0, "07/08/05", "08:15:22"},
    };
    m_gps->RMCStatus = "A";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        SetUtc(c.utcDate, c.utcTime);
        SetOffset(c.direction, c.hours, c.minutes);
        m_window->TimerPop();
        EXPECT_EQ(Text("lblLocalDate"), U(c.localDate));
        EXPECT_EQ(Text("lblLocalTime"), U(c.localTime));
    }
}

TEST_F(ShowPositionTest, UtcLabelsFollowTheReceiverWhateverTheStatus)
{
    m_settings.DateFormat = 1;
    SetUtc("051204", "123456");
    m_gps->RMCStatus = "V";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblUTCDate"), U("12/05/04"));
    EXPECT_EQ(Text("lblUTCTime"), U("12:34:56"));
    EXPECT_EQ(Text("lblLocalDate"), QString());
    EXPECT_EQ(Text("lblLocalTime"), QString());
}

TEST_F(ShowPositionTest, LocalLabelsKeepTheirTextWhileDataIsInvalid)
{
    SetOffset(1, 2, 0);
    SetUtc("010105", "100000");
    m_gps->GLLStatus = "A";
    m_window->TimerPop();
    ASSERT_EQ(Text("lblLocalTime"), U("12:00:00"));

    m_gps->GLLStatus = "V";
    SetUtc("020105", "110000");
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLocalDate"), U("01/01/05"));
    EXPECT_EQ(Text("lblLocalTime"), U("12:00:00"));
    EXPECT_EQ(Text("lblUTCTime"), U("11:00:00"));
}

TEST_F(ShowPositionTest, LocalDateNeedsAValidDateButLocalTimeDoesNot)
{
    // A position sentence before any date: valid status, time but no date.
    SetOffset(-1, 5, 0);
    m_gps->GLLStatus = "A";
    m_gps->UtcTime = "083000";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLocalDate"), QString());
    EXPECT_EQ(Text("lblLocalTime"), U("03:30:00"));
}

TEST_F(ShowPositionTest, UnusableDateOrTimeLeavesTheLocalLabelAsItWas)
{
    m_gps->RMCStatus = "A";
    SetUtc("150605", "101010");
    m_window->TimerPop();
    ASSERT_EQ(Text("lblLocalDate"), U("15/06/05"));

    SetUtc("310205", "111111"); // 31 February
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLocalDate"), U("15/06/05"));
    EXPECT_EQ(Text("lblLocalTime"), U("11:11:11"));

    SetUtc("150605", ""); // valid status with an empty time
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLocalDate"), U("15/06/05"));
    EXPECT_EQ(Text("lblLocalTime"), U("11:11:11"));
}

TEST_F(ShowPositionTest, CoordinatesInEachDegreeFormat)
{
    struct Case {
        int format;
        float latitude;
        const char* latDir;
        float longitude;
        const char* lonDir;
        const char* lat;
        const char* lon;
    };
    const Case cases[] = {
        {1, 45.5125f, "N", 5.25f, "W", " 45° 30' 45.00\"N", " 05° 15' 00.00\"W"},
        {1, 0.0f, "S", 123.5f, "E", " 00° 00' 00.00\"S", " 123° 30' 00.00\"E"},
        {2, 45.12345f, "N", 12.5f, "W", "45.12345°N", "12.50000°W"},
        {2, 0.25f, "S", 179.5f, "E", "0.25000°S", "179.50000°E"},
        {3, 12.5f, "S", 45.12345f, "E", "12° 30.' S", "45° 7.40707' E"},
        {3, 7.0f, "N", 0.25f, "W", "7° .' N", "0° 15.' W"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lat);
        m_settings.DegreeFormat = c.format;
        m_gps->Latitude = c.latitude;
        m_gps->LatDir = c.latDir;
        m_gps->Longitude = c.longitude;
        m_gps->LonDir = c.lonDir;
        m_window->TimerPop();
        EXPECT_EQ(Text("lblLat"), U(c.lat));
        EXPECT_EQ(Text("lblLon"), U(c.lon));
    }

    // An unknown format leaves both coordinates as they were.
    m_settings.DegreeFormat = 0;
    m_gps->Latitude = 1.0f;
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLat"), U("7° .' N"));
    EXPECT_EQ(Text("lblLon"), U("0° 15.' W"));
}

TEST_F(ShowPositionTest, CoordinatesUseTheUsersDecimalSeparator)
{
    m_settings.DecimalPointChar = ',';
    m_gps->Latitude = 45.12345f;
    m_gps->LatDir = "N";
    m_settings.DegreeFormat = 2;
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLat"), U("45,12345°N"));
    m_settings.DegreeFormat = 1;
    m_gps->Latitude = 45.5125f;
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLat"), U(" 45° 30' 45,00\"N"));
}

TEST_F(ShowPositionTest, UnfilledHemisphereShowsNoLetter)
{
    m_settings.DegreeFormat = 2;
    m_window->TimerPop();
    EXPECT_EQ(Text("lblLat"), U("0.00000°"));
    EXPECT_EQ(Text("lblUTCTime"), QString());
}

TEST_F(ShowPositionTest, CourseIsRoundedToWholeDegreesAndZeroShowsOnlyTheSign)
{
    const std::pair<float, const char*> cases[] = {
        {359.6f, "360°"}, {0.0f, "°"}, {0.4f, "°"}, {0.5f, "1°"}, {87.49f, "87°"}, {270.0f, "270°"}};
    for (const auto& [course, shown] : cases) {
        m_gps->CourseMag = course;
        m_window->TimerPop();
        EXPECT_EQ(Text("lblCMG"), U(shown)) << course;
    }
}

TEST_F(ShowPositionTest, SpeedAndAltitudeAreConvertedAndSuffixed)
{
    m_gps->Speed = 0.3f;
    m_gps->SpeedUnit = "NA";
    m_gps->Altitude = 123.4f;
    m_gps->AltUnit = "FE";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSpeed"), U(".3 Knots"));
    EXPECT_EQ(Text("lblAlt"), U("123.4 Feet"));

    m_settings.LargeUnit = "KI";
    m_settings.SmallUnit = "ME";
    m_gps->Speed = 10.0f;
    m_gps->Altitude = 100.0f;
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSpeed"), U("18.5 KPH"));
    EXPECT_EQ(Text("lblAlt"), U("30.5 Meters"));

    m_gps->AltUnit = "ME";
    m_settings.SmallUnit = "FE";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblAlt"), U("328.1 Feet"));

    // Units no converter knows give zero, still with the suffix.
    m_gps->SpeedUnit = "na";
    m_gps->AltUnit = "FA";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSpeed"), U(".0 KPH"));
    EXPECT_EQ(Text("lblAlt"), U(".0 Feet"));
}

TEST_F(ShowPositionTest, NothingChangesWhileInputIsStopped)
{
    PaletteWriteCounter palette;
    m_window->installEventFilter(&palette);
    m_settings.InputRunning = FlagClear;
    m_gps->RMCStatus = "A";
    SetUtc("311204", "233015");
    m_gps->CourseMag = 90.0f;
    m_gps->Speed = 5.0f;
    m_gps->SpeedUnit = "NA";
    for (int i = 0; i < 3; ++i)
        m_window->TimerPop();
    for (const char* name : {"lblLocalDate", "lblLocalTime", "lblUTCDate", "lblUTCTime", "lblLat", "lblLon",
                             "lblSpeed", "lblAlt", "lblCMG"})
        EXPECT_EQ(Text(name), QString()) << name;
    EXPECT_EQ(palette.Count, 0);
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));
    EXPECT_EQ(m_window->accessibleDescription(), U("invalid"));
}

TEST_F(ShowPositionTest, BackgroundIsWrittenOnlyWhenValidityChanges)
{
    PaletteWriteCounter palette;
    m_window->installEventFilter(&palette);

    m_gps->RMCStatus = "V";
    m_window->TimerPop(); // already red
    EXPECT_EQ(palette.Count, 0);

    m_gps->GLLStatus = "A"; // either status suffices
    m_window->TimerPop();
    m_window->TimerPop();
    m_window->TimerPop();
    EXPECT_EQ(palette.Count, 1);
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 255, 255));
    EXPECT_EQ(m_window->accessibleDescription(), U("valid"));

    m_gps->GLLStatus = "V";
    m_window->TimerPop();
    m_window->TimerPop();
    EXPECT_EQ(palette.Count, 2);
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));
    EXPECT_EQ(m_window->accessibleDescription(), U("invalid"));

    // A colour the window did not choose survives refreshes that bring no
    // change of validity, so none of them wrote the background.
    QPalette marked = m_window->palette();
    marked.setColor(QPalette::Window, Qt::blue);
    m_window->setPalette(marked);
    m_window->TimerPop();
    EXPECT_EQ(BackgroundPixel(), qRgb(0, 0, 255));
}

TEST_F(ShowPositionTest, SteadyStateRewritesNoLabel)
{
    m_gps->RMCStatus = "A";
    SetUtc("150605", "101010");
    m_gps->CourseMag = 12.0f;
    m_window->TimerPop();

    auto* course = m_window->findChild<QLabel*>(QStringLiteral("lblCMG"));
    const QString before = course->text();
    course->setText(QStringLiteral("marker"));
    m_window->TimerPop(); // nothing changed in the receiver state
    EXPECT_EQ(course->text(), QStringLiteral("marker"));
    m_gps->CourseMag = 13.0f;
    m_window->TimerPop();
    EXPECT_NE(course->text(), before);
    EXPECT_EQ(course->text(), U("13°"));
}

TEST_F(ShowPositionTest, LayoutFollowsTheDesign)
{
    EXPECT_EQ(m_window->windowTitle(), U("Position Information"));
    EXPECT_EQ(m_window->size(), QSize(TwipsToPixelsX(3705), TwipsToPixelsY(3285)));
    EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize());

    auto* course = m_window->findChild<QLabel*>(QStringLiteral("lblCMG"));
    ASSERT_NE(course, nullptr);
    EXPECT_EQ(course->geometry(), TwipsRect(720, 1950, 2910, 1245));
    EXPECT_TRUE(QFontInfo(course->font()).fixedPitch());
    EXPECT_TRUE(course->font().bold());
    EXPECT_DOUBLE_EQ(course->font().pointSizeF(), 60.0);
    EXPECT_EQ(course->frameShape(), QFrame::Box);

    auto* localDate = m_window->findChild<QLabel*>(QStringLiteral("lblLocalDate"));
    ASSERT_NE(localDate, nullptr);
    EXPECT_DOUBLE_EQ(localDate->font().pointSizeF(), 9.75);
    EXPECT_TRUE(localDate->alignment() & Qt::AlignHCenter);

    auto* caption = m_window->findChild<QLabel*>(QStringLiteral("Label1_13"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), U("Current Course (Mag)"));
    EXPECT_TRUE(caption->wordWrap());
    EXPECT_TRUE(caption->alignment() & Qt::AlignRight);
    EXPECT_EQ(caption->geometry(), TwipsRect(0, 2190, 675, 705));
    EXPECT_DOUBLE_EQ(caption->font().pointSizeF(), 8.25);
    EXPECT_TRUE(caption->font().bold());

    for (const char* name : {"Label1_6", "Label1_0", "Label1_2", "Label1_1", "Label1_3", "Label1_4", "lblLocalTime",
                             "lblUTCDate", "lblUTCTime", "lblLat", "lblLon", "lblSpeed", "lblAlt"})
        EXPECT_NE(m_window->findChild<QLabel*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));
}

TEST_F(ShowPositionTest, OpenWindowEntryAndPlacementPersist)
{
    EXPECT_EQ(m_store.Get("Showing", "ShowPos", ""), "-1");
    EXPECT_EQ(m_settings.ShowingShowPos, FlagSet);

    m_window->show();
    m_window->move(150, 90);
    m_window->close(); // the user closes it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
    EXPECT_EQ(m_store.Get("Showing", "ShowPos", ""), "0");
    EXPECT_EQ(m_settings.ShowingShowPos, FlagClear);
    EXPECT_EQ(m_store.Get("ShowPos", "Left", ""), "2250");
    EXPECT_EQ(m_store.Get("ShowPos", "Top", ""), "1350");

    m_window = new frmShowPosition(m_context);
    EXPECT_EQ(m_window->pos(), QPoint(150, 90));
    EXPECT_EQ(m_store.Get("Showing", "ShowPos", ""), "-1");

    // Closed by the program at exit: the window reopens next time.
    m_settings.AppClosing = FlagSet;
    m_window->show();
    m_window->close();
    EXPECT_EQ(m_store.Get("Showing", "ShowPos", ""), "-1");
    EXPECT_EQ(m_settings.ShowingShowPos, FlagSet);
}

TEST_F(ShowPositionTest, DraggingTheBackgroundMovesTheWindow)
{
    m_window->show();
    m_window->move(100, 100);
    auto send = [this](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(m_window->mapFromGlobal(global)), QPointF(global), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.data(), &event);
    };
    send(QEvent::MouseButtonPress, QPoint(110, 110), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(130, 125), Qt::LeftButton);
    EXPECT_EQ(m_window->pos(), QPoint(120, 115));
    send(QEvent::MouseButtonRelease, QPoint(130, 125), Qt::NoButton);
    send(QEvent::MouseMove, QPoint(200, 200), Qt::NoButton);
    EXPECT_EQ(m_window->pos(), QPoint(120, 115));
    EXPECT_EQ(m_window->size(), QSize(TwipsToPixelsX(3705), TwipsToPixelsY(3285)));
}

TEST_F(ShowPositionTest, OffScreenPlacementIsPulledBack)
{
    delete m_window.data();
    m_store.Save("ShowPos", "Left", "300000");
    m_store.Save("ShowPos", "Top", "-600");
    m_window = new frmShowPosition(m_context);
    EXPECT_EQ(m_window->pos(), QPoint(0, -40));
}

} // namespace
} // namespace trakora
