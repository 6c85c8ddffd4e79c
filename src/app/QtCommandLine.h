#pragma once

#include <QString>
#include <QStringList>

namespace trakora {

// Choices of the optional command line; they hold for this run only and are
// never written to the settings.
struct RunOptions {
    QString ReplayFile; // replay this log, then Start
    bool Timed = false; // with ReplayFile: in step with the clock
    QString PortDevice; // read the receiver on this device, then Start
};

enum class CommandLineOutcome { Run, ExitOk, ExitError };

// Reads the arguments (the first is the program). For --help, --version and
// mistakes, `message` holds what to print.
CommandLineOutcome ParseCommandLine(const QStringList& arguments, RunOptions& options, QString& message);

} // namespace trakora
