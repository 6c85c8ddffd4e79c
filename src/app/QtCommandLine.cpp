#include "app/QtCommandLine.h"

#include "common/Version.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace trakora {

namespace {

struct NamedWindow {
    const char* Name;
    WindowKind Kind;
};

constexpr NamedWindow WindowNames[] = {
    {"position", WindowKind::ShowPos}, {"satellites", WindowKind::SatInfo}, {"sky", WindowKind::SatPos},
    {"longterm", WindowKind::LongTerm}, {"status", WindowKind::DataStat}, {"raw", WindowKind::NMEARaw},
};

// The windows of a --show list; false (with the name in `unknown`) for a name
// that is none of them.
bool ReadWindowList(const QString& list, std::vector<WindowKind>& kinds, QString& unknown)
{
    for (const QString& name : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto* found = std::find_if(std::begin(WindowNames), std::end(WindowNames),
                                         [&](const NamedWindow& w) { return name.trimmed() == QLatin1String(w.Name); });
        if (found == std::end(WindowNames)) {
            unknown = name;
            return false;
        }
        kinds.push_back(found->Kind);
    }
    return true;
}

} // namespace

QString ShowableWindowNames()
{
    QStringList names;
    for (const NamedWindow& window : WindowNames)
        names << QLatin1String(window.Name);
    return names.join(QLatin1Char(','));
}

CommandLineOutcome ParseCommandLine(const QStringList& arguments, RunOptions& options, QString& message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Trakora shows what an NMEA-0183 GPS receiver reports, live from a serial port or replayed from a log.\n"
        "Without options it starts idle; choose Input > Start New (F2)."));
    const QCommandLineOption replay(QStringLiteral("replay"), QStringLiteral("Replay the log FILE, then start."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption timed(QStringLiteral("timed"),
                                   QStringLiteral("With --replay: replay in step with the clock."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Read the receiver on serial DEVICE, then start."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("Open the windows of LIST (comma-separated: %1) for this run, "
                                                 "without remembering them for the next.")
                                      .arg(ShowableWindowNames()),
                                  QStringLiteral("LIST"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    parser.addOptions({replay, timed, port, show, help, version});

    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return CommandLineOutcome::ExitError;
    }
    if (parser.isSet(help)) {
        // Without a running application the usage line cannot name the program itself.
        message = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                            QFileInfo(arguments.value(0)).fileName());
        return CommandLineOutcome::ExitOk;
    }
    if (parser.isSet(version)) {
        message = QStringLiteral("Trakora ") + QLatin1String(ProgramVersionText) + QLatin1Char('\n');
        return CommandLineOutcome::ExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().front();
        return CommandLineOutcome::ExitError;
    }
    if (parser.isSet(replay) && parser.isSet(port)) {
        message = QStringLiteral("--replay and --port cannot be used together.");
        return CommandLineOutcome::ExitError;
    }
    if (parser.isSet(timed) && !parser.isSet(replay)) {
        message = QStringLiteral("--timed needs --replay FILE.");
        return CommandLineOutcome::ExitError;
    }
    for (const QString& list : parser.values(show)) {
        QString unknown;
        if (!ReadWindowList(list, options.Show, unknown)) {
            message = QStringLiteral("--show: no window is called \"%1\"; the names are %2.")
                          .arg(unknown, ShowableWindowNames());
            return CommandLineOutcome::ExitError;
        }
    }
    options.ReplayFile = parser.value(replay);
    options.Timed = parser.isSet(timed);
    options.PortDevice = parser.value(port);
    return CommandLineOutcome::Run;
}

} // namespace trakora
