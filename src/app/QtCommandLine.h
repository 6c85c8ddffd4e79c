#pragma once

#include "app/QtWindowRegistry.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace trakora {

// Choices of the optional command line; they hold for this run only and are
// never written to the settings.
struct RunOptions {
    QString ReplayFile; // replay this log, then Start
    bool Timed = false; // with ReplayFile: in step with the clock
    QString PortDevice; // read the receiver on this device, then Start
    std::vector<WindowKind> Show; // windows to open for this run, in this order
};

// The names --show takes, one per window, in the order of the Display menu
// ("position,satellites,sky,longterm,status,raw").
QString ShowableWindowNames();

enum class CommandLineOutcome { Run, ExitOk, ExitError };

// Reads the arguments (the first is the program). For --help, --version and
// mistakes, `message` holds what to print.
CommandLineOutcome ParseCommandLine(const QStringList& arguments, RunOptions& options, QString& message);

} // namespace trakora
