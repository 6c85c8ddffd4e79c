#include "SkyReports.h"
#include "common/SkyPlotGeometry.h"
#include "views/SkyLegend.h"
#include "views/SkyMarker.h"
#include "views/SkyPlotCanvas.h"
#include "views/SystemMarks.h"
#include "views/frmSatPositions.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace trakora {
namespace {

const QColor Cyan(192, 255, 255), Grey(128, 128, 128), Dot(Qt::black);

struct Sat { int slot, prn, elevation, azimuth; bool used; };

class SatPositionsTest : public ::testing::Test {
protected:
    void SetUp() override { settings.InputRunning = FlagSet, Open(); }
    void TearDown() override { delete window.data(); }

    void Open() { (window = new frmSatPositions(context))->show(), Settle(); }
    static void Settle() { for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(); }
    void ResizeTo(int width, int height) { window->resize(width, height), Settle(); }

    // Puts the satellites given into their slots and refreshes the plot.
    void Plot(std::initializer_list<Sat> sats)
    {
        for (const Sat& s : sats)
            std::tie(gps.SatPRN[s.slot - 1], gps.SatElevation[s.slot - 1], gps.SatAzimuth[s.slot - 1],
                     gps.SatUsed[s.slot - 1]) = std::tuple(s.prn, s.elevation, s.azimuth, s.used);
        window->TimerPop();
    }

    // A missing control throws, which fails the test with its name.
    template <typename T = QLabel> T* Find(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        return found ? found : throw std::runtime_error("no control " + name.toStdString());
    }
    QColor Fill(const QString& label) const { return Find(label)->palette().color(QPalette::Window); }
    SkyPlotCanvas* Canvas() const { return window->findChild<SkyPlotCanvas*>(); }
    double Radius() const { return std::lround(Canvas()->width() / 2.0); }
    QPointF Sky(int el, int az) const { const SkyPoint p = SkyPosition(Radius(), el, az); return {p.X, p.Y}; }
    // Whether the kept picture holds black within `reach` pixels of a point.
    bool Black(QPointF near, int reach = 0) const
    {
        const QImage& picture = Canvas()->Picture();
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (const QPoint p = near.toPoint() + QPoint(dx, dy); picture.valid(p) && picture.pixel(p) == Dot.rgb())
                    return true;
        return false;
    }

    // Names of the shown satellite labels and of the checked dot-size entries.
    QString Shown() const { return Names<QLabel>("lblSat", &QWidget::isVisible); }
    QString CheckedDots() const { return Names<QAction>("mnuDot_", &QAction::isChecked); }
    template <typename T> QString Names(const char* prefix, bool (T::*test)() const) const
    {
        QStringList names;
        for (T* item : window->findChildren<T*>())
            if (item->objectName().startsWith(prefix) && (item->*test)()) names << item->objectName();
        return names.sort(), names.join(" ");
    }

    GpsState gps;
    ProgramSettings settings;
    MemorySettingsStore store;
    GnssState gnss;
    ProgramContext context{gps, settings, store, gnss};
    QPointer<frmSatPositions> window;
};

TEST_F(SatPositionsTest, LabelsDotsAndPoleMarkerFollowTheFix)
{
    Plot({{1, 5, 40, 120, true}, {2, 12, 10, 300, false}, {3, 193, 20, 250, false}, {4, 0, 60, 45, true},
          {5, 32, 70, 10, true}, {6, -3, 45, 135, true},
          // Off the sky: elevation outside 0..90 or azimuth outside 0..359.
          {7, 7, -5, 100, true}, {8, 8, 95, 100, true}, {9, 9, 30, 360, true}, {10, 10, 30, -1, false}});
    // A PRN beyond 32 gets a label made on demand; empty or damaged slots show nothing and leave no dots.
    EXPECT_EQ(Shown(), "lblSatNotTracked_12 lblSatNotTracked_193 lblSatTracked_32 lblSatTracked_5");
    EXPECT_FALSE(Black(Sky(-5, 100), 3) || Black(Sky(30, 360), 3));
    EXPECT_EQ(std::tuple(Find("lblSatTracked_5")->text(), Fill("lblSatTracked_5"), Fill("lblSatNotTracked_12"),
                         Find("lblSatNotTracked_193")->text(), Fill("lblSatNotTracked_193")),
              std::tuple(QString("05"), Cyan, Grey, QString("193"), Grey));
    EXPECT_LT(QLineF(QRectF(Find("lblSatNotTracked_193")->geometry()).center(), Sky(20, 250)).length(), 1.5);
    EXPECT_EQ(std::tuple(Black(Sky(40, 120)), Black(Sky(10, 300), 2), Black(Sky(60, 45), 2)),
              std::tuple(true, false, false)); // only used satellites leave dots

    // Once used, the cyan label replaces the grey one and dots start; a moving satellite leaves a track.
    Plot({{1, 5, 45, 130, true}, {2, 12, 10, 300, true}});
    EXPECT_EQ(Shown(), "lblSatNotTracked_193 lblSatTracked_12 lblSatTracked_32 lblSatTracked_5");
    EXPECT_TRUE(Black(Sky(10, 300)) && Black(Sky(40, 120)) && Black(Sky(45, 130)));
    EXPECT_TRUE(Canvas()->accessibleDescription().contains("PRN 12 used, elevation 10, azimuth 300"));

    // Gone from view: its label goes too, and is reused when it returns.
    Plot({{3, 0, 0, 0, false}});
    EXPECT_EQ(Shown(), "lblSatTracked_12 lblSatTracked_32 lblSatTracked_5");
    Plot({{3, 193, 21, 251, false}});
    EXPECT_TRUE(Find("lblSatNotTracked_193")->isVisible() && window->findChildren<QLabel*>("lblSatNotTracked_193").size() == 1);

    // The pole marker follows the latitude and the hemisphere; where its centre lies, in radii from the top:
    const struct { const char* hemisphere; float latitude; bool north; double top; } fixes[] = {
        {"N", 0, true, 0}, {"N", 90, true, 0.95}, {"S", 30, false, 1.8},
        // Back north to a place the hidden marker still holds, then no hemisphere: the marker stays.
        {"N", 90, true, 0.95}, {" ", 10, true, 0.95},
    };
    for (const auto& fix : fixes) {
        std::tie(gps.LatDir, gps.Latitude) = std::tuple(fix.hemisphere, fix.latitude);
        Plot({});
        const QPointF centre = QRectF(Find(fix.north ? "lblNorth" : "lblSouth")->geometry()).center() / Radius();
        EXPECT_EQ(std::pair(Find("lblNorth")->isVisible(), Find("lblSouth")->isVisible()), std::pair(fix.north, !fix.north));
        EXPECT_LT(QLineF(centre, QPointF(1, fix.top)).length(), 0.1) << fix.hemisphere << fix.latitude;
    }
}

TEST_F(SatPositionsTest, LabelsForEverNewPrnsAreLetGoOnceOffThePlot)
{
    const auto labels = [&] { return window->findChildren<QLabel*>().size(); };
    const auto made = labels();
    QStringList last;
    for (int first = 33; first < 33 + 100 * 12; first += 12) {
        last.clear();
        for (int k = 0; k < 12; ++k) {
            std::tie(gps.SatPRN[k], gps.SatElevation[k], gps.SatAzimuth[k], gps.SatUsed[k]) = std::tuple(first + k, 30, 30 * k, true);
            last << QString("lblSatTracked_%1").arg(first + k);
        }
        window->TimerPop();
    }
    EXPECT_LE(labels(), made + 2 * (64 + 12)) << "at most 64 PRNs beyond 32 keep labels, besides those shown";
    last.sort();
    EXPECT_EQ(Shown(), last.join(" "));
}

TEST_F(SatPositionsTest, DotSizeMenuKeepsOneEntryCheckedAndSetsTheDotWidth)
{
    EXPECT_EQ(CheckedDots(), "mnuDot_3");
    for (const auto& [stored, checked] : {std::pair("99", "mnuDot_3"), std::pair("-4", "mnuDot_3"), std::pair("20", "mnuDot_20")}) {
        delete window.data();
        store.Save("SatPos", "DotSize", stored);
        Open();
        EXPECT_EQ(CheckedDots(), checked) << stored;
    }
    Find<QAction>("mnuDot_7")->trigger();
    EXPECT_EQ(CheckedDots() + " " + Find<QAction>("mnuDot_0")->text() + " " + store.Get("SatPos", "DotSize", "").c_str(),
              "mnuDot_7 &No Track Dots 7");
    Plot({{1, 2, 60, 90, true}});
    const auto dotAt = [&](int dx, int dy) { return Black(Sky(60, 90) + QPoint(dx, dy)); }; // a round dot 7 pixels wide
    EXPECT_TRUE(dotAt(-3, 0) && dotAt(0, 3) && !dotAt(4, 0) && !dotAt(3, 3));

    Find<QAction>("mnuDot_0")->trigger();
    Plot({{1, 2, 20, 180, true}});
    EXPECT_EQ(std::pair(Shown(), Black(Sky(20, 180), 3)), std::pair(QString("lblSatTracked_2"), false));
}

TEST_F(SatPositionsTest, KeptSquareWithTheTrackClearedOnlyByANewWidthAndMadeRoundOnRequest)
{
    EXPECT_EQ(std::pair(window->windowTitle(), Canvas()->size()), std::pair(QString("Satellite Positions"), QSize(247, 247)));
    Plot({{1, 4, 40, 150, true}});
    const QPoint dot = Sky(40, 150).toPoint();
    settings.InputRunning = 0; // stopped, so the layouts below draw no new dots of their own
    ResizeTo(247, window->height() + 40);
    // Painting shows the kept picture, so the track survives being covered.
    QImage shown(Canvas()->size(), QImage::Format_RGB32);
    Canvas()->render(&shown, {}, {}, QWidget::DrawWindowBackground);
    EXPECT_EQ(std::tuple(window->width(), Black(dot), shown.pixel(dot)), std::tuple(247, true, Dot.rgb()));

    ResizeTo(320, 600);
    EXPECT_EQ(std::tuple(Canvas()->width(), Canvas()->height(), window->height() - Canvas()->y()), std::tuple(320, 320, 320));
    EXPECT_EQ(Canvas()->Picture().pixel(dot), Cyan.rgb());
    EXPECT_TRUE(Black(QPointF((1 + HorizonRingFactor) * Radius(), Radius()), 1)); // rings redrawn

    // The "Circular" entry, and "|corner" while the top-left corner belongs to the window.
    auto outline = [&] { return store.Get("Showing", "Circular", "") + (window->mask().contains({1, 1}) ? "|corner" : ""); };
    const QRect screen = window->screen()->geometry();
    window->move(screen.right() - 50, -40);
    Find<QAction>("mnuMakeCircular")->trigger();
    Settle();
    EXPECT_EQ(outline(), "-1");
    EXPECT_TRUE(window->mask().contains(QPoint(window->width() / 2, Canvas()->y() + window->width() / 2)));
    EXPECT_EQ(window->frameGeometry().topRight(), screen.topRight());

    // A double click on the background toggles back.
    QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, QPoint(Canvas()->width() / 2 + 20, Canvas()->height() / 2));
    EXPECT_EQ(outline(), "0|corner");
    Find<QAction>("mnuMakeCircular")->trigger();
    delete window.data();
    Open();
    EXPECT_EQ(std::pair(outline(), Canvas()->width()), std::pair(std::string("-1"), 320)); // restored
}

// With every talker, a sky of several systems.
class SatSystemsTest : public SatPositionsTest {
protected:
    void Report(const std::vector<testing::TestSat>& sats) { ReportSky(gnss, gps, sats, ++second), window->TimerPop(); }
    std::vector<SkyMarker*> Markers() const
    {
        std::vector<SkyMarker*> shown;
        for (SkyMarker* marker : window->findChildren<SkyMarker*>())
            if (marker->isVisible()) shown.push_back(marker);
        return shown;
    }
    SkyMarker* Marker(const char* name) const
    {
        for (SkyMarker* marker : Markers())
            if (QLatin1String(DisplayName(marker->Satellite()).data()) == QLatin1String(name)) return marker;
        throw std::runtime_error(std::string("no marker ") + name);
    }
    // One satellite of each system, the even ones used.
    const std::vector<testing::TestSat> m_sky = {
        {GnssSystem::GPS, 5, 40, 120, 41, false},    {GnssSystem::SBAS, 31, 30, 200, 35, true},
        {GnssSystem::GLONASS, 7, 60, 300, 38, false}, {GnssSystem::Galileo, 11, 78, 13, 49, true},
        {GnssSystem::BeiDou, 20, 20, 60, 30, false},  {GnssSystem::QZSS, 2, 50, 170, 44, true},
        {GnssSystem::NavIC, 3, 15, 250, 33, false}};
    int second = 0;
};

TEST_F(SatSystemsTest, EverySatelliteShowsItsSystemByShapeAndColourFilledWhenUsed)
{
    Report(m_sky);
    ASSERT_EQ(Markers().size(), m_sky.size());
    EXPECT_TRUE(Shown().isEmpty() && Find<QMenu>("mnuSystems")->menuAction()->isVisible()) << "no numbered labels beside the marks";
    const QImage picture = Canvas()->grab().toImage();
    const struct { const char* name; MarkShape shape; bool filled; } expected[] = {
        {"G05", MarkShape::Circle, false}, {"S31", MarkShape::Cross, true},   {"R07", MarkShape::Square, false},
        {"E11", MarkShape::Diamond, true}, {"C20", MarkShape::Triangle, false}, {"J02", MarkShape::Star, true},
        {"I03", MarkShape::Hexagon, false}};
    for (const auto& e : expected) {
        const SkyMarker* marker = Marker(e.name);
        const GnssSystem system = marker->Satellite().System;
        EXPECT_EQ(std::pair(ShapeOf(system), marker->Filled()), std::pair(e.shape, e.filled)) << e.name;
        // The centre of the mark is the satellite's place, in the system's colour when filled.
        const QPoint centre = marker->pos() + marker->Anchor();
        const testing::TestSat& sat = *std::find_if(m_sky.begin(), m_sky.end(), [&](auto& s) { return s.System == system; });
        EXPECT_LT(QLineF(centre, Sky(sat.Elevation, sat.Azimuth)).length(), 1.0) << e.name;
        EXPECT_EQ(picture.pixelColor(centre), e.filled ? SystemColor(system) : Cyan) << e.name;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Marker("E11"))->text(QAccessible::Name),
              "Galileo E11, elevation 78, azimuth 13, signal 49, used in fix");
    EXPECT_EQ(Canvas()->accessibleDescription(), "GPS 1/0  SBAS 1/1  GLONASS 1/0  Galileo 1/1  BeiDou 1/0  QZSS 1/1  NavIC 1/0");
    EXPECT_EQ(std::pair(Black(Sky(78, 13), 2), Black(Sky(40, 120), 3)), std::pair(true, false)) << "used ones leave tracks";

    // Seven systems named in the legend, in the corner of the plot.
    const auto* legend = Find<SkyLegend>("SkyLegend");
    EXPECT_TRUE(legend->isVisible() && legend->geometry().topLeft().manhattanLength() < 10);
    EXPECT_TRUE(legend->accessibleDescription().startsWith("GPS circle, SBAS cross, GLONASS square"));

    // A satellite that comes beneath the legend does not cover it.
    auto sky = m_sky;
    sky.push_back({GnssSystem::GPS, 9, 2, 315, 30, true});
    Report(sky);
    const QPoint under = Marker("G09")->pos() + Marker("G09")->Anchor();
    ASSERT_TRUE(legend->geometry().contains(under));
    EXPECT_EQ(Canvas()->childAt(under), legend);
}

TEST_F(SatSystemsTest, TheLegendAndTheSystemsShownAreRememberedAcrossARestart)
{
    Report(m_sky);
    // Marks shown, whether the legend is, and the stored legend and hidden systems.
    const auto state = [&] {
        return std::tuple(Markers().size(), Find<SkyLegend>("SkyLegend")->isVisible(), store.Get("SatPos", "Legend", ""),
                          store.Get("SatPos", "HiddenSystems", ""));
    };
    for (const char* entry : {"mnuLegend", "mnuSystem_GLONASS", "mnuSystem_BeiDou"})
        Find<QAction>(entry)->trigger();
    EXPECT_EQ(state(), std::tuple(5u, false, "0", "RC"));

    delete window.data();
    Open();
    Report(m_sky);
    EXPECT_EQ(state(), std::tuple(5u, false, "0", "RC")) << "GLONASS and BeiDou stay hidden";
    EXPECT_THROW(Marker("R07"), std::runtime_error);
    EXPECT_FALSE(Find<QAction>("mnuLegend")->isChecked() || Find<QAction>("mnuSystem_GLONASS")->isChecked());
    Find<QAction>("mnuSystem_GLONASS")->trigger();
    Find<QAction>("mnuLegend")->trigger();
    EXPECT_EQ(state(), std::tuple(6u, true, "-1", "C"));
}

TEST_F(SatSystemsTest, MarksPassFromSatellitesThatLeaveToThoseThatCome)
{
    for (int first = 1; first <= 60; first += 6) {
        std::vector<testing::TestSat> sky;
        for (int n = first; n < first + 6; ++n)
            sky.push_back({n % 2 ? GnssSystem::Galileo : GnssSystem::BeiDou, n, 30, 5 * n, 40, true});
        sky.push_back({GnssSystem::GLONASS, 1, 45, 90, 40, true});
        Report(sky);
        ASSERT_EQ(Markers().size(), 7u);
    }
    EXPECT_EQ(window->findChildren<SkyMarker*>().size(), 7u) << "no more marks than satellites shown at once";
}

} // namespace
} // namespace trakora
