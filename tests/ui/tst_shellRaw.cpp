// The raw NMEA window: its list limit and trimming, scroll modes, persisted
// choices, placement and layout.
#include "app/frmNMEA_Raw.h"
#include "common/WindowRoutines.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace trakora;

namespace {

class RawWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<frmNMEA_Raw> Open()
    {
        auto window = std::make_unique<frmNMEA_Raw>(context);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return window;
    }

    static void AddLines(frmNMEA_Raw& window, int n, int first = 0)
    {
        for (int i = 0; i < n; ++i)
            window.AddRawLine("$GPGGA,line," + std::to_string(first + i));
    }

    static QString Line(const frmNMEA_Raw& window, int row)
    {
        return window.Lines().data(window.Lines().index(row)).toString();
    }

    std::unique_ptr<GpsState> gps = std::make_unique<GpsState>();
    ProgramSettings settings;
    MemorySettingsStore store;
    ProgramContext context{*gps, settings, store};
};

TEST_F(RawWindowTest, LimitFiveHundredSwingsBetween427And501)
{
    store.Save("NMEA_Raw", "MaxNMEA", "500");
    auto window = Open();
    ASSERT_EQ(window->Limit(), 500);

    AddLines(*window, 501);
    EXPECT_EQ(window->LineCount(), 501) << "the list grows to limit + 1 before it is cut";
    AddLines(*window, 1, 501);
    EXPECT_EQ(window->LineCount(), 427) << "501 x 0.15 = 75 removed, then one appended";
    EXPECT_EQ(Line(*window, 0), "$GPGGA,line,75") << "the oldest lines go";
    EXPECT_EQ(Line(*window, 426), "$GPGGA,line,501");

    AddLines(*window, 74, 502);
    EXPECT_EQ(window->LineCount(), 501);
    AddLines(*window, 1, 576);
    EXPECT_EQ(window->LineCount(), 427);
}

TEST_F(RawWindowTest, LargeListsLoseTwoHundredLinesAtATime)
{
    settings.RawAutoScroll = FlagClear;
    auto window = Open();
    ASSERT_EQ(window->Limit(), 6000) << "the default limit";
    AddLines(*window, 6001);
    AddLines(*window, 1, 6001);
    EXPECT_EQ(window->LineCount(), 6001 - 200 + 1) << "15 % would be 900, so 200 go";
    EXPECT_EQ(Line(*window, 0), "$GPGGA,line,200");
}

TEST_F(RawWindowTest, TrimmingRoundsHalvesToEven)
{
    // 570 x 0.15 = 85.5 -> 86 (even); 550 x 0.15 = 82.5 -> 82 (even).
    auto window = Open();
    window->findChild<QComboBox*>("cboMaxNMEA")->setEditText("569");
    AddLines(*window, 570);
    AddLines(*window, 1);
    EXPECT_EQ(window->LineCount(), 570 - 86 + 1);

    auto second = Open();
    second->findChild<QComboBox*>("cboMaxNMEA")->setEditText("549");
    AddLines(*second, 550);
    AddLines(*second, 1);
    EXPECT_EQ(second->LineCount(), 550 - 82 + 1);
}

TEST_F(RawWindowTest, TypedLimitAppliesAtOnceButOnlyChosenItemsAreStored)
{
    auto window = Open();
    auto* combo = window->findChild<QComboBox*>("cboMaxNMEA");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 18);
    EXPECT_EQ(combo->itemText(0), "500");
    EXPECT_EQ(combo->itemText(17), "32000");
    EXPECT_TRUE(combo->isEditable());

    combo->setEditText("100");
    EXPECT_EQ(window->Limit(), 100);
    AddLines(*window, 102);
    EXPECT_EQ(window->LineCount(), 101 - 15 + 1);
    EXPECT_FALSE(store.Contains("NMEA_Raw", "MaxNMEA")) << "typed text holds for this run only";

    combo->setEditText("lots");
    EXPECT_EQ(window->Limit(), 100) << "text that is not a number keeps the last limit";

    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(store.Get("NMEA_Raw", "MaxNMEA", ""), "2000");
    EXPECT_EQ(window->Limit(), 2000);
}

TEST_F(RawWindowTest, StoredLimitIsSelectedAndADamagedOneFallsBackToTheDefault)
{
    store.Save("NMEA_Raw", "MaxNMEA", "24000");
    auto window = Open();
    EXPECT_EQ(window->findChild<QComboBox*>("cboMaxNMEA")->currentText(), "24000");
    EXPECT_EQ(window->Limit(), 24000);

    store.Save("NMEA_Raw", "MaxNMEA", "banana");
    auto damaged = Open();
    EXPECT_EQ(damaged->findChild<QComboBox*>("cboMaxNMEA")->currentText(), "6000");
}

TEST_F(RawWindowTest, FixedModeKeepsTheViewAndScrollModeFollowsTheNewestLine)
{
    settings.RawAutoScroll = FlagClear;
    auto window = Open();
    auto* list = window->findChild<QListView*>("txtNMEA");
    EXPECT_TRUE(window->findChild<QRadioButton*>("optFixed")->isChecked());
    EXPECT_EQ(store.Get("NMEA_Raw", "Scroll", ""), "0") << "loading stores the mode again";

    AddLines(*window, 200);
    QApplication::processEvents();
    EXPECT_NE(list->currentIndex().row(), 199) << "the newest line is not selected";
    EXPECT_EQ(list->verticalScrollBar()->value(), 0) << "new lines do not move the view";

    auto* scroll = window->findChild<QRadioButton*>("optAutoScroll");
    scroll->click();
    EXPECT_EQ(settings.RawAutoScroll, FlagSet);
    EXPECT_EQ(store.Get("NMEA_Raw", "Scroll", ""), "-1");
    AddLines(*window, 1, 200);
    QApplication::processEvents();
    EXPECT_EQ(list->currentIndex().row(), 200) << "the newest line is selected";
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());

    window->findChild<QRadioButton*>("optFixed")->click();
    EXPECT_EQ(settings.RawAutoScroll, FlagClear);
    EXPECT_EQ(store.Get("NMEA_Raw", "Scroll", ""), "0");
}

TEST_F(RawWindowTest, ControlsCarryTheirCaptions)
{
    auto window = Open();
    EXPECT_EQ(window->windowTitle(), "NMEA Input from GPS");
    EXPECT_EQ(window->findChild<QRadioButton*>("optAutoScroll")->text(), "&Scroll window");
    EXPECT_EQ(window->findChild<QRadioButton*>("optFixed")->text(), "&Don't scroll until necessary");
    EXPECT_EQ(window->findChild<QLabel*>("lblKeep")->text(), "Show &Last");
}

TEST_F(RawWindowTest, OpeningMarksItShowingAndClosingByTheUserClearsIt)
{
    auto window = Open();
    EXPECT_EQ(store.Get("Showing", "NMEA_Raw", ""), "-1");
    EXPECT_EQ(settings.ShowingNMEARaw, FlagSet);
    window->close();
    EXPECT_EQ(store.Get("Showing", "NMEA_Raw", ""), "0");
    EXPECT_EQ(settings.ShowingNMEARaw, FlagClear);

    auto again = Open();
    settings.AppClosing = FlagSet;
    again->close();
    EXPECT_EQ(store.Get("Showing", "NMEA_Raw", ""), "-1") << "closed by the program: reopens next time";
}

TEST_F(RawWindowTest, PlacementRoundTripAndScreenBounds)
{
    auto window = Open();
    EXPECT_EQ(window->size(), QSize(TwipsToPixelsX(7000), TwipsToPixelsY(5000))) << "default size";
    window->move(150, 120);
    window->resize(400, 300);
    window->close();
    EXPECT_EQ(store.Get("NMEA_Raw", "Left", ""), "2250");
    EXPECT_EQ(store.Get("NMEA_Raw", "Top", ""), "1800");
    EXPECT_EQ(store.Get("NMEA_Raw", "Width", ""), "6000");
    EXPECT_EQ(store.Get("NMEA_Raw", "Height", ""), "4500");

    auto again = Open();
    EXPECT_EQ(again->pos(), QPoint(150, 120));
    EXPECT_EQ(again->size(), QSize(400, 300));
    settings.AppClosing = FlagSet;
    again->close();

    store.Save("NMEA_Raw", "Left", std::to_string(ScreenWidthTwips() + 15));
    store.Save("NMEA_Raw", "Top", "-300");
    auto offScreen = Open();
    EXPECT_EQ(offScreen->pos(), QPoint(0, -20)) << "beyond the screen width: 0; negative values are kept";
}

TEST_F(RawWindowTest, LayoutFollowsTheWindowAndKeepsAMinimumHeight)
{
    auto window = Open();
    window->resize(500, 40);
    QApplication::processEvents();
    EXPECT_EQ(window->height(), TwipsToPixelsY(1215));

    window->resize(520, 360);
    QApplication::processEvents();
    auto* list = window->findChild<QListView*>("txtNMEA");
    auto* scroll = window->findChild<QRadioButton*>("optAutoScroll");
    auto* fixed = window->findChild<QRadioButton*>("optFixed");
    auto* label = window->findChild<QLabel*>("lblKeep");
    auto* combo = window->findChild<QComboBox*>("cboMaxNMEA");
    EXPECT_EQ(list->geometry(), QRect(0, 0, 520, 360 - scroll->height() - TwipsToPixelsY(100)));
    EXPECT_EQ(scroll->x(), 0);
    EXPECT_EQ(scroll->y(), 360 - scroll->height() - TwipsToPixelsY(30));
    EXPECT_EQ(fixed->x(), scroll->width());
    EXPECT_EQ(fixed->y(), scroll->y());
    EXPECT_EQ(label->x(), fixed->x() + fixed->width() + TwipsToPixelsX(30));
    EXPECT_EQ(combo->x(), label->x() + label->width() + TwipsToPixelsX(20));
    EXPECT_EQ(combo->y(), 360 - scroll->height() - TwipsToPixelsY(70));
    EXPECT_EQ(store.Get("NMEA_Raw", "Width", ""), "7800") << "a resize saves the placement";
}

TEST_F(RawWindowTest, DraggingTheListMovesTheWindow)
{
    auto window = Open();
    window->move(100, 100);
    auto* viewport = window->findChild<QListView*>("txtNMEA")->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), viewport->mapToGlobal(QPointF(40, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(window->pos(), QPoint(130, 120));
}

} // namespace
