// Times a fast replay through the program as it runs for a user: the real
// pump, dispatcher and windows, with the raw NMEA window open at its default
// limit (and, with --all-windows, every registered display window).
#include "app/TrakoraApplication.h"
#include "app/frmNMEA_Raw.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

using namespace trakora;

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
        if (line.rfind("$GPGGA", 0) == 0)
            ++counts.Epochs;
    }
    return counts;
}

bool Generate(const QString& path)
{
    QProcess generator;
    generator.setStandardOutputFile(path);
    generator.start(QStringLiteral("python3"), {QStringLiteral(TRAKORA_GEN_NMEA), QStringLiteral("--seconds"),
                                                QStringLiteral("3600")});
    return generator.waitForFinished(120000) && generator.exitCode() == 0;
}

void Report(const char* what, double seconds, const LogCounts& counts)
{
    std::printf("%-28s %8.3f s  %10.0f lines/s  %7.4f ms per GGA epoch\n", what, seconds, counts.Lines / seconds,
                1000.0 * seconds / static_cast<double>(counts.Epochs));
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);

    QString logPath;
    bool allWindows = false;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        if (argument == QStringLiteral("--all-windows"))
            allWindows = true;
        else
            logPath = argument;
    }
    QTemporaryDir scratch;
    if (logPath.isEmpty()) {
        logPath = scratch.filePath(QStringLiteral("hour.TKL"));
        if (!Generate(logPath)) {
            std::fprintf(stderr, "could not generate the log with %s\n", TRAKORA_GEN_NMEA);
            return 2;
        }
    }
    const LogCounts counts = Count(logPath);
    std::printf("log: %s, %ld lines, %ld GGA epochs\n", qPrintable(logPath), counts.Lines, counts.Epochs);

    CountedMessages messages;
    auto store = std::make_unique<MemorySettingsStore>();
    store->Save("Showing", "NMEA_Raw", "-1");
    TrakoraApplication app(std::move(store), &messages);
    app.Launch();
    if (allWindows)
        app.MainWindow().findChild<QAction*>(QStringLiteral("mnuShowAll"))->trigger();
    QApplication::processEvents();

    ProgramSettings& settings = app.Settings();
    settings.FileInput = FlagSet;
    settings.ReadRealTime = FlagClear;
    settings.InputFileName = logPath.toStdString();
    QElapsedTimer clock;
    clock.start();
    app.Pump().Start();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (messages.Last != "End of file." || app.RawWindow() == nullptr) {
        std::fprintf(stderr, "the replay did not run to the end (%s)\n", messages.Last.c_str());
        return 1;
    }
    std::printf("raw window lines kept: %d (limit %d)\n", app.RawWindow()->LineCount(), app.RawWindow()->Limit());
    Report(allWindows ? "pump, all windows open" : "pump, raw window open", seconds, counts);

#ifdef TRAKORA_REPLAY_TOOL
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    clock.restart();
    tool.start(QStringLiteral(TRAKORA_REPLAY_TOOL), {logPath});
    if (tool.waitForFinished(120000) && tool.exitCode() == 0)
        Report("trakora-replay (no windows)", static_cast<double>(clock.nsecsElapsed()) / 1e9, counts);
#endif
    return 0;
}
