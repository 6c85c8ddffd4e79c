// The Receiver Health window and the status in the main window: the counts
// of a replay equal the replay tool's, the likeliest problem is named, the
// window refreshes at most once a second and opens and reopens like the others.
#include "StateJson.h"

#include "app/QtStatusIndicator.h"
#include "app/TrakoraApplication.h"
#include "app/frmHealth.h"
#include "common/QtSettingsStore.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <map>

using namespace trakora;

namespace {

struct Messages : IMessageSink {
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::vector<std::string> Shown;
};

struct ScriptedMilliseconds : IMonotonicClock {
    std::int64_t Milliseconds() override { return Ms; }
    std::int64_t Ms = 7'000'000;
};

// Per identifier: passed, bad checksum, no checksum, ignored.
using Row = std::array<long long, 4>;

std::map<std::string, Row> TableRows(const frmHealth& window)
{
    const auto* table = window.findChild<QTableWidget*>("grdHealth");
    std::map<std::string, Row> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto at = [&](int column) { return table->item(row, column)->text(); };
        rows[at(frmHealth::Identifier).toStdString()] = {at(frmHealth::Passed).toLongLong(),
            at(frmHealth::BadChecksum).toLongLong(), at(frmHealth::NoChecksum).toLongLong(), at(frmHealth::Ignored).toLongLong()};
    }
    return rows;
}

// The rows the window must show for the replay tool's stats: every identifier that has lines, and "All".
std::map<std::string, Row> ToolRows(const Json& stats)
{
    std::map<std::string, Row> rows;
    Row& all = rows["All"] = {};
    for (const auto& [name, counts] : stats.at("identifiers").items()) {
        const Row row{counts.at("passed"), counts.at("bad_checksum"), counts.at("no_checksum"), counts.at("ignored")};
        for (int i = 0; i < 4; ++i)
            all[i] += row[i];
        if (row[0] + row[1] + row[2] + counts.at("damaged").get<long long>() > 0)
            rows[name] = row;
    }
    return rows;
}

TEST(ReceiverHealth, AReplayShowsTheReplayToolsCountsAndNamesTheProblem)
{
    const struct { const char* Log; const char* Talkers; const char* ToolTalkers; const char* Line; const char* Status; }
        cases[] = {
            {"corpus/nmea-fuzzy-cases.log", "GP", "gp", "^Receiver sends \\$GN sentences; Talkers is set to GPS only$",
             "Not decoded"},
            {"corpus/nmea-fuzzy-cases.log", "ALL", "all", "^No GSV sentences: satellites will not show$",
             "No satellites"},
            {"noisy-0.3.nmea", "GP", "gp", "^[1-9][0-9]% of lines fail the checksum$", "Checksum errors"},
            // Of its 25 lines one is blank; 3 sentences fail, and so do "not a sentence" and " $GPGGA...".
            {"../replay/all-types.nmea", "GP", "gp", "^21% of lines fail the checksum$", "Checksum errors"},
        };
    for (const auto& c : cases) {
        const QString log = QStringLiteral(TRAKORA_TEST_DATA "/") + c.Log;
        Messages messages;
        auto store = std::make_unique<MemorySettingsStore>();
        store->Save("Options", "Talkers", c.Talkers);
        store->Save("Showing", "Health", "-1");
        TrakoraApplication app(std::move(store), &messages);
        app.Launch(RunOptions{.ReplayFile = log, .Timed = false, .PortDevice = {}, .Show = {}});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.Shown.empty(); }, 10000)) << c.Log;
        ASSERT_EQ(messages.Shown.back(), "End of file.");
        auto* health = static_cast<frmHealth*>(app.MainWindow().OpenWindow(WindowKind::Health));
        ASSERT_NE(health, nullptr) << "reopened as it was open";
        health->Refresh();
        app.RefreshStatus();

        QProcess tool;
        tool.start(QStringLiteral(TRAKORA_REPLAY_TOOL), {QStringLiteral("--talkers"), c.ToolTalkers, log});
        ASSERT_TRUE(tool.waitForFinished(10000) && tool.exitCode() == 0) << c.Log;
        const Json stats = Json::parse(tool.readAllStandardOutput().toStdString()).at("stats");
        const std::map<std::string, Row> expected = ToolRows(stats);
        EXPECT_EQ(TableRows(*health), expected) << c.Log << " " << c.Talkers;
        const Row& all = expected.at("All");
        EXPECT_EQ(all[0] + all[1] + all[2] + stats.at("damaged").get<long long>(), stats.at("lines").get<long long>());

        const QString line = health->findChild<QLabel*>("lblHealth")->text();
        EXPECT_TRUE(QRegularExpression(c.Line).match(line).hasMatch()) << c.Log << ": " << line.toStdString();
        EXPECT_EQ(app.MainWindow().Status().Text(), c.Status) << c.Log;
        EXPECT_EQ(app.MainWindow().Status().toolTip(), line) << "the health line, also in the main window";
    }
}

TEST(ReceiverHealth, NoDataIsToldInBothPlacesAndTheWindowRefreshesAtMostOnceASecond)
{
    Messages messages;
    ScriptedMilliseconds clock;
    auto store = std::make_unique<MemorySettingsStore>();
    store->Save("Showing", "Health", "-1");
    TrakoraApplication app(std::move(store), &messages, &clock);
    app.Launch();
    auto* health = static_cast<frmHealth*>(app.MainWindow().OpenWindow(WindowKind::Health));
    ASSERT_NE(health, nullptr);
    EXPECT_EQ(app.MainWindow().Status().Text(), "Stopped");

    app.Counters().Start(); // as Start does
    clock.Ms += 12'400;
    app.RefreshStatus();
    EXPECT_EQ(app.MainWindow().Status().Text(), "No data");
    EXPECT_EQ(app.MainWindow().Status().Level(), StreamLevel::Bad);
    EXPECT_EQ(health->findChild<QLabel*>("lblHealth")->text(), "No data for 12 s");

    auto* table = health->findChild<QTableWidget*>("grdHealth");
    clock.Ms = clock.Ms / 1000 * 1000 + 100; // early in a second
    health->TimerPop();
    app.Counters().Count("$GPGGA,1*00", DispatchResult{DispatchResult::UnknownType});
    clock.Ms += 850;
    health->TimerPop();
    EXPECT_EQ(table->rowCount(), 0) << "not again in the same second";
    clock.Ms += 100;
    health->TimerPop();
    EXPECT_EQ(table->rowCount(), 2) << "the identifier and all lines";
}

TEST(ReceiverHealth, OpensFromItsMenuAndShowAllAndReopensWhereItWas)
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.filePath("Trakora.conf"));
    Messages messages;
    const auto launch = [&] {
        store.Flush();
        auto app = std::make_unique<TrakoraApplication>(std::make_unique<QtSettingsStore>(store.Path()), &messages);
        app->Launch();
        return app;
    };
    auto app = launch();
    QAction* menu = app->MainWindow().findChild<QAction*>("mnuHealth");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->text(), "Receiver &Health");
    menu->trigger();
    QWidget* health = app->MainWindow().OpenWindow(WindowKind::Health);
    ASSERT_NE(health, nullptr);
    EXPECT_EQ(health->windowTitle(), "Receiver Health");
    health->move(210, 160);
    app->MainWindow().findChild<QAction*>("mnuExit")->trigger();
    app.reset();
    EXPECT_EQ(store.Get("Showing", "Health", ""), "-1") << "closed with the program";

    app = launch();
    ASSERT_NE(health = app->MainWindow().OpenWindow(WindowKind::Health), nullptr) << "reopened";
    EXPECT_EQ(health->pos(), QPoint(210, 160));
    health->close();
    EXPECT_EQ(store.Get("Showing", "Health", ""), "0") << "closed by the user";
    app->MainWindow().findChild<QAction*>("mnuShowAll")->trigger();
    EXPECT_NE(app->MainWindow().OpenWindow(WindowKind::Health), nullptr) << "Show All opens it too";
}

} // namespace
