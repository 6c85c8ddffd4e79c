#include "common/LoadProgramSettings.h"
#include "common/ProgramContext.h"
#include "common/SkyPlotGeometry.h"
#include "views/SkyPlotCanvas.h"
#include "views/frmSatPositions.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace trakora {
namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb Cyan = qRgb(192, 255, 255);

class SatPositionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.InputRunning = FlagSet;
        gps->SatViewComplete = true;
    }

    void TearDown() override
    {
        delete window.data();
    }

    frmSatPositions* Open()
    {
        window = new frmSatPositions(context);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.data()));
        Settle();
        return window.data();
    }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    void SetSat(int slot, int prn, int elevation, int azimuth, bool used)
    {
        gps->SatPRN[slot - 1] = prn;
        gps->SatElevation[slot - 1] = elevation;
        gps->SatAzimuth[slot - 1] = azimuth;
        gps->SatUsed[slot - 1] = used;
    }

    QLabel* Label(const QString& name) const
    {
        auto* label = window->findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name.toStdString();
        return label;
    }

    QAction* Action(const QString& name) const
    {
        auto* action = window->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name.toStdString();
        return action;
    }

    SkyPlotCanvas* Canvas() const { return window->findChild<SkyPlotCanvas*>(); }
    double Radius() const { return std::lround(Canvas()->width() / 2.0); }

    QPoint SkyPixel(int elevation, int azimuth) const
    {
        const SkyPoint p = SkyPosition(Radius(), elevation, azimuth);
        return QPoint(int(std::lround(p.X)), int(std::lround(p.Y)));
    }

    QPointF LabelCentre(const QLabel* label) const
    {
        return QPointF(label->x() + label->width() / 2.0, label->y() + label->height() / 2.0);
    }

    bool BlackNear(QPoint at, int reach = 1) const
    {
        const QImage& picture = Canvas()->Picture();
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (picture.valid(at.x() + dx, at.y() + dy) && picture.pixel(at.x() + dx, at.y() + dy) == Black)
                    return true;
        return false;
    }

    QRgb PixelAt(QPoint at) const { return Canvas()->Picture().pixel(at); }

    int VisibleSatLabels() const
    {
        int count = 0;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->objectName().startsWith("lblSat") && !label->isHidden())
                ++count;
        }
        return count;
    }

    void ResizeTo(int width, int height)
    {
        window->resize(width, height);
        Settle();
    }

    std::unique_ptr<GpsState> gps = std::make_unique<GpsState>();
    ProgramSettings settings;
    MemorySettingsStore store;
    ProgramContext context{*gps, settings, store};
    QPointer<frmSatPositions> window;
};

TEST_F(SatPositionsTest, LoadMarksOpenAndAppliesStoredWidthAndPlace)
{
    store.Save("SatPos", "Width", "4500");
    store.Save("SatPos", "Left", "30000");
    store.Save("SatPos", "Top", "150");
    Open();
    EXPECT_EQ(store.Get("Showing", "SatPos", ""), "-1");
    EXPECT_EQ(settings.ShowingSatPos, FlagSet);
    EXPECT_EQ(window->windowTitle(), "Satellite Positions");
    EXPECT_EQ(window->width(), 300);
    EXPECT_EQ(window->pos(), QPoint(0, 10));
    EXPECT_EQ(Canvas()->size(), QSize(300, 300));
    auto* menuBar = window->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    EXPECT_EQ(window->height(), menuBar->height() + 300);
    EXPECT_EQ(Canvas()->y(), menuBar->height());
}

TEST_F(SatPositionsTest, DefaultWidthAndTheWindowStaysSquareOnResize)
{
    Open();
    EXPECT_EQ(window->width(), 247); // 3708 twips at 96 dpi
    ResizeTo(320, 600);
    EXPECT_EQ(Canvas()->size(), QSize(320, 320));
    EXPECT_EQ(window->height() - Canvas()->y(), 320);
    EXPECT_EQ(store.Get("SatPos", "Width", ""), "4800");
}

TEST_F(SatPositionsTest, UsedAndUnusedSatellitesGetTheirOwnLabelsAndOnlyUsedOnesLeaveDots)
{
    Open();
    SetSat(1, 5, 40, 120, true);
    SetSat(2, 12, 10, 300, false);
    window->TimerPop();

    QLabel* used = Label("lblSatTracked_5");
    QLabel* unused = Label("lblSatNotTracked_12");
    EXPECT_FALSE(used->isHidden());
    EXPECT_TRUE(Label("lblSatNotTracked_5")->isHidden());
    EXPECT_FALSE(unused->isHidden());
    EXPECT_TRUE(Label("lblSatTracked_12")->isHidden());
    EXPECT_EQ(VisibleSatLabels(), 2);
    EXPECT_EQ(used->text(), "05");
    EXPECT_EQ(used->palette().color(QPalette::Window), QColor(192, 255, 255));
    EXPECT_EQ(unused->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(unused->palette().color(QPalette::WindowText), QColor(Qt::white));

    const SkyPoint p5 = SkyPosition(Radius(), 40, 120);
    EXPECT_NEAR(LabelCentre(used).x(), p5.X, 1.0);
    EXPECT_NEAR(LabelCentre(used).y(), p5.Y, 1.0);
    const SkyPoint p12 = SkyPosition(Radius(), 10, 300);
    EXPECT_NEAR(LabelCentre(unused).x(), p12.X, 1.0);
    EXPECT_NEAR(LabelCentre(unused).y(), p12.Y, 1.0);

    EXPECT_EQ(PixelAt(SkyPixel(40, 120)), Black);
    EXPECT_FALSE(BlackNear(SkyPixel(10, 300), 2));

    // Once used, the cyan label replaces the grey one and dots start.
    gps->SatUsed[1] = true;
    window->TimerPop();
    EXPECT_FALSE(Label("lblSatTracked_12")->isHidden());
    EXPECT_TRUE(unused->isHidden());
    EXPECT_EQ(PixelAt(SkyPixel(10, 300)), Black);
    EXPECT_EQ(VisibleSatLabels(), 2);

    const QString description = Canvas()->accessibleDescription();
    EXPECT_EQ(Canvas()->accessibleName(), "Sky plot");
    EXPECT_TRUE(description.contains("PRN 5 used, elevation 40, azimuth 120")) << description.toStdString();
    EXPECT_TRUE(description.contains("PRN 12 used, elevation 10, azimuth 300")) << description.toStdString();
}

TEST_F(SatPositionsTest, MovingSatelliteLeavesATrackAndItsLabelFollows)
{
    Open();
    SetSat(3, 7, 30, 45, true);
    window->TimerPop();
    const QPoint first = SkyPixel(30, 45);
    SetSat(3, 7, 35, 60, true);
    window->TimerPop();
    EXPECT_EQ(PixelAt(first), Black);
    EXPECT_EQ(PixelAt(SkyPixel(35, 60)), Black);
    const SkyPoint now = SkyPosition(Radius(), 35, 60);
    EXPECT_NEAR(LabelCentre(Label("lblSatTracked_7")).x(), now.X, 1.0);
}

TEST_F(SatPositionsTest, NoTrackDotsDrawsNothing)
{
    Open();
    Action("mnuDot_0")->trigger();
    EXPECT_EQ(store.Get("SatPos", "DotSize", ""), "0");
    SetSat(1, 9, 50, 200, true);
    window->TimerPop();
    EXPECT_FALSE(Label("lblSatTracked_9")->isHidden());
    EXPECT_FALSE(BlackNear(SkyPixel(50, 200), 3));
}

TEST_F(SatPositionsTest, ChoosingADotSizeLeavesOneEntryCheckedAndSetsTheDotWidth)
{
    Open();
    EXPECT_TRUE(Action("mnuDot_3")->isChecked());
    Action("mnuDot_7")->trigger();
    int checked = 0;
    for (int i = 0; i <= 20; ++i)
        checked += Action(QString("mnuDot_%1").arg(i))->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(Action("mnuDot_7")->isChecked());
    EXPECT_EQ(store.Get("SatPos", "DotSize", ""), "7");
    EXPECT_EQ(Action("mnuDot_7")->text(), "&7");
    EXPECT_EQ(Action("mnuDot_15")->text(), "1&5");
    EXPECT_EQ(Action("mnuDot_0")->text(), "&No Track Dots");

    SetSat(1, 2, 60, 90, true);
    window->TimerPop();
    const QPoint wide = SkyPixel(60, 90);
    for (QPoint offset : {QPoint(3, 0), QPoint(-3, 0), QPoint(0, 3), QPoint(0, -3)})
        EXPECT_EQ(PixelAt(wide + offset), Black) << offset.x() << "," << offset.y();
    EXPECT_NE(PixelAt(wide + QPoint(4, 0)), Black);
    EXPECT_NE(PixelAt(wide + QPoint(3, 3)), Black);

    Action("mnuDot_1")->trigger();
    SetSat(1, 2, 20, 180, true);
    window->TimerPop();
    const QPoint thin = SkyPixel(20, 180);
    EXPECT_EQ(PixelAt(thin), Black);
    EXPECT_NE(PixelAt(thin + QPoint(2, 0)), Black);
}

TEST_F(SatPositionsTest, StoredDotSizeOutsideTheMenuReadsAsThree)
{
    store.Save("SatPos", "DotSize", "99");
    Open();
    EXPECT_TRUE(Action("mnuDot_3")->isChecked());
    delete window.data();

    store.Save("SatPos", "DotSize", "-4");
    Open();
    EXPECT_TRUE(Action("mnuDot_3")->isChecked());
    delete window.data();

    store.Save("SatPos", "DotSize", "20");
    Open();
    EXPECT_TRUE(Action("mnuDot_20")->isChecked());
    EXPECT_FALSE(Action("mnuDot_3")->isChecked());
}

TEST_F(SatPositionsTest, WideningClearsTheDotsButAResizeKeepingTheWidthKeepsThem)
{
    Open();
    SetSat(1, 4, 40, 150, true);
    window->TimerPop();
    const QPoint dot = SkyPixel(40, 150);
    ASSERT_EQ(PixelAt(dot), Black);

    // Stopped, so the layouts below draw no new dots of their own.
    settings.InputRunning = 0;
    const int width = window->width();
    ResizeTo(width, window->height() + 40);
    EXPECT_EQ(window->width(), width);
    EXPECT_EQ(PixelAt(dot), Black);

    ResizeTo(width + 40, window->height() + 40);
    EXPECT_EQ(Canvas()->width(), width + 40);
    EXPECT_EQ(PixelAt(dot), Cyan);
    const int r = int(Radius());
    EXPECT_TRUE(BlackNear(QPoint(int(std::lround(r + HorizonRingFactor * r)), r)));
    EXPECT_TRUE(BlackNear(QPoint(r, int(std::lround(r - InnerRingFactor * r)))));
    EXPECT_FALSE(BlackNear(QPoint(r + r / 4, r + r / 4), 2));
    // The label stays, re-placed at the new scale.
    QLabel* label = Label("lblSatTracked_4");
    EXPECT_FALSE(label->isHidden());
    EXPECT_NEAR(LabelCentre(label).x(), SkyPosition(r, 40, 150).X, 1.0);
}

TEST_F(SatPositionsTest, ObserverMarkSitsAtTheCentre)
{
    Open();
    auto* me = window->findChild<QWidget*>("shpMe");
    ASSERT_NE(me, nullptr);
    EXPECT_FALSE(me->isHidden());
    EXPECT_NEAR(me->geometry().center().x(), Radius(), 1.0);
    EXPECT_NEAR(me->geometry().center().y(), Radius(), 1.0);
    EXPECT_EQ(me->width(), 3); // 40 twips: a fiftieth of this radius is smaller
}

TEST_F(SatPositionsTest, PoleMarkerFollowsLatitudeAndHemisphere)
{
    Open();
    QLabel* north = Label("lblNorth");
    QLabel* south = Label("lblSouth");
    EXPECT_TRUE(north->isHidden());
    EXPECT_TRUE(south->isHidden());
    const double r = Radius();

    gps->LatDir = "N";
    gps->Latitude = 0;
    window->TimerPop();
    EXPECT_FALSE(north->isHidden());
    EXPECT_EQ(north->text(), "N");
    EXPECT_NEAR(LabelCentre(north).y(), 0, north->height() * 0.6);
    EXPECT_NEAR(LabelCentre(north).x(), r, 1.0);

    gps->Latitude = 90;
    window->TimerPop();
    EXPECT_NEAR(LabelCentre(north).y(), r, 0.1 * r);
    EXPECT_LT(LabelCentre(north).y(), r);

    gps->LatDir = "S";
    gps->Latitude = 30;
    window->TimerPop();
    EXPECT_FALSE(south->isHidden());
    EXPECT_TRUE(north->isHidden());
    EXPECT_GT(LabelCentre(south).y(), 1.6 * r);

    // Back north at a latitude whose place the hidden marker still holds.
    gps->LatDir = "N";
    gps->Latitude = 90;
    window->TimerPop();
    EXPECT_FALSE(north->isHidden());
    EXPECT_TRUE(south->isHidden());

    // No hemisphere reported: the marker stays as it was.
    gps->LatDir = " ";
    gps->Latitude = 10;
    window->TimerPop();
    EXPECT_FALSE(north->isHidden());
    EXPECT_NEAR(LabelCentre(north).y(), r, 0.1 * r);
}

TEST_F(SatPositionsTest, CircularToggleWritesTheFlagAndShapesTheWindow)
{
    Open();
    EXPECT_EQ(store.Get("Showing", "Circular", ""), "0");
    const QPoint corner(1, window->height() - 2);
    EXPECT_TRUE(window->mask().contains(corner));

    Action("mnuMakeCircular")->trigger();
    Settle();
    EXPECT_EQ(store.Get("Showing", "Circular", ""), "-1");
    EXPECT_FALSE(window->mask().contains(QPoint(1, window->height() - 2)));
    EXPECT_FALSE(window->mask().contains(QPoint(window->width() - 2, Canvas()->y() + 1)));
    EXPECT_TRUE(window->mask().contains(QPoint(window->width() / 2, Canvas()->y() + window->width() / 2)));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));

    // Double click on the background toggles back.
    QTest::mouseDClick(Canvas(), Qt::LeftButton, {}, QPoint(Canvas()->width() / 2 + 20, Canvas()->height() / 2));
    Settle();
    EXPECT_EQ(store.Get("Showing", "Circular", ""), "0");
    EXPECT_TRUE(window->mask().contains(QPoint(1, window->height() - 2)));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));

    // ...but not on a satellite label.
    SetSat(1, 3, 60, 0, false);
    window->TimerPop();
    QLabel* label = Label("lblSatNotTracked_3");
    QTest::mouseDClick(label, Qt::LeftButton, {}, label->rect().center());
    Settle();
    EXPECT_EQ(store.Get("Showing", "Circular", ""), "0");

    // A layout keeps the outline.
    Action("mnuMakeCircular")->trigger();
    ResizeTo(window->width() + 30, window->height() + 30);
    EXPECT_FALSE(window->mask().contains(QPoint(1, window->height() - 2)));
    EXPECT_EQ(store.Get("Showing", "Circular", ""), "-1");
}

TEST_F(SatPositionsTest, StoredCircularOutlineIsRestoredAtLoad)
{
    store.Save("Showing", "Circular", "-1");
    Open();
    EXPECT_FALSE(window->mask().contains(QPoint(1, window->height() - 2)));
    EXPECT_TRUE(window->mask().contains(QPoint(window->width() / 2, window->height() / 2)));
}

TEST_F(SatPositionsTest, TogglingPullsTheWindowBackOntoTheScreen)
{
    Open();
    const QRect screen = window->screen()->geometry();
    window->move(-60, -40);
    Settle();
    Action("mnuMakeCircular")->trigger();
    Settle();
    EXPECT_EQ(window->frameGeometry().topLeft(), screen.topLeft());

    window->move(screen.right() - 50, screen.bottom() - 50);
    Settle();
    Action("mnuMakeCircular")->trigger();
    Settle();
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.right(), screen.right());
    EXPECT_EQ(frame.bottom(), screen.bottom());
}

TEST_F(SatPositionsTest, SatellitesBeyondPrn32GetLabelsMadeOnDemand)
{
    Open();
    SetSat(1, 40, 30, 100, true);
    SetSat(2, 193, 20, 250, false);
    SetSat(3, 0, 60, 45, true);
    SetSat(4, -3, 45, 135, true);
    SetSat(5, 32, 70, 10, true);
    window->TimerPop();
    QLabel* glonass = Label("lblSatTracked_40");
    QLabel* qzss = Label("lblSatNotTracked_193");
    ASSERT_NE(glonass, nullptr);
    ASSERT_NE(qzss, nullptr);
    EXPECT_EQ(glonass->text(), "40");
    EXPECT_EQ(qzss->text(), "193");
    EXPECT_FALSE(glonass->isHidden());
    EXPECT_FALSE(qzss->isHidden());
    EXPECT_GE(qzss->width(), qzss->fontMetrics().horizontalAdvance("193"));
    EXPECT_EQ(glonass->palette().color(QPalette::Window), QColor(192, 255, 255));
    EXPECT_EQ(qzss->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_FALSE(Label("lblSatTracked_32")->isHidden());
    EXPECT_EQ(VisibleSatLabels(), 3);
    EXPECT_EQ(PixelAt(SkyPixel(30, 100)), Black);
    // Empty slots leave no dots.
    EXPECT_FALSE(BlackNear(SkyPixel(60, 45), 2));

    // Gone from view: its label goes too, and is reused when it returns.
    SetSat(1, 0, 0, 0, false);
    window->TimerPop();
    EXPECT_TRUE(glonass->isHidden());
    SetSat(1, 40, 31, 101, true);
    window->TimerPop();
    EXPECT_EQ(window->findChildren<QLabel*>("lblSatTracked_40").size(), 1);
    EXPECT_FALSE(glonass->isHidden());
}

TEST_F(SatPositionsTest, TimerPopWaitsForACompleteGroupAndRunningInput)
{
    Open();
    SetSat(1, 6, 40, 40, true);
    gps->SatViewComplete = false;
    window->TimerPop();
    EXPECT_EQ(VisibleSatLabels(), 0);
    EXPECT_FALSE(BlackNear(SkyPixel(40, 40), 2));

    gps->SatViewComplete = true;
    settings.InputRunning = 0;
    window->TimerPop();
    EXPECT_EQ(VisibleSatLabels(), 0);
    EXPECT_FALSE(BlackNear(SkyPixel(40, 40), 2));

    settings.InputRunning = FlagSet;
    window->TimerPop();
    EXPECT_EQ(VisibleSatLabels(), 1);
    EXPECT_EQ(PixelAt(SkyPixel(40, 40)), Black);
}

TEST_F(SatPositionsTest, DrawingSurvivesRepaints)
{
    Open();
    SetSat(1, 8, 55, 330, true);
    window->TimerPop();
    Settle();
    // Remove the label so the grabbed window shows the dot under it.
    SetSat(1, 8, 20, 100, false);
    window->TimerPop();
    Canvas()->repaint();
    const QImage shown = Canvas()->grab().toImage();
    EXPECT_EQ(shown.pixel(SkyPixel(55, 330)), Black);
}

TEST_F(SatPositionsTest, ShowingEntryIsKeptOnlyWhenTheProgramCloses)
{
    Open();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(store.Get("Showing", "SatPos", ""), "0");
    EXPECT_EQ(settings.ShowingSatPos, 0);

    Open();
    settings.AppClosing = FlagSet;
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(store.Get("Showing", "SatPos", ""), "-1");
    EXPECT_EQ(settings.ShowingSatPos, FlagSet);
    EXPECT_FALSE(store.Get("SatPos", "Left", "").empty());
}

} // namespace
} // namespace trakora

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
