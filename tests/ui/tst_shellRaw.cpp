// The raw NMEA window: its list limit and trimming, scroll modes, persisted
// choices, placement and drag-move; marks, pause, filter and copy.
#include "app/frmNMEA_Raw.h"
#include "common/WindowRoutines.h"
#include "nmea/SentenceDispatcher.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
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
    static QListView* List(const frmNMEA_Raw& window) { return window.findChild<QListView*>("txtNMEA"); }
    // A line as the dispatcher hands it over (the line, then its outcome), painted as the pump paints.
    static void Add(frmNMEA_Raw& window, const std::string& line, DispatchResult::Kind outcome = DispatchResult::Decoded)
    {
        window.AddRawLine(line), window.LineChecked(DispatchResult{outcome}), window.Paint();
    }
    static QStringList Shown(const frmNMEA_Raw& window) // as the list shows them
    {
        QStringList shown;
        for (int row = 0; row < List(window)->model()->rowCount(); ++row)
            shown << List(window)->model()->index(row, 0).data().toString();
        return shown;
    }

    std::unique_ptr<GpsState> gps = std::make_unique<GpsState>();
    ProgramSettings settings;
    MemorySettingsStore store;
    GnssState gnss;
    ProgramContext context{*gps, settings, store, gnss};
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
    auto* scrollBar = List(*window)->verticalScrollBar();
    for (int i = 0; i < 200; ++i)
        window->AddRawLine("$GPGGA,fixed");
    window->Paint(), QApplication::processEvents();
    EXPECT_EQ(scrollBar->value(), 0);
    window->findChild<QRadioButton*>("optAutoScroll")->click(), window->AddRawLine("$GPGGA,newest");
    window->Paint(), QApplication::processEvents();
    EXPECT_EQ(scrollBar->value(), scrollBar->maximum());

    store.Save("NMEA_Raw", "MaxNMEA", "banana");
    EXPECT_EQ(Combo(*Open())->currentText(), "6000") << "a damaged entry falls back to the default";
}

TEST_F(RawWindowTest, LongLinesScrollSidewaysAndAHighlightedOptionKeepsClearOfTheNextControl)
{
    auto window = Open();
    window->resize(300, 300);
    const QString longest = "$GPGSV,3,1,12" + QString(",01,40,083,46").repeated(12) + "*7F";
    for (const QString& line : {QString("$GPGLL,short"), longest, QString("$GPGLL,short")})
        window->AddRawLine(line.toStdString());
    window->Paint(), QApplication::processEvents();
    auto* list = List(*window);
    // Every line has the room of the longest, whichever came last; none is elided.
    EXPECT_GE(list->visualRect(window->Lines().index(2)).width(), list->fontMetrics().horizontalAdvance(longest));
    EXPECT_EQ(list->textElideMode(), Qt::ElideNone);
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);

    for (const char* name : {"optAutoScroll", "optFixed"}) {
        auto* option = window->findChild<QRadioButton*>(name);
        HighlightControl(option); // bold and taller, as when it has the focus
        EXPECT_GE(option->width(), option->sizeHint().width()) << name;
        window->resize(window->width() + 1, window->height()); // laid out again meanwhile
        UnhighlightControl(option);
        EXPECT_EQ(option->height(), option->sizeHint().height()) << name << " back to its own height";
    }
    EXPECT_LE(window->findChild<QRadioButton*>("optFixed")->geometry().right(),
              window->findChild<QLabel*>("lblKeep")->x()) << "Show Last begins after the bold option";
    window->resize(100, 300);
    EXPECT_LE(Combo(*window)->geometry().right(), window->width()) << "never cut off";
}

// The open-window protocol is the shared window routines', checked with the display windows.
TEST_F(RawWindowTest, SizeAndPlacementRoundTripScreenBoundsAndDragMove)
{
    auto window = Open();
    window->resize(500, 40);
    // A minimum height; a resize saves the placement, in twips.
    EXPECT_TRUE(window->height() == TwipsToPixelsY(1215) && store.Get("NMEA_Raw", "Width", "") == "7500");
    window->move(150, 120), window->resize(520, 300), window->close();

    auto again = Open();
    EXPECT_EQ(QRect(again->pos(), again->size()), QRect(150, 120, 520, 300));
    auto* viewport = List(*again)->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(viewport, QPoint(40, 30));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(again->pos(), QPoint(180, 140)) << "dragging the list moves the window";

    store.Save("NMEA_Raw", "Left", std::to_string(ScreenWidthTwips() + 15)), store.Save("NMEA_Raw", "Top", "-300");
    EXPECT_EQ(Open()->pos(), QPoint(0, 0)) << "beyond the screen width: 0; a negative value is brought onto the screen";
}

TEST_F(RawWindowTest, LinesNotDecodedAreMarkedBySymbolAndColourNeverInTheirText)
{
    const struct { DispatchResult::Kind Outcome; const char* Symbol; const char* Meaning; } cases[] = {
        {DispatchResult::Decoded, "", ""},
        {DispatchResult::BadChecksum, "\u00D7 ", "Checksum wrong"},
        {DispatchResult::NoChecksum, "\u00D7 ", "No checksum"},
        {DispatchResult::Damaged, "\u00D7 ", "Damaged: a line break inside, or too long"},
        {DispatchResult::UnknownType, "\u00AC ", "Ignored: a type that is not decoded"},
        {DispatchResult::OtherTalker, "\u00AC ", "Ignored: a talker the Talkers setting leaves out"},
    };
    auto window = Open();
    window->LineChecked(DispatchResult{DispatchResult::BadChecksum}); // for a line before the window opened
    for (const auto& c : cases)
        Add(*window, "$GPXXX,line", c.Outcome);
    ASSERT_EQ(window->LineCount(), static_cast<int>(std::size(cases)));
    for (int row = 0; row < window->LineCount(); ++row) {
        const QModelIndex line = window->Lines().index(row);
        const QString meaning = QString::fromUtf8(cases[row].Meaning);
        EXPECT_EQ(line.data().toString(), QString::fromUtf8(cases[row].Symbol) + "$GPXXX,line") << row;
        EXPECT_EQ(line.data(QtRawLineModel::RawTextRole).toString(), "$GPXXX,line") << row;
        EXPECT_EQ(line.data(Qt::ForegroundRole).isValid(), !meaning.isEmpty()) << row;
        EXPECT_EQ(line.data(Qt::AccessibleTextRole).toString(),
                  meaning.isEmpty() ? QString("$GPXXX,line") : meaning + ": $GPXXX,line") << row;
    }
}

TEST_F(RawWindowTest, PauseHoldsNewLinesUpToTheLimitAndResumeAddsThemInOrderWithTheirMarks)
{
    auto window = Open();
    Combo(*window)->setEditText("500");
    for (int i = 0; i < 100; ++i)
        Add(*window, "$GPGGA,before," + std::to_string(i));
    auto* pause = window->findChild<QPushButton*>("cmdPause");
    pause->click();
    for (int i = 0; i < 700; ++i)
        Add(*window, "$GPGGA,held," + std::to_string(i), i % 2 ? DispatchResult::BadChecksum : DispatchResult::Decoded);
    QApplication::processEvents();
    EXPECT_EQ(window->LineCount(), 100) << "the list stands still";
    EXPECT_EQ(window->HeldCount(), 500);
    EXPECT_EQ(pause->text(), "&Resume");
    EXPECT_EQ(window->findChild<QLabel*>("lblPaused")->text(), "paused, 700 new (500 kept)");

    pause->click();
    // Held lines 200 to 699 join as if one by one: at 501 lines 75 go, twice, leaving 250 to 699.
    ASSERT_EQ(window->LineCount(), 450);
    EXPECT_EQ(window->Lines().index(0).data(QtRawLineModel::RawTextRole).toString(), "$GPGGA,held,250");
    const QModelIndex newest = window->Lines().index(449);
    EXPECT_EQ(newest.data(QtRawLineModel::RawTextRole).toString(), "$GPGGA,held,699");
    EXPECT_TRUE(newest.data().toString().startsWith(QString::fromUtf8("\u00D7 "))) << "marked while held";
    EXPECT_TRUE(pause->text() == "&Pause" && window->findChild<QLabel*>("lblPaused")->text().isEmpty());
    Add(*window, "$GPGGA,after");
    EXPECT_EQ(window->LineCount(), 451) << "lines come straight in again";
}

TEST_F(RawWindowTest, TheFilterShowsMatchingLinesAndSaysWhenItsPatternIsInvalid)
{
    auto window = Open();
    for (const char* line : {"$GPGGA,1", "$GNGGA,2", "$GPGSV,3", "$GPRMC,4"})
        Add(*window, line);
    Add(*window, "$GPGSV,5*00", DispatchResult::BadChecksum);
    const QStringList all{"$GPGGA,1", "$GNGGA,2", "$GPGSV,3", "$GPRMC,4", "\u00D7 $GPGSV,5*00"};
    const struct { const char* Filter; QStringList Shown; const char* Status; } cases[] = {
        {"gsv", {"$GPGSV,3", "\u00D7 $GPGSV,5*00"}, ""}, // text in any case, marks not matched
        {"/G[PN]GGA/", {"$GPGGA,1", "$GNGGA,2"}, ""},
        {"/gsv/", {}, ""}, // a regular expression is as written
        {"/(GGA/", all, "Invalid pattern: missing closing parenthesis"},
        {"", all, ""},
    };
    auto* filter = window->findChild<QLineEdit*>("txtFilter");
    for (const auto& c : cases) {
        filter->setText(c.Filter);
        EXPECT_EQ(Shown(*window), c.Shown) << c.Filter;
        EXPECT_EQ(window->findChild<QLabel*>("lblFilterStatus")->text(), QString::fromUtf8(c.Status)) << c.Filter;
    }
    filter->setText("gga");
    Add(*window, "$GPGGA,6"), Add(*window, "$GPVTG,7");
    EXPECT_EQ(Shown(*window), QStringList({"$GPGGA,1", "$GNGGA,2", "$GPGGA,6"})) << "new lines are filtered too";
}

TEST_F(RawWindowTest, CopyPutsTheSelectedLinesOnTheClipboardAsReceived)
{
    auto window = Open();
    Add(*window, "$GPGGA,1"), Add(*window, "$GPGGA,2*00", DispatchResult::BadChecksum);
    Add(*window, "$GPRMC,3"), Add(*window, "$GPGGA,4");
    window->findChild<QLineEdit*>("txtFilter")->setText("GGA");
    QListView* list = List(*window);
    for (int row : {2, 0, 1}) // shown: $GPGGA,1, the marked $GPGGA,2*00 and $GPGGA,4
        list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    const auto copy = [&] {
        QApplication::clipboard()->setText("before");
        window->findChild<QPushButton*>("cmdCopy")->click();
        return QApplication::clipboard()->text();
    };
    EXPECT_EQ(copy(), "$GPGGA,1\n$GPGGA,2*00\n$GPGGA,4\n");
    list->clearSelection();
    EXPECT_EQ(copy(), "before") << "nothing selected, nothing copied";
}

} // namespace
