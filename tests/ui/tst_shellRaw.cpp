// The raw NMEA window: its list limit and trimming, scroll modes, persisted
// choices, placement and drag-move.
#include "app/frmNMEA_Raw.h"
#include "common/WindowRoutines.h"

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

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
    static QString Line(const frmNMEA_Raw& w, int row) { return w.Lines().data(w.Lines().index(row)).toString(); }
    static QComboBox* Combo(const frmNMEA_Raw& window) { return window.findChild<QComboBox*>("cboMaxNMEA"); }

    std::unique_ptr<GpsState> gps = std::make_unique<GpsState>();
    ProgramSettings settings;
    MemorySettingsStore store;
    ProgramContext context{*gps, settings, store};
};

TEST_F(RawWindowTest, TrimmingCutsFifteenPercentButAtMostTwoHundredOldestLines)
{
    const struct { const char* limit; int add, count, firstKept; } cases[] = {
        {"500", 501, 501, 0},      // the list grows to limit + 1 before it is cut
        {"500", 502, 427, 75},     // 501 x 0.15 = 75 go, then one is added
        {"500", 577, 427, 150},    // and so it swings between 427 and 501
        {"6000", 6002, 5802, 200}, // 15 % would be 900, so 200 go
        {"569", 571, 485, 86},     // 570 x 0.15 = 85.5 rounds to even 86
        {"549", 551, 469, 82},     // 550 x 0.15 = 82.5 rounds to even 82
    };
    for (const auto& c : cases) {
        auto window = Open();
        Combo(*window)->setEditText(c.limit);
        for (int i = 0; i < c.add; ++i)
            window->AddRawLine("$GPGGA,line," + std::to_string(i));
        EXPECT_EQ(window->LineCount(), c.count) << c.limit << " + " << c.add;
        EXPECT_EQ(Line(*window, 0), QString("$GPGGA,line,%1").arg(c.firstKept)) << c.limit << " + " << c.add;
    }
}

TEST_F(RawWindowTest, StoredChoicesAreUsedAndTypedLimitsHoldForThisRunOnly)
{
    store.Save("NMEA_Raw", "MaxNMEA", "24000");
    settings.RawAutoScroll = FlagClear;
    auto window = Open();
    QComboBox* combo = Combo(*window);
    EXPECT_TRUE(combo->currentText() == "24000" && window->Limit() == 24000);
    combo->setEditText("100");
    EXPECT_EQ(window->Limit(), 100) << "typed text applies at once";
    combo->setEditText("lots");
    EXPECT_EQ(window->Limit(), 100) << "text that is not a number keeps the last limit";
    EXPECT_EQ(store.Get("NMEA_Raw", "MaxNMEA", ""), "24000") << "typed text is not stored";
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_TRUE(store.Get("NMEA_Raw", "MaxNMEA", "") == "2000" && window->Limit() == 2000) << "a choice is";

    // Fixed mode keeps the view; scroll mode follows the newest line.
    auto* scrollBar = window->findChild<QListView*>("txtNMEA")->verticalScrollBar();
    for (int i = 0; i < 200; ++i)
        window->AddRawLine("$GPGGA,fixed");
    QApplication::processEvents();
    EXPECT_EQ(scrollBar->value(), 0);
    window->findChild<QRadioButton*>("optAutoScroll")->click();
    EXPECT_TRUE(settings.RawAutoScroll == FlagSet && store.Get("NMEA_Raw", "Scroll", "") == "-1");
    window->AddRawLine("$GPGGA,newest");
    QApplication::processEvents();
    EXPECT_EQ(scrollBar->value(), scrollBar->maximum());

    store.Save("NMEA_Raw", "MaxNMEA", "banana");
    EXPECT_EQ(Combo(*Open())->currentText(), "6000") << "a damaged entry falls back to the default";
}

TEST_F(RawWindowTest, ShowingEntryPlacementRoundTripAndDragMove)
{
    auto window = Open();
    EXPECT_TRUE(settings.ShowingNMEARaw == FlagSet && store.Get("Showing", "NMEA_Raw", "") == "-1");
    window->resize(500, 40);
    EXPECT_EQ(window->height(), TwipsToPixelsY(1215)) << "a minimum height";
    EXPECT_EQ(store.Get("NMEA_Raw", "Width", ""), "7500") << "a resize saves the placement, in twips";
    window->move(150, 120);
    window->resize(400, 300);
    window->close(); // by the user
    EXPECT_TRUE(settings.ShowingNMEARaw == FlagClear && store.Get("Showing", "NMEA_Raw", "") == "0");

    auto again = Open();
    EXPECT_EQ(QRect(again->pos(), again->size()), QRect(150, 120, 400, 300));
    auto* viewport = again->findChild<QListView*>("txtNMEA")->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(viewport, QPoint(40, 30));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(again->pos(), QPoint(180, 140)) << "dragging the list moves the window";
    settings.AppClosing = FlagSet;
    again->close();
    EXPECT_EQ(store.Get("Showing", "NMEA_Raw", ""), "-1") << "closed by the program: reopens next time";

    store.Save("NMEA_Raw", "Left", std::to_string(ScreenWidthTwips() + 15));
    store.Save("NMEA_Raw", "Top", "-300");
    EXPECT_EQ(Open()->pos(), QPoint(0, -20)) << "beyond the screen width: 0; negative values are kept";
}

} // namespace
