// Replaying a log with every window open: a seek shows what a replay from the
// start shows, and the replay bar of the main window.
#include "WindowsShown.h"

#include "app/TrakoraApplication.h"
#include "app/frmNMEA_Raw.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>

using namespace trakora;
using trakora::testing::WindowsShown;

namespace {

class ReplayTest : public ::testing::Test, public IMessageSink {
protected:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    // A run of the program with every window open, the extended satellite
    // statistics shown, replaying `log` as fast as it can.
    std::unique_ptr<TrakoraApplication> Launch(const std::string& log)
    {
        auto store = std::make_unique<MemorySettingsStore>();
        for (const char* window : {"DataStat", "ShowPos", "SatInfo", "SatPos", "NMEA_Raw"})
            store->Save("Showing", window, "-1");
        store->Save("SatInfo", "Expanded", "1");
        auto app = std::make_unique<TrakoraApplication>(std::move(store), this);
        app->Launch();
        QApplication::processEvents();
        app->Settings().FileInput = FlagSet;
        app->Settings().InputFileName = log;
        ChooseReplaySpeed(app->Settings(), ReplaySpeed::Max);
        return app;
    }

    QTemporaryDir dir;
    std::vector<std::string> messages;
};

TEST_F(ReplayTest, WindowsAfterASeekShowWhatAReplayFromTheStartShows)
{
    const int cut = 2345; // lines, ending inside an epoch
    std::ifstream in(TRAKORA_TEST_DATA "/sample.TKL", std::ios::binary);
    std::string head, line;
    for (int i = 0; i < cut && std::getline(in, line); ++i)
        head += line + '\n';
    const std::string headLog = dir.filePath("head.TKL").toStdString();
    std::ofstream(headLog, std::ios::binary) << head;

    auto fresh = Launch(headLog);
    fresh->Pump().Start();
    const QStringList expected = WindowsShown(*fresh);
    fresh.reset();

    auto app = Launch(TRAKORA_TEST_DATA "/sample.TKL");
    app->Pump().Start();
    app->Pump().Pause();
    ASSERT_NE(WindowsShown(*app), expected) << "the whole log shows something else";
    app->Pump().SeekTo(static_cast<long long>(head.size()));
    const QStringList shown = WindowsShown(*app);
    ASSERT_EQ(shown.size(), expected.size());
    for (qsizetype i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], expected[i]);
    EXPECT_EQ(app->RawWindow()->LineCount(), cut);
}

TEST_F(ReplayTest, TheBarShowsOnlyForALogAndItsCommandsDoNothingForTheSerialPort)
{
    auto app = Launch(TRAKORA_TEST_DATA "/sample.TKL");
    frmMDI& main = app->MainWindow();
    QToolBar* bar = main.findChild<QToolBar*>("tlbReplay");
    ASSERT_NE(bar, nullptr);
    const int alone = main.width();
    app->ReplayControls().Update();
    QApplication::processEvents();
    const int withBar = main.height();
    EXPECT_TRUE(bar->isVisibleTo(&main));
    for (const char* control : {"cboReplaySpeed", "cmdPause", "cmdStepEpoch", "sldReplayPosition", "lblReplayTime",
                                "lblReplayProgress"})
        EXPECT_TRUE(main.findChild<QWidget*>(control)->isVisible()) << control << " in sight, not behind the extension";

    app->Settings().FileInput = FlagClear;
    app->ReplayControls().Update();
    EXPECT_FALSE(bar->isVisibleTo(&main));
    EXPECT_EQ(withBar - main.height(), bar->sizeHint().height()) << "one row, no more";
    EXPECT_EQ(main.width(), alone);
    main.findChild<QAction*>("mnuSpeedX10")->trigger();
    main.findChild<QAction*>("mnuPause")->trigger();
    EXPECT_TRUE(EffectiveReplaySpeed(app->Settings()) == ReplaySpeed::Max && !app->Pump().Paused());

    app->Settings().FileInput = FlagSet;
    app->Pump().Start();
    main.findChild<QAction*>("mnuSpeedX10")->trigger();
    EXPECT_EQ(EffectiveReplaySpeed(app->Settings()), ReplaySpeed::X10);
    EXPECT_EQ(app->Settings().ReadRealTime, FlagSet) << "the Time Sync box is ticked for x10";
    EXPECT_EQ(main.findChild<QComboBox*>("cboReplaySpeed")->currentText(), "x10");
}

TEST_F(ReplayTest, SpacePausesAndResumesUnlessATextBoxHasTheFocus)
{
    auto app = Launch(TRAKORA_TEST_DATA "/sample.TKL");
    ChooseReplaySpeed(app->Settings(), ReplaySpeed::X10);
    app->Pump().Start(); // reads the first epoch and waits for the next one's time
    frmMDI& main = app->MainWindow();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    app->ReplayControls().Update();
    const QSize running = main.findChild<QWidget*>("sldReplayPosition")->size();
    QTest::keyClick(&main, Qt::Key_Space);
    ASSERT_TRUE(app->Pump().Paused());
    QApplication::processEvents();
    EXPECT_EQ(main.findChild<QWidget*>("sldReplayPosition")->size(), running) << "the bar stays as it was";
    EXPECT_TRUE(main.findChild<QWidget*>("lblReplayProgress")->isVisible());

    QLineEdit box; // a text box of any window of the program
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::keyClicks(&box, "N 1");
    EXPECT_EQ(box.text(), "N 1");
    EXPECT_TRUE(app->Pump().Paused()) << "the text box took the key";

    box.close();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_Space);
    EXPECT_FALSE(app->Pump().Paused());
    app->Pump().Stop();
}

} // namespace
