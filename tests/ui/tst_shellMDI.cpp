// The main window: menus, caption, placement, the windows it reopens,
// minimise and restore, exit, and input started from it.
#include "app/QtStatusIndicator.h"
#include "app/TrakoraApplication.h"
#include "app/frmNMEA_Raw.h"
#include "common/QtSettingsStore.h"
#include "common/Version.h"
#include "common/WindowRoutines.h"

#include <QAction>
#include <QVBoxLayout>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

using namespace trakora;
using ::testing::ElementsAre;

namespace {

using enum WindowKind;

// Every run of the program in a test shares one settings file with the test.
class MainWindowTest : public ::testing::Test, public IMessageSink {
protected:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    // A fresh run of the program with its real windows, noting which are made and refreshed.
    frmMDI& Launch(const RunOptions& options = {})
    {
        app.reset();
        store.Flush();
        auto file = std::make_unique<QtSettingsStore>(store.Path());
        appStore = file.get();
        app = std::make_unique<TrakoraApplication>(std::move(file), this);
        for (WindowKind kind : {DataStat, ShowPos, SatInfo, SatPos, LongTerm}) {
            const DisplayWindowEntry real = app->Registry().Entry(kind);
            app->Registry().Register(kind, {[this, kind, real] { created.push_back(kind); return real.Create(); },
                                            [this, kind, real](QWidget* w) { pops.push_back(kind); real.TimerPop(w); },
                                            real.Paint, real.ResetModel});
        }
        app->Launch(options);
        return app->MainWindow();
    }
    QAction* Action(const char* name) { return app->MainWindow().findChild<QAction*>(name); }
    // Writes `lines` to `name` in the test's folder and returns the options that replay it.
    RunOptions Replaying(const char* name, const std::string& lines)
    {
        std::ofstream(dir.filePath(name).toStdString(), std::ios::binary) << lines;
        return {.ReplayFile = dir.filePath(name), .Timed = false, .PortDevice = {}, .Show = {}};
    }
    void SetState(Qt::WindowState state) { app->MainWindow().setWindowState(state), QCoreApplication::processEvents(); }

    QTemporaryDir dir;
    QtSettingsStore store{dir.filePath("Trakora.conf")};
    std::unique_ptr<TrakoraApplication> app;
    QtSettingsStore* appStore = nullptr; // the running program's store
    std::vector<std::string> messages;
    std::vector<WindowKind> created, pops;
};

TEST_F(MainWindowTest, FirstRunOpensAloneAtTheTopLeftAndStoredPositionsAreBounded)
{
    frmMDI& main = Launch();
    EXPECT_EQ(main.windowTitle(), QString("Tst_shell vers. ") + ProgramVersionText) << "the program's name and version";
    EXPECT_TRUE(Action("mnuStart")->text() == "&Start New" && Action("mnuStart")->shortcut() == QKeySequence("F2"));
    const int status = main.Status().sizeHint().height();
    ASSERT_GT(status, 0);
    EXPECT_EQ(QRect(main.pos(), main.size()), QRect(0, 0, TwipsToPixelsX(3825), main.menuBar()->height() + status))
        << "the menu bar and the input status below it";
    auto* row = new QLabel("a row below the menu bar");
    row->setFixedHeight(17), main.Rows()->addWidget(row), QCoreApplication::processEvents();
    EXPECT_EQ(main.height(), main.menuBar()->height() + status + 17) << "a row shown makes room for itself";
    row->hide(), QCoreApplication::processEvents(), QCoreApplication::processEvents();
    EXPECT_EQ(main.height(), main.menuBar()->height() + status) << "and gives it back when hidden";
    // No other window, and no input before Start.
    EXPECT_TRUE(created.empty() && app->RawWindow() == nullptr && app->Settings().InputRunning == FlagClear);
    app.reset();

    // A stored place is read back in the exit test below.
    store.Save("MDIForm", "Left", std::to_string(ScreenWidthTwips() + 8000));
    store.Save("MDIForm", "Top", "-15");
    EXPECT_EQ(Launch().pos(), QPoint(0, 0)) << "off the screen or negative gives 0";
}

TEST_F(MainWindowTest, ShowAllThenMinimiseClosesFourWindowsMinimisesTwoAndRestoreBringsThemBack)
{
    frmMDI& main = Launch();
    Action("mnuShowAll")->trigger();
    EXPECT_THAT(created, ElementsAre(ShowPos, SatInfo, SatPos, DataStat, LongTerm));
    Action("mnuShowSats")->trigger();
    EXPECT_EQ(created.size(), 5u) << "an open window is only brought forward";
    ASSERT_TRUE(app->RawWindow() && app->RawWindow()->isVisible());
    app->RawWindow()->AddRawLine("$GPGGA,kept");
    app->RawWindow()->Paint();

    SetState(Qt::WindowMinimized);
    for (WindowKind kind : {DataStat, ShowPos, SatInfo, SatPos})
        EXPECT_EQ(main.OpenWindow(kind), nullptr) << static_cast<int>(kind);
    for (WindowKind kind : {NMEARaw, LongTerm})
        EXPECT_TRUE(main.OpenWindow(kind) && main.OpenWindow(kind)->isMinimized()) << static_cast<int>(kind);

    created.clear(), SetState(Qt::WindowNoState);
    EXPECT_THAT(created, ElementsAre(DataStat, ShowPos, SatInfo, SatPos)) << "reopened in the restore order";
    for (WindowKind kind : {DataStat, ShowPos, NMEARaw, SatInfo, SatPos, LongTerm})
        EXPECT_TRUE(main.OpenWindow(kind) && !main.OpenWindow(kind)->isMinimized()) << static_cast<int>(kind);
    EXPECT_EQ(app->RawWindow()->LineCount(), 1) << "the raw window keeps its contents";
}

TEST_F(MainWindowTest, ExitKeepsTheOpenWindowsForTheNextRun)
{
    Launch().move(60, 45);
    Action("mnuShowSats")->trigger();
    Action("mnuNMEARaw")->trigger();
    frmNMEA_Raw* raw = app->RawWindow();
    raw->move(300, 210);
    auto* limit = raw->findChild<QComboBox*>("cboMaxNMEA");
    limit->setCurrentIndex(1);
    emit limit->activated(1);
    raw->findChild<QRadioButton*>("optFixed")->click();
    Action("mnuExit")->trigger();

    created.clear();
    EXPECT_EQ(Launch().pos(), QPoint(60, 45));
    EXPECT_THAT(created, ElementsAre(SatInfo));
    ASSERT_NE(raw = app->RawWindow(), nullptr) << "the raw window reopens";
    EXPECT_TRUE(raw->pos() == QPoint(300, 210) && raw->Limit() == 1000 && app->Settings().RawAutoScroll == FlagClear);
}

TEST_F(MainWindowTest, ReplayFromTheCommandLineFillsTheRawWindowAndRefreshesOpenWindows)
{
    store.Save("Showing", "NMEA_Raw", "-1"), store.Save("Showing", "SatInfo", "-1");
    Launch(Replaying("run.TKL", "$GPGGA,120001,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48\r\n"
                                "$GPGGA,120002,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*4B\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 5000));
    EXPECT_THAT(messages, ElementsAre("End of file."));
    ASSERT_TRUE(app->RawWindow() && app->RawWindow()->LineCount() == 2);
    EXPECT_THAT(pops, ElementsAre(SatInfo, SatInfo)) << "one refresh per GGA";
    EXPECT_EQ(store.Get("InputOptions", "FileInput", "unset"), "unset") << "the command line is not stored";

    app->Settings().InputFileName = "/nonexistent/none.TKL", Action("mnuStart")->trigger();
    EXPECT_THAT(messages.back(), ::testing::StartsWith("Cannot open input file.")) << "the menu starts input";
    const auto windows = QApplication::topLevelWidgets();
    const auto settings = std::find_if(windows.begin(), windows.end(), [](QWidget* w) { return w->objectName() == "frmSettings"; });
    ASSERT_NE(settings, windows.end()) << "the Settings dialog opens";
    EXPECT_TRUE((*settings)->findChild<QWidget*>("fraSource")->isEnabled()) << "input stopped first: another log can be chosen";
    (*settings)->close();
}

TEST_F(MainWindowTest, WindowsOpenedWhileInputIsStoppedShowTheLastDataAtOnce)
{
    frmMDI& main = Launch(Replaying("fix.TKL", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n"
        "$GPGSA,A,3,17,04,,,,,,,,,,,2.1,1.4,1.6*31\r\n$GPGSV,1,1,02,17,45,120,45,04,12,300,38*71\r\n"
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 5000));
    Action("mnuStop")->trigger();
    const auto shown = [&](WindowKind kind, const char* label) {
        QWidget* window = main.OpenWindow(kind);
        return window ? (window->findChild<QLabel*>(label)->text() + " on " + window->palette().color(QPalette::Window).name()).toStdString()
                      : std::string("closed");
    };
    for (const char* when : {"opened", "after a minimise"}) {
        if (when == std::string("opened"))
            Action("mnuShowAll")->trigger();
        else
            SetState(Qt::WindowMinimized), SetState(Qt::WindowNoState);
        EXPECT_EQ(shown(ShowPos, "lblLat"), " 48° 07' 02.27\"N on #ffffff") << when;
        EXPECT_EQ(shown(DataStat, "lblValidity"), "Valid on #ffffff") << when;
        EXPECT_EQ(shown(SatInfo, "lblPRN_2"), "4 on #ffffff") << when;
    }
}

TEST_F(MainWindowTest, WindowsShownFromTheCommandLineAreNotRememberedForTheNextRun)
{
    frmMDI& main = Launch(RunOptions{.ReplayFile = {}, .Timed = false, .PortDevice = {}, .Show = {SatInfo, SatPos}});
    EXPECT_THAT(created, ElementsAre(SatInfo, SatPos));
    SetState(Qt::WindowMinimized), SetState(Qt::WindowNoState);
    EXPECT_THAT(created, ElementsAre(SatInfo, SatPos, SatInfo, SatPos)) << "back after a minimise";
    main.OpenWindow(SatPos)->close(); // by the user
    EXPECT_EQ(appStore->Get("Showing", "SatInfo", "none") + appStore->Get("Showing", "SatPos", "none"), "nonenone");
    Action("mnuSatPos")->trigger(); // opened by the user: remembered
    Action("mnuExit")->trigger();
    created.clear(), Launch();
    EXPECT_THAT(created, ElementsAre(SatPos));
}

TEST_F(MainWindowTest, ADamagedSettingsFileIsReportedOnceNamingItsCopy)
{
    std::ofstream(store.Path().toStdString(), std::ios::binary) << "[Comm\n\x01\xff[[[=\n";
    Launch();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0], ::testing::AllOf(::testing::HasSubstr(store.Path().toStdString() + " could not be read"),
                                              ::testing::HasSubstr(store.Path().toStdString() + ".damaged")));
}

TEST(CommandLine, ShowTakesTheWindowsNames)
{
    const struct { QStringList arguments; CommandLineOutcome outcome; std::vector<WindowKind> show; const char* message; } cases[] = {
        {{"--show", "position,satellites,sky"}, CommandLineOutcome::Run, {ShowPos, SatInfo, SatPos}, ""},
        {{"--show=status", "--show", "raw,longterm"}, CommandLineOutcome::Run, {DataStat, NMEARaw, LongTerm}, ""},
        {{"--show", "sky,compass"}, CommandLineOutcome::ExitError, {}, "no window is called \"compass\""},
        {{"--help"}, CommandLineOutcome::ExitOk, {}, "--show <LIST>"},
    };
    for (const auto& c : cases) {
        RunOptions options;
        QString message;
        EXPECT_EQ(ParseCommandLine(QStringList{"trakora"} + c.arguments, options, message), c.outcome) << c.message;
        if (c.outcome == CommandLineOutcome::Run) {
            EXPECT_EQ(options.Show, c.show) << c.message;
        }
        EXPECT_THAT(message.toStdString(), ::testing::HasSubstr(c.message));
    }
}

TEST_F(MainWindowTest, ExitDuringAFastReplayStopsTheInputFirst)
{
    constexpr int Epochs = 20000;
    constexpr size_t ExitAt = 50;
    std::string log;
    for (int i = 0; i < Epochs; ++i)
        log += "$GPGGA,120001,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48\r\n";
    store.Save("Showing", "SatInfo", "-1");
    Launch(Replaying("long.TKL", log));
    const QString recording = dir.filePath("out.TKL");
    app->Settings().OutputFileName = recording.toStdString(), app->Settings().WriteData = 1;
    // Exit is chosen while the replay yields, as a user's click would be.
    bool exited = false;
    const DisplayWindowEntry counted = app->Registry().Entry(SatInfo);
    app->Registry().Register(SatInfo, {counted.Create, [&, counted](QWidget* w) {
        if (pops.size() == ExitAt)
            QTimer::singleShot(0, [&] { Action("mnuExit")->trigger(), exited = true; });
        counted.TimerPop(w);
    }, counted.Paint, counted.ResetModel});
    ASSERT_TRUE(QTest::qWaitFor([&] { return exited && !app->Pump().Running(); }, 30000));

    std::ifstream recorded(recording.toStdString(), std::ios::binary);
    const auto lines = std::count(std::istreambuf_iterator<char>(recorded), std::istreambuf_iterator<char>(), '\n');
    EXPECT_LT(lines, Epochs) << "the replay stopped";
    EXPECT_EQ(lines, long(pops.size())) << "every line decoded before Exit is recorded and shown, none after";
    EXPECT_THAT(messages, ::testing::Not(::testing::Contains("End of file.")));
}

TEST_F(MainWindowTest, SettingsAreWrittenAtMostOnceASecondWhileSamplingAndOnceAtExit)
{
    for (const std::string row : {"0", "1", "2"})
        store.Save("LTEnab", row, "1"), store.Save("LTInt", row, "Secs"), store.Save("LTTime", row, "1");
    store.Save("Showing", "LongTerm", "-1");
    Launch();
    ASSERT_NE(app->MainWindow().OpenWindow(LongTerm), nullptr);
    app->MainWindow().OpenWindow(LongTerm)->findChild<QPushButton*>("cmdStart")->click();
    app->Settings().FileInput = FlagSet, app->Settings().InputFileName = TRAKORA_TEST_DATA "/sample.TKL";

    const int before = appStore->FileWrites();
    QElapsedTimer replay;
    replay.start();
    app->Pump().Start();
    const auto seconds = replay.elapsed() / 1000;
    ASSERT_THAT(messages, ElementsAre("End of file."));
    const int written = appStore->FileWrites() - before;
    EXPECT_LE(written, 1 + seconds) << "at most one write a second";
    Action("mnuExit")->trigger();
    EXPECT_EQ(appStore->FileWrites() - before, written + 1) << "one write at exit";

    // The file itself holds the sums the window kept.
    const std::string samples = store.Get("Altitude", "AltSamps", "");
    QFile file(store.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly) && std::stoi(samples) > 100) << samples;
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\nAltSamps=" + QByteArray::fromStdString(samples) + "\n")) << samples;
}

} // namespace
