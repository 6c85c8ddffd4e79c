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
        {"500", 577, 427, 150},    // 501 x 0.15 = 75 go, and so it swings between 427 and 501
        {"6000", 6002, 5802, 200}, // 15 % would be 900, so 200 go
        {"569", 571, 485, 86},     // 570 x 0.15 = 85.5 rounds to even 86
        {"549", 551, 469, 82},     // 550 x 0.15 = 82.5 rounds to even 82
    };
    // Shown line by line, or all at once as a fast replay shows them: the same lines stay.
    for (const auto& c : cases) {
        for (bool everyLine : {true, false}) {
            auto window = Open();
            Combo(*window)->setEditText(c.limit);
            for (int i = 0; i < c.add; ++i) {
                window->AddRawLine("$GPGGA,line," + std::to_string(i));
                if (everyLine)
                    window->Paint();
            }
            window->Paint();
            EXPECT_EQ(window->LineCount(), c.count) << c.limit << " + " << c.add << ", every line " << everyLine;
            EXPECT_EQ(window->Lines().index(0).data().toString(), QString("$GPGGA,line,%1").arg(c.firstKept))
                << c.limit << ", every line " << everyLine;
        }
    }
}

TEST_F(RawWindowTest, StoredChoicesAreUsedAndTypedLimitsHoldForThisRunOnly)
{
    store.Save("NMEA_Raw", "MaxNMEA", "24000"), settings.RawAutoScroll = FlagClear;
    auto window = Open();
    EXPECT_TRUE(Combo(*window)->currentText() == "24000" && window->Limit() == 24000);
    Combo(*window)->setEditText("100");
    Combo(*window)->setEditText("lots");
    // Typed text applies at once but is not stored (a choice is: see the main window's run-to-run test);
    // text that is not a number keeps the last limit.
    EXPECT_TRUE(window->Limit() == 100 && store.Get("NMEA_Raw", "MaxNMEA", "") == "24000");

    // Fixed mode keeps the view; scroll mode follows the newest line.
    auto* scrollBar = window->findChild<QListView*>("txtNMEA")->verticalScrollBar();
    for (int i = 0; i < 200; ++i)
        window->AddRawLine("$GPGGA,fixed");
    window->Paint();
    QApplication::processEvents();
    EXPECT_EQ(scrollBar->value(), 0);
    window->findChild<QRadioButton*>("optAutoScroll")->click(), window->AddRawLine("$GPGGA,newest");
    window->Paint();
    QApplication::processEvents();
    EXPECT_EQ(scrollBar->value(), scrollBar->maximum());

    store.Save("NMEA_Raw", "MaxNMEA", "banana");
    EXPECT_EQ(Combo(*Open())->currentText(), "6000") << "a damaged entry falls back to the default";
}

// The open-window protocol is the shared window routines', checked with the display windows.
TEST_F(RawWindowTest, SizeAndPlacementRoundTripScreenBoundsAndDragMove)
{
    auto window = Open();
    window->resize(500, 40);
    // A minimum height; a resize saves the placement, in twips.
    EXPECT_TRUE(window->height() == TwipsToPixelsY(1215) && store.Get("NMEA_Raw", "Width", "") == "7500");
    window->move(150, 120), window->resize(400, 300), window->close();

    auto again = Open();
    EXPECT_EQ(QRect(again->pos(), again->size()), QRect(150, 120, 400, 300));
    auto* viewport = again->findChild<QListView*>("txtNMEA")->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(viewport, QPoint(40, 30));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(again->pos(), QPoint(180, 140)) << "dragging the list moves the window";

    store.Save("NMEA_Raw", "Left", std::to_string(ScreenWidthTwips() + 15)), store.Save("NMEA_Raw", "Top", "-300");
    EXPECT_EQ(Open()->pos(), QPoint(0, 0)) << "beyond the screen width: 0; a negative value is brought onto the screen";
}

} // namespace
