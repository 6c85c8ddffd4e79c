// Placement of every window on the screen, whatever was stored: on a
// 1280 x 1024 screen, and at a scale factor of 2 when the test is run so.
#include "app/TrakoraApplication.h"
#include "common/WindowRoutines.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QScreen>

#include <gtest/gtest.h>

using namespace trakora;

namespace {

struct : IMessageSink {
    void ShowMessage(std::string_view) override {}
} quiet;

std::string Where(const QWidget* w)
{
    const QRect f = w->frameGeometry();
    return w->objectName().toStdString() + " at " + std::to_string(f.x()) + "," + std::to_string(f.y()) + " " +
           std::to_string(f.width()) + "x" + std::to_string(f.height());
}

TEST(FitRect, CapsTheSizeThenMovesTheRectWhollyIntoTheArea)
{
    const QRect screen(0, 0, 1280, 1024), belowPanel(0, 30, 1280, 994);
    const struct { QRect frame, area, fitted; const char* legend; } cases[] = {
        {{100, 80, 400, 300}, screen, {100, 80, 400, 300}, "inside: kept"},
        {{1100, 900, 400, 300}, screen, {880, 724, 400, 300}, "past the right and bottom edges: moved back"},
        {{-66666667, -20, 400, 300}, screen, {0, 0, 400, 300}, "far to the left and above"},
        {{0, 0, 66666667, 2000}, screen, {0, 0, 1280, 1024}, "larger than the screen: capped"},
        {{900, 10, 1282, 269}, belowPanel, {0, 30, 1280, 269}, "capped and moved below a panel"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitRect(c.frame, c.area), c.fitted) << c.legend;
}

// The program with placements stored at scale 1 near the right and bottom
// edges, in the middle, far off and absurdly large.
TEST(Placement, EveryWindowOpensWhollyOnTheScreenAndSavesWhatItShows)
{
    auto file = std::make_unique<MemorySettingsStore>();
    MemorySettingsStore& store = *file;
    const struct { const char* section; const char* left; const char* top; } places[] = {
        {"MDIForm", "18500", "15000"}, {"NMEA_Raw", "9000", "7000"},      {"SatInfo", "17000", "12000"},
        {"SatPos", "-1000000000", "9000"}, {"DataStat", "19000", "15300"}, {"ShowPos", "9000", "6000"},
        {"LongTerm", "9000", "7000"},      {"NMEASets", "18000", "14000"},
    };
    for (const auto& place : places)
        store.Save(place.section, "Left", place.left), store.Save(place.section, "Top", place.top);
    for (const char* size : {"Width", "Height"})
        store.Save("NMEA_Raw", size, "1000000000"), store.Save("SatPos", size, "1000000000");
    store.Save("SatInfo", "Expanded", "1");

    TrakoraApplication app(std::move(file), &quiet);
    app.Launch();
    app.MainWindow().findChild<QAction*>("mnuShowAll")->trigger();
    app.MainWindow().findChild<QAction*>("mnuSettings")->trigger();
    QApplication::processEvents();

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // Widened again while standing at the right edge, Satellite Information stays on the screen.
    QWidget* satInfo = app.MainWindow().OpenWindow(WindowKind::SatInfo);
    ASSERT_NE(satInfo, nullptr);
    auto* extended = satInfo->findChild<QCheckBox*>("chkExtended");
    extended->click();
    satInfo->move(area.right() - satInfo->frameGeometry().width(), satInfo->y());
    extended->click();

    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip) {
            ++windows;
            EXPECT_TRUE(area.contains(window->frameGeometry())) << Where(window) << " on " << area.width() << "x" << area.height();
        }
    EXPECT_GE(windows, 9) << "the main window, seven display windows and the Settings dialog";

    app.MainWindow().findChild<QAction*>("mnuExit")->trigger();
    for (const auto& [section, key, screenTwips] : {std::tuple("SatPos", "Width", ScreenWidthTwips()),
                                                    {"NMEA_Raw", "Width", ScreenWidthTwips()},
                                                    {"NMEA_Raw", "Height", ScreenHeightTwips()}})
        EXPECT_LE(std::stod(store.Get(section, key, "")), screenTwips) << section << " " << key << " saved back";
}

// A first run on a 1280 x 1024 screen: every window without a place of its
// own finds one beside or below the others; a stored place is kept.
TEST(Placement, WindowsWithoutAStoredPlaceTileBesideAndBelowTheMainWindow)
{
    if (QGuiApplication::primaryScreen()->availableGeometry() != QRect(0, 0, 1280, 1024))
        GTEST_SKIP() << "the windows are laid out for a 1280 x 1024 screen at scale 1";
    auto file = std::make_unique<MemorySettingsStore>();
    file->Save("DataStat", "Left", "15000"), file->Save("DataStat", "Top", "14250"); // 1000, 950 pixels
    TrakoraApplication app(std::move(file), &quiet);
    app.Launch();
    app.MainWindow().findChild<QAction*>("mnuShowAll")->trigger();

    std::vector<QWidget*> windows{&app.MainWindow()};
    using enum WindowKind;
    for (WindowKind kind : {ShowPos, SatInfo, SatPos, DataStat, LongTerm, NMEARaw})
        windows.push_back(app.MainWindow().OpenWindow(kind));
    ASSERT_EQ(std::count(windows.begin(), windows.end(), nullptr), 0);
    EXPECT_EQ(app.MainWindow().OpenWindow(WindowKind::DataStat)->pos(), QPoint(1000, 950));
    for (std::size_t i = 0; i < windows.size(); ++i) {
        EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(windows[i]->frameGeometry())) << Where(windows[i]);
        for (std::size_t j = i + 1; j < windows.size(); ++j)
            EXPECT_FALSE(windows[i]->frameGeometry().intersects(windows[j]->frameGeometry()))
                << Where(windows[i]) << " and " << Where(windows[j]);
    }
    app.MainWindow().findChild<QAction*>("mnuExit")->trigger();
}

} // namespace

int main(int argc, char** argv)
{
    // Headless on a screen of known size, unless another platform is asked for.
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TRAKORA_TEST_SCREEN);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
