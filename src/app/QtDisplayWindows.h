#pragma once

#include "app/QtWindowRegistry.h"
#include "common/LocalTime.h"
#include "common/ProgramContext.h"
#include "nmea/LogFile.h"
#include "nmea/LogSink.h"

#include <functional>

namespace trakora {

// What the display windows and dialogs may be given when they are made.
struct WindowServices {
    ProgramContext& Context;
    LogFile& OutputLog;                   // the one recording log, shared with the Settings dialog
    IClock& Clock;
    IMessageSink& Messages;
    std::function<QWidget*()> MainWindow; // the main window, once it exists
};

// The openers of the two dialogs.
struct DialogOpeners {
    std::function<void()> OpenSettings;
    std::function<void()> OpenSplash;
};

// Registers every display window class of the program (the raw NMEA window
// is registered by the application itself, which also wires it to the
// dispatcher) and gives the dialogs' openers.
void RegisterDisplayWindows(WindowRegistry& registry, WindowServices& services);
DialogOpeners MakeDialogOpeners(WindowServices& services);

} // namespace trakora
