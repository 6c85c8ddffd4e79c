// Times a fast replay through the program as it runs for a user: the real
// pump, dispatcher and windows, with the raw NMEA window open at its default
// limit (and, with --all-windows, every registered display window). With
// every window open it then replays the log again painting after every
// epoch, and checks that every window ends up showing the same.
// With --gnss the generated log is that of a multi-GNSS receiver of today
// (about 40 satellites of four systems), replayed with every talker.
// With --long-term it compares the replay (raw window open, settings in a
// file) with the long-term window sampling against the same replay without
// it, best of five each; the sampling should cost at most a tenth more.
#include "app/TrakoraApplication.h"
#include "app/frmNMEA_Raw.h"
#include "common/QtSettingsStore.h"
#include "WindowsShown.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <string>

using namespace trakora;
using trakora::testing::WindowsShown;

namespace {

class CountedMessages : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { Last = std::string(text); }
    std::string Last;
};

struct LogCounts {
    long Lines = 0;
    long Epochs = 0;
};

LogCounts Count(const QString& path)
{
    LogCounts counts;
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        ++counts.Lines;
        // The GGA of any talker: the epochs of a multi-GNSS log are $GNGGA.
        if (line.size() > 6 && line[0] == '$' && line.compare(3, 3, "GGA") == 0)
            ++counts.Epochs;
    }
    return counts;
}

bool Generate(const QString& path, bool gnss)
{
    QProcess generator;
    generator.setStandardOutputFile(path);
    QStringList arguments{QStringLiteral(TRAKORA_GEN_NMEA), QStringLiteral("--seconds"), QStringLiteral("3600")};
    if (gnss)
        arguments << QStringLiteral("--gnss");
    generator.start(QStringLiteral("python3"), arguments);
    return generator.waitForFinished(120000) && generator.exitCode() == 0;
}

void Report(const char* what, double seconds, const LogCounts& counts)
{
    std::printf("%-28s %8.3f s  %10.0f lines/s  %7.4f ms per GGA epoch\n", what, seconds, counts.Lines / seconds,
                1000.0 * seconds / static_cast<double>(counts.Epochs));
}

// The program with its settings in a file of a fresh folder and the raw
// window open; with `sampling`, the long-term window is open too, with three
// one-second rows started.
// Gives the processor seconds of one fast replay of the log (less disturbed
// by other work on the machine than the wall clock), or -1 when it failed.
double LongTermReplay(const QString& logPath, bool sampling, int& fileWrites)
{
    QTemporaryDir folder;
    auto file = std::make_unique<QtSettingsStore>(folder.filePath(QStringLiteral("Trakora.conf")));
    QtSettingsStore& store = *file;
    for (const std::string row : {"0", "1", "2"})
        store.Save("LTEnab", row, "1"), store.Save("LTInt", row, "Secs"), store.Save("LTTime", row, "1");
    store.Save("Showing", "LongTerm", sampling ? "-1" : "0");
    store.Save("Showing", "NMEA_Raw", "-1");
    CountedMessages messages;
    TrakoraApplication app(std::move(file), &messages);
    app.Launch();
    QApplication::processEvents();
    if (sampling) {
        QWidget* window = app.MainWindow().OpenWindow(WindowKind::LongTerm);
        if (window == nullptr)
            return -1;
        window->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    }
    app.Settings().FileInput = FlagSet;
    app.Settings().InputFileName = logPath.toStdString();
    const int before = store.FileWrites();
    const std::clock_t start = std::clock();
    app.Pump().Start();
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    fileWrites = store.FileWrites() - before;
    return messages.Last == "End of file." ? seconds : -1;
}

int CompareLongTerm(const QString& logPath, const LogCounts& counts)
{
    double best[2] = {1e9, 1e9};
    int writes[2] = {0, 0};
    for (int round = 0; round < 5; ++round) {
        for (int sampling : {0, 1}) {
            const double seconds = LongTermReplay(logPath, sampling != 0, writes[sampling]);
            if (seconds < 0) {
                std::fprintf(stderr, "the replay did not run to the end\n");
                return 1;
            }
            best[sampling] = std::min(best[sampling], seconds);
        }
    }
    std::printf("processor time, best of five:\n");
    Report("long-term window closed", best[0], counts);
    Report("long-term sampling on", best[1], counts);
    std::printf("sampling costs %+.1f%%; settings file written %d and %d times during the replays\n",
                100.0 * (best[1] / best[0] - 1.0), writes[0], writes[1]);
    return 0;
}

struct ReplayRun {
    double Seconds = -1; // -1: the replay did not run to its end
    double ProcessorSeconds = 0;
    QStringList Shown;
    int RawLines = 0;
    int RawLimit = 0;
    long long Paints = 0;
};

ReplayRun ReplayOnce(const QString& logPath, bool allWindows, bool paintEveryRefresh, bool gnss)
{
    CountedMessages messages;
    auto store = std::make_unique<MemorySettingsStore>();
    store->Save("Showing", "NMEA_Raw", "-1");
    if (gnss)
        store->Save("Options", "Talkers", "ALL");
    TrakoraApplication app(std::move(store), &messages);
    app.PaintEveryRefresh(paintEveryRefresh);
    app.Launch();
    if (allWindows) {
        app.MainWindow().findChild<QAction*>(QStringLiteral("mnuShowAll"))->trigger();
        // With the histograms, whose texts change only when their bars move.
        if (QWidget* satInfo = app.MainWindow().OpenWindow(WindowKind::SatInfo))
            satInfo->findChild<QCheckBox*>(QStringLiteral("chkExtended"))->click();
    }
    QApplication::processEvents();

    ProgramSettings& settings = app.Settings();
    settings.FileInput = FlagSet;
    ChooseReplaySpeed(settings, ReplaySpeed::Max);
    settings.InputFileName = logPath.toStdString();
    QElapsedTimer clock;
    clock.start();
    const std::clock_t processorStart = std::clock();
    app.Pump().Start();
    ReplayRun run;
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    run.ProcessorSeconds = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
    if (messages.Last != "End of file." || app.RawWindow() == nullptr) {
        std::fprintf(stderr, "the replay did not run to the end (%s)\n", messages.Last.c_str());
        return run;
    }
    run.Seconds = seconds;
    run.Paints = app.PaintCount();
    QApplication::processEvents();
    run.Shown = WindowsShown(app);
    // The health window follows the clock (rates, ages, a refresh twice a
    // second), not the epochs, so it is not one to compare.
    run.Shown.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("frmHealth ")); });
    run.RawLines = app.RawWindow()->LineCount();
    run.RawLimit = app.RawWindow()->Limit();
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);

    QString logPath;
    bool allWindows = false;
    bool longTerm = false;
    bool gnss = false;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        if (argument == QStringLiteral("--all-windows"))
            allWindows = true;
        else if (argument == QStringLiteral("--gnss"))
            gnss = true;
        else if (argument == QStringLiteral("--long-term"))
            longTerm = true;
        else
            logPath = argument;
    }
    QTemporaryDir scratch;
    if (logPath.isEmpty()) {
        logPath = scratch.filePath(QStringLiteral("hour.TKL"));
        if (!Generate(logPath, gnss)) {
            std::fprintf(stderr, "could not generate the log with %s\n", TRAKORA_GEN_NMEA);
            return 2;
        }
    }
    const LogCounts counts = Count(logPath);
    std::printf("log: %s, %ld lines, %ld GGA epochs\n", qPrintable(logPath), counts.Lines, counts.Epochs);
    if (longTerm)
        return CompareLongTerm(logPath, counts);

    const ReplayRun run = ReplayOnce(logPath, allWindows, false, gnss);
    if (run.Seconds < 0)
        return 1;
    std::printf("raw window lines kept: %d (limit %d)\n", run.RawLines, run.RawLimit);
    Report(allWindows ? (gnss ? "pump, all windows, all GNSS" : "pump, all windows open") : "pump, raw window open",
           run.Seconds, counts);
    // On a machine shared with other work the processor time is the steadier figure.
    Report("  the same, processor time", run.ProcessorSeconds, counts);
    std::printf("windows painted %lld times\n", run.Paints);

#ifdef TRAKORA_REPLAY_TOOL
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    QStringList toolArguments{logPath};
    if (gnss)
        toolArguments << QStringLiteral("--talkers") << QStringLiteral("all");
    tool.start(QStringLiteral(TRAKORA_REPLAY_TOOL), toolArguments);
    if (tool.waitForFinished(120000) && tool.exitCode() == 0)
        Report("trakora-replay (no windows)", static_cast<double>(clock.nsecsElapsed()) / 1e9, counts);
#endif

    if (!allWindows)
        return 0;
    // The same replay painted after every epoch must leave every window alike.
    const ReplayRun reference = ReplayOnce(logPath, true, true, gnss);
    if (reference.Seconds < 0)
        return 1;
    Report("painted after every epoch", reference.Seconds, counts);
    std::printf("windows painted %lld times\n", reference.Paints);
    int differences = 0;
    for (qsizetype i = 0; i < std::max(run.Shown.size(), reference.Shown.size()); ++i) {
        const QString fast = i < run.Shown.size() ? run.Shown[i] : QString();
        const QString every = i < reference.Shown.size() ? reference.Shown[i] : QString();
        if (fast != every && ++differences <= 10)
            std::printf("differs:\n  once a frame: %s\n  every epoch:  %s\n", qPrintable(fast), qPrintable(every));
    }
    std::printf("final state of every window (%lld controls): %s\n", static_cast<long long>(run.Shown.size()),
                differences == 0 ? "the same as painted after every epoch" : "DIFFERENT");
    return differences == 0 ? 0 : 1;
}
