#include "common/ProgramContext.h"
#include "common/SkyPlotGeometry.h"
#include "views/SkyPlotCanvas.h"
#include "views/frmSatPositions.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <tuple>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace trakora {
namespace {

const QRgb Dot = qRgb(0, 0, 0);
const QColor Cyan(192, 255, 255);

struct Sat { int slot, prn, elevation, azimuth; bool used; };

class SatPositionsTest : public ::testing::Test {
protected:
    void SetUp() override { settings.InputRunning = FlagSet, Open(); }
    void TearDown() override { delete window.data(); }

    void Open()
    {
        window = new frmSatPositions(context);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.data()));
        Settle();
    }
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
    QPoint SkyPixel(int elevation, int azimuth) const { return Sky(elevation, azimuth).toPoint(); }
    // How far a label's centre lies from where its satellite belongs.
    double Misplacement(const QString& label, int elevation, int azimuth) const
    {
        return QLineF(QRectF(Find(label)->geometry()).center(), Sky(elevation, azimuth)).length();
    }
    // Whether the kept picture holds black within `reach` pixels of a point.
    bool Black(QPoint at, int reach = 0) const
    {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (Canvas()->Picture().valid(at + QPoint(dx, dy)) && Canvas()->Picture().pixel(at + QPoint(dx, dy)) == Dot)
                    return true;
        return false;
    }

    // Names of the shown satellite labels and of the checked dot-size entries.
    QString Shown() const { return Names<QLabel>("^lblSat", &QWidget::isVisible); }
    QString CheckedDots() const { return Names<QAction>("^mnuDot_", &QAction::isChecked); }
    template <typename T> QString Names(const char* pattern, bool (T::*test)() const) const
    {
        QStringList names;
        for (T* item : window->findChildren<T*>(QRegularExpression(pattern)))
            if ((item->*test)()) names << item->objectName();
        names.sort();
        return names.join(" ");
    }

    GpsState gps;
    ProgramSettings settings;
    MemorySettingsStore store;
    ProgramContext context{gps, settings, store};
    QPointer<frmSatPositions> window;
};

TEST_F(SatPositionsTest, WaitsForACompleteGroupThenShowsUsedAndUnusedSatellites)
{
    gps.SatViewComplete = false;
    Plot({{1, 5, 40, 120, true}, {2, 12, 10, 300, false}});
    EXPECT_EQ(std::pair(Shown(), Black(SkyPixel(40, 120), 2)), std::pair(QString(), false));
    gps.SatViewComplete = true;
    Plot({});
    EXPECT_EQ(std::tuple(Shown(), Find("lblSatTracked_5")->text(), Fill("lblSatTracked_5"), Fill("lblSatNotTracked_12")),
              std::tuple(QString("lblSatNotTracked_12 lblSatTracked_5"), QString("05"), Cyan, QColor(128, 128, 128)));
    EXPECT_LT(std::max(Misplacement("lblSatTracked_5", 40, 120), Misplacement("lblSatNotTracked_12", 10, 300)), 1.5);
    // Only used satellites leave dots.
    EXPECT_EQ(std::pair(Black(SkyPixel(40, 120)), Black(SkyPixel(10, 300), 2)), std::pair(true, false));

    // Once used, the cyan label replaces the grey one and dots start; a moving satellite leaves a track.
    Plot({{1, 5, 45, 130, true}, {2, 12, 10, 300, true}});
    EXPECT_EQ(Shown(), "lblSatTracked_12 lblSatTracked_5");
    EXPECT_TRUE(Black(SkyPixel(10, 300)) && Black(SkyPixel(40, 120)) && Black(SkyPixel(45, 130)));
    EXPECT_LT(Misplacement("lblSatTracked_5", 45, 130), 1.5);
    EXPECT_TRUE(Canvas()->accessibleDescription().contains("PRN 12 used, elevation 10, azimuth 300"));
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
    EXPECT_EQ(CheckedDots() + " " + Find<QAction>("mnuDot_0")->text(), "mnuDot_7 &No Track Dots");
    EXPECT_EQ(store.Get("SatPos", "DotSize", ""), "7");
    Plot({{1, 2, 60, 90, true}});
    const auto black = [&](int dx, int dy) { return Black(SkyPixel(60, 90) + QPoint(dx, dy)); };
    EXPECT_EQ(std::tuple(black(3, 0), black(-3, 0), black(0, 3), black(0, -3), black(4, 0), black(3, 3)),
              std::tuple(true, true, true, true, false, false)); // a round dot 7 pixels wide

    Find<QAction>("mnuDot_0")->trigger();
    Plot({{1, 2, 20, 180, true}});
    EXPECT_EQ(std::pair(Shown(), Black(SkyPixel(20, 180), 3)), std::pair(QString("lblSatTracked_2"), false));
}

TEST_F(SatPositionsTest, WideningClearsTheDotsButAResizeKeepingTheWidthKeepsThem)
{
    Plot({{1, 4, 40, 150, true}});
    const QPoint dot = SkyPixel(40, 150);
    settings.InputRunning = 0; // stopped, so the layouts below draw no new dots of their own
    const int width = window->width();
    ResizeTo(width, window->height() + 40);
    EXPECT_EQ(std::pair(window->width(), Black(dot)), std::pair(width, true));
    // Painting shows the kept picture, so the track survives being covered.
    QImage shown(Canvas()->size(), QImage::Format_RGB32);
    Canvas()->render(&shown, {}, {}, QWidget::DrawWindowBackground);
    EXPECT_EQ(shown.pixel(dot), Dot);

    ResizeTo(width + 40, window->height() + 40);
    EXPECT_EQ(std::pair(Canvas()->width(), Canvas()->Picture().pixel(dot)), std::pair(width + 40, Cyan.rgb()));
    EXPECT_TRUE(Black(QPoint(int(std::lround((1 + HorizonRingFactor) * Radius())), int(Radius())), 1));
}

TEST_F(SatPositionsTest, PoleMarkerFollowsLatitudeAndHemisphere)
{
    // Where the marker's centre may lie, in radii from the top.
    const struct { const char* hemisphere; float latitude; bool north; double low, high; } fixes[] = {
        {"N", 0, true, -0.1, 0.1}, {"N", 90, true, 0.9, 1.0}, {"S", 30, false, 1.6, 2.0},
        // Back north to a place the hidden marker still holds, then no hemisphere: the marker stays.
        {"N", 90, true, 0.9, 1.0}, {" ", 10, true, 0.9, 1.0},
    };
    for (const auto& fix : fixes) {
        std::tie(gps.LatDir, gps.Latitude) = std::tuple(fix.hemisphere, fix.latitude);
        Plot({});
        const QPointF centre = QRectF(Find(fix.north ? "lblNorth" : "lblSouth")->geometry()).center() / Radius();
        const bool placed = std::abs(centre.x() - 1) < 0.01 && centre.y() >= fix.low && centre.y() < fix.high;
        EXPECT_EQ(std::tuple(Find("lblNorth")->isVisible(), Find("lblSouth")->isVisible(), placed),
                  std::tuple(fix.north, !fix.north, true)) << fix.hemisphere << fix.latitude << " at " << centre.y();
    }
}

TEST_F(SatPositionsTest, StaysSquareAndTheCircularToggleShapesTheWindowAndPullsItOnScreen)
{
    EXPECT_EQ(window->windowTitle(), "Satellite Positions");
    EXPECT_EQ(Canvas()->size(), QSize(247, 247)); // 3708 twips
    ResizeTo(320, 600);
    EXPECT_EQ(std::tuple(Canvas()->width(), Canvas()->height(), window->height() - Canvas()->y()),
              std::tuple(320, 320, 320));
    EXPECT_EQ(store.Get("SatPos", "Width", ""), "4800");

    // The "Circular" entry and whether the bottom-left corner belongs to the window.
    auto outline = [this] { return std::pair(store.Get("Showing", "Circular", ""),
                                             window->mask().contains(QPoint(1, window->height() - 2))); };
    const QRect screen = window->screen()->geometry();
    window->move(-60, -40);
    Find<QAction>("mnuMakeCircular")->trigger();
    Settle();
    EXPECT_EQ(outline(), std::pair(std::string("-1"), false));
    EXPECT_TRUE(window->mask().contains(QPoint(window->width() / 2, Canvas()->y() + window->width() / 2)));
    EXPECT_EQ(window->frameGeometry().topLeft(), screen.topLeft());

    // A double click on a satellite label does nothing, one on the background toggles back.
    Plot({{1, 3, 60, 0, false}});
    QTest::mouseDClick(Find("lblSatNotTracked_3"), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, QPoint(Canvas()->width() / 2 + 20, Canvas()->height() / 2));
    EXPECT_EQ(outline(), std::pair(std::string("0"), true));

    window->move(screen.right() - 50, screen.bottom() - 50);
    Find<QAction>("mnuMakeCircular")->trigger();
    Settle();
    EXPECT_EQ(window->frameGeometry().bottomRight(), screen.bottomRight());
    delete window.data();
    Open();
    EXPECT_EQ(std::pair(outline(), Canvas()->width()), std::pair(std::pair(std::string("-1"), false), 320)); // restored
}

TEST_F(SatPositionsTest, SatellitesBeyondPrn32GetLabelsMadeOnDemand)
{
    Plot({{1, 40, 30, 100, true}, {2, 193, 20, 250, false}, {3, 0, 60, 45, true}, {4, -3, 45, 135, true},
          {5, 32, 70, 10, true}});
    EXPECT_EQ(Shown(), "lblSatNotTracked_193 lblSatTracked_32 lblSatTracked_40");
    EXPECT_EQ(std::tuple(Find("lblSatTracked_40")->text(), Fill("lblSatTracked_40"), Find("lblSatNotTracked_193")->text()),
              std::tuple(QString("40"), Cyan, QString("193")));
    EXPECT_GE(Find("lblSatNotTracked_193")->width(), Find("lblSatNotTracked_193")->fontMetrics().horizontalAdvance("193"));
    EXPECT_EQ(std::pair(Black(SkyPixel(30, 100)), Black(SkyPixel(60, 45), 2)), std::pair(true, false)); // no dots for empty slots

    // Gone from view: its label goes too, and is reused when it returns.
    Plot({{1, 0, 0, 0, false}});
    EXPECT_EQ(Shown(), "lblSatNotTracked_193 lblSatTracked_32");
    Plot({{1, 40, 31, 101, true}});
    EXPECT_TRUE(Find("lblSatTracked_40")->isVisible() && window->findChildren<QLabel*>("lblSatTracked_40").size() == 1);
}

} // namespace
} // namespace trakora
