// The main window: menus, caption, placement, the windows it reopens,
// minimise and restore, exit, and input started from it.
#include "app/TrakoraApplication.h"
#include "app/frmNMEA_Raw.h"
#include "common/TrackedWindow.h"
#include "common/WindowRoutines.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>

using namespace trakora;
using ::testing::ElementsAre;

namespace {

// Lets two runs of the program share one store.
class SharedStore : public ISettingsStore {
public:
    explicit SharedStore(MemorySettingsStore& store) : m_store(store) {}
    std::string Get(std::string_view section, std::string_view key, std::string_view def) override
    {
        return m_store.Get(section, key, def);
    }
    void Save(std::string_view section, std::string_view key, std::string_view value) override
    {
        m_store.Save(section, key, value);
    }

private:
    MemorySettingsStore& m_store;
};

class RecordedMessages : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::vector<std::string> Shown;
};

// A stand-in display window: remembers its placement and open state like
// the real ones and counts its refreshes.
class StandInWindow : public TrackedWindow {
public:
    StandInWindow(ProgramContext& context, const std::string& key, std::int32_t ProgramSettings::*flag)
        : TrackedWindow(context, key, key, flag)
    {
        setObjectName(QString::fromStdString("frm" + key));
        MarkOpen();
        RestorePosition();
        resize(120, 80);
    }
    void TimerPop() { ++Pops; }
    int Pops = 0;
};

struct StandIn {
    WindowKind Kind;
    const char* Key;
    std::int32_t ProgramSettings::*Flag;
};

const StandIn StandIns[] = {
    {WindowKind::DataStat, "DataStat", &ProgramSettings::ShowingDataStat},
    {WindowKind::ShowPos, "ShowPos", &ProgramSettings::ShowingShowPos},
    {WindowKind::SatInfo, "SatInfo", &ProgramSettings::ShowingSatInfo},
    {WindowKind::SatPos, "SatPos", &ProgramSettings::ShowingSatPos},
    {WindowKind::LongTerm, "LongTerm", &ProgramSettings::ShowingLongTerm},
};

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<TrakoraApplication> MakeApp()
    {
        auto app = std::make_unique<TrakoraApplication>(std::make_unique<SharedStore>(store), &messages);
        for (const StandIn& standIn : StandIns) {
            DisplayWindowEntry entry;
            entry.Create = [this, appPtr = app.get(), standIn]() -> QWidget* {
                created.push_back(standIn.Kind);
                ProgramContext* context = new ProgramContext{appPtr->Gps(), appPtr->Settings(), appPtr->Store()};
                auto* window = new StandInWindow(*context, standIn.Key, standIn.Flag);
                QObject::connect(window, &QObject::destroyed, [context] { delete context; });
                return window;
            };
            entry.TimerPop = [this, standIn](QWidget* window) {
                static_cast<StandInWindow*>(window)->TimerPop();
                pops.push_back(standIn.Kind);
            };
            app->Registry().Register(standIn.Kind, std::move(entry));
        }
        return app;
    }

    static QAction* Action(TrakoraApplication& app, const char* name)
    {
        return app.MainWindow().findChild<QAction*>(QString::fromLatin1(name));
    }

    static bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < milliseconds)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

    MemorySettingsStore store;
    RecordedMessages messages;
    std::vector<WindowKind> created;
    std::vector<WindowKind> pops;
};

TEST_F(MainWindowTest, EveryMenuItemHasItsCaptionAndShortcut)
{
    auto app = MakeApp();
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"mnuStart", "&Start New", QKeySequence(Qt::Key_F2)},
        {"mnuContinue", "&Continue", QKeySequence(Qt::SHIFT | Qt::Key_F2)},
        {"mnuStop", "Sto&p", QKeySequence(Qt::Key_F3)},
        {"mnuExit", "E&xit", QKeySequence(Qt::SHIFT | Qt::Key_F3)},
        {"mnuShowPosition", "&Position Information", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuShowSats", "&Satellite Information", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuSatPos", "Sa&tellite Positions", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"mnuLongTerm", "&Long Term Position", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"mnuDataStat", "D&ata Status", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"mnuNMEARaw", "&NMEA Input data from GPS", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"mnuShowAll", "Sho&w All", QKeySequence(Qt::Key_F12)},
        {"mnuSettings", "&Settings", QKeySequence()},
        {"mnuHelpAbout", "&About", QKeySequence()},
    };
    for (const Item& item : items) {
        QAction* action = Action(*app, item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
        EXPECT_TRUE(action->isEnabled() && action->isVisible() && !action->isCheckable()) << item.name;
    }
    for (const char* separator : {"mnuSep2", "mnySep3"}) {
        QAction* action = Action(*app, separator);
        ASSERT_NE(action, nullptr) << separator;
        EXPECT_TRUE(action->isSeparator());
    }
    const std::map<std::string, std::string> menus = {
        {"mnuInput", "&Input"}, {"mnuDisplay", "&Display"}, {"mnuHelp", "&Help"}};
    for (const auto& [name, title] : menus) {
        auto* menu = app->MainWindow().findChild<QMenu*>(QString::fromStdString(name));
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title().toStdString(), title);
    }
    auto* input = app->MainWindow().findChild<QMenu*>("mnuInput");
    QStringList order;
    for (QAction* action : input->actions())
        order << action->objectName();
    EXPECT_EQ(order, QStringList({"mnuStart", "mnuContinue", "mnuSep2", "mnuStop", "mnySep3", "mnuExit"}));
}

TEST_F(MainWindowTest, CaptionIsTheProgramNameAndVersion)
{
    EXPECT_EQ(frmMDI::CaptionFor("/usr/local/bin/trakora", 1.18f), "Trakora vers. 1.18");
    EXPECT_EQ(frmMDI::CaptionFor("C:/Tools/Trakora.exe", 1.18f), "Trakora vers. 1.18");
    auto app = MakeApp();
    app->Launch();
    EXPECT_EQ(app->MainWindow().windowTitle(),
              frmMDI::CaptionFor(QCoreApplication::applicationFilePath(), 1.18f));
}

TEST_F(MainWindowTest, FirstRunOpensAtTheTopLeftWithNoOtherWindow)
{
    auto app = MakeApp();
    app->Launch();
    EXPECT_EQ(app->MainWindow().pos(), QPoint(0, 0));
    EXPECT_EQ(app->MainWindow().size(), QSize(TwipsToPixelsX(3825), TwipsToPixelsY(690)));
    EXPECT_TRUE(created.empty());
    EXPECT_EQ(app->RawWindow(), nullptr);
    EXPECT_EQ(app->Settings().InputRunning, FlagClear) << "nothing reads input before Start";
}

TEST_F(MainWindowTest, StoredPositionOutsideTheScreenOrNegativeGivesZero)
{
    store.Save("MDIForm", "Left", std::to_string(ScreenWidthTwips() + 8000));
    store.Save("MDIForm", "Top", "-15");
    {
        auto app = MakeApp();
        app->Launch();
        EXPECT_EQ(app->MainWindow().pos(), QPoint(0, 0));
    }
    store.Save("MDIForm", "Left", "1500");
    store.Save("MDIForm", "Top", "750");
    store.Save("MDIForm", "Width", "9000");
    auto app = MakeApp();
    app->Launch();
    EXPECT_EQ(app->MainWindow().pos(), QPoint(100, 50));
    EXPECT_EQ(app->MainWindow().width(), TwipsToPixelsX(3825)) << "stored sizes are not read back";
}

TEST_F(MainWindowTest, ShowAllOpensTheWindowsInItsOrder)
{
    auto app = MakeApp();
    app->Launch();
    Action(*app, "mnuShowAll")->trigger();
    EXPECT_THAT(created, ElementsAre(WindowKind::ShowPos, WindowKind::SatInfo, WindowKind::SatPos,
                                     WindowKind::DataStat, WindowKind::LongTerm));
    ASSERT_NE(app->RawWindow(), nullptr);
    EXPECT_TRUE(app->RawWindow()->isVisible());

    Action(*app, "mnuShowSats")->trigger();
    EXPECT_EQ(created.size(), 5u) << "an open window is only brought forward";
}

TEST_F(MainWindowTest, MinimisingClosesFourWindowsMinimisesTwoAndRestoreBringsThemBack)
{
    auto app = MakeApp();
    app->Launch();
    Action(*app, "mnuShowAll")->trigger();
    app->RawWindow()->AddRawLine("$GPGGA,kept");
    frmMDI& main = app->MainWindow();

    main.setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    for (WindowKind kind : {WindowKind::DataStat, WindowKind::ShowPos, WindowKind::SatInfo, WindowKind::SatPos})
        EXPECT_EQ(main.OpenWindow(kind), nullptr) << static_cast<int>(kind);
    ASSERT_NE(main.OpenWindow(WindowKind::NMEARaw), nullptr);
    EXPECT_TRUE(main.OpenWindow(WindowKind::NMEARaw)->isMinimized());
    ASSERT_NE(main.OpenWindow(WindowKind::LongTerm), nullptr);
    EXPECT_TRUE(main.OpenWindow(WindowKind::LongTerm)->isMinimized());
    for (const char* key : {"DataStat", "ShowPos", "SatInfo", "SatPos", "LongTerm", "NMEA_Raw"})
        EXPECT_EQ(store.Get("Showing", key, ""), "-1") << key;
    EXPECT_EQ(app->Settings().AppClosing, FlagClear);

    created.clear();
    main.setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_THAT(created, ElementsAre(WindowKind::DataStat, WindowKind::ShowPos, WindowKind::SatInfo,
                                     WindowKind::SatPos))
        << "reopened in the restore order";
    for (WindowKind kind : {WindowKind::DataStat, WindowKind::ShowPos, WindowKind::NMEARaw, WindowKind::SatInfo,
                            WindowKind::SatPos, WindowKind::LongTerm}) {
        ASSERT_NE(main.OpenWindow(kind), nullptr) << static_cast<int>(kind);
        EXPECT_FALSE(main.OpenWindow(kind)->isMinimized()) << static_cast<int>(kind);
    }
    EXPECT_EQ(app->RawWindow()->LineCount(), 1) << "the raw window keeps its contents";
}

TEST_F(MainWindowTest, ExitKeepsTheOpenWindowsForTheNextRun)
{
    {
        auto app = MakeApp();
        app->Launch();
        app->MainWindow().move(60, 45);
        Action(*app, "mnuShowSats")->trigger();
        Action(*app, "mnuNMEARaw")->trigger();
        frmNMEA_Raw* raw = app->RawWindow();
        ASSERT_NE(raw, nullptr);
        raw->move(300, 210);
        raw->findChild<QComboBox*>("cboMaxNMEA")->setCurrentIndex(1);
        emit raw->findChild<QComboBox*>("cboMaxNMEA")->activated(1);
        raw->findChild<QRadioButton*>("optFixed")->click();
        Action(*app, "mnuShowPosition")->trigger();
        app->MainWindow().OpenWindow(WindowKind::ShowPos)->close(); // closed by the user
        Action(*app, "mnuExit")->trigger();

        EXPECT_EQ(store.Get("Showing", "NMEA_Raw", ""), "-1");
        EXPECT_EQ(store.Get("Showing", "SatInfo", ""), "-1");
        EXPECT_EQ(store.Get("Showing", "ShowPos", ""), "0");
        EXPECT_EQ(store.Get("MDIForm", "Left", ""), "900");
        EXPECT_EQ(store.Get("MDIForm", "Top", ""), "675");
        EXPECT_EQ(app->Settings().AppClosing, FlagSet);
    }
    created.clear();
    auto next = MakeApp();
    next->Launch();
    EXPECT_THAT(created, ElementsAre(WindowKind::SatInfo));
    EXPECT_EQ(next->MainWindow().pos(), QPoint(60, 45));
    frmNMEA_Raw* raw = next->RawWindow();
    ASSERT_NE(raw, nullptr) << "the raw window reopens";
    EXPECT_EQ(raw->pos(), QPoint(300, 210));
    EXPECT_EQ(raw->Limit(), 1000);
    EXPECT_TRUE(raw->findChild<QRadioButton*>("optFixed")->isChecked());
}

TEST_F(MainWindowTest, ReplayFromTheCommandLineFillsTheRawWindowAndRefreshesOpenWindows)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("run.TKL").toStdString();
    {
        std::ofstream log(path, std::ios::binary);
        log << "$GPGGA,120001,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48\r\n"
               "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n"
               "$GPGGA,120002,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*4B\r\n";
    }
    store.Save("Showing", "NMEA_Raw", "-1");
    store.Save("Showing", "SatInfo", "-1");
    auto app = MakeApp();
    RunOptions options;
    options.ReplayFile = QString::fromStdString(path);
    app->Launch(options);
    ASSERT_TRUE(WaitFor([&] { return !messages.Shown.empty(); }));

    EXPECT_THAT(messages.Shown, ElementsAre("End of file."));
    ASSERT_NE(app->RawWindow(), nullptr);
    EXPECT_EQ(app->RawWindow()->LineCount(), 3);
    EXPECT_THAT(pops, ElementsAre(WindowKind::SatInfo, WindowKind::SatInfo)) << "one refresh per GGA";
    EXPECT_EQ(app->Gps().UtcTime, "120002");
    EXPECT_EQ(store.Get("InputOptions", "FileInput", "unset"), "unset") << "the command line is not stored";
}

TEST_F(MainWindowTest, StartFromTheMenuWithAMissingLogSaysSo)
{
    store.Save("InputOptions", "FileInput", "-1");
    auto app = MakeApp();
    app->Launch();
    app->Settings().InputFileName = "/nonexistent/none.TKL";
    Action(*app, "mnuStart")->trigger();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0], "Cannot open input file.  Please check the settings screen.\n\n"
                                 "Error # 2 - No such file or directory");
    EXPECT_EQ(app->Settings().InputRunning, FlagClear);
}

} // namespace
