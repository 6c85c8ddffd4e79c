#include "app/QtDisplayWindows.h"

// A window joins the program in two steps: include its header here and
// register it in RegisterDisplayWindows (DisplayWindowEntry::For<frmX> when
// its constructor is `frmX(ProgramContext&, QWidget* = nullptr)`); then link
// its library to trakora_app in app.cmake. The Settings dialog and the
// splash window are opened through MakeDialogOpeners.

#include "app/QtSerialPort.h"
#include "app/SerialDeviceOrder.h"
#include "common/WindowRoutines.h"
#include "dialogs/QtFileChooser.h"
#include "dialogs/frmSettings.h"
#include "dialogs/frmSplash.h"
#include "longterm/frmLongTerm.h"
#include "views/frmDataStat.h"
#include "views/frmSatInfo.h"
#include "views/frmSatPositions.h"
#include "views/frmShowPosition.h"

#include <QPointer>

#include <memory>

namespace trakora {

void RegisterDisplayWindows(WindowRegistry& registry, WindowServices& services)
{
    registry.Register(WindowKind::DataStat, DisplayWindowEntry::For<frmDataStat>(services.Context));
    registry.Register(WindowKind::ShowPos, DisplayWindowEntry::For<frmShowPosition>(services.Context));
    registry.Register(WindowKind::SatInfo, DisplayWindowEntry::For<frmSatInfo>(services.Context));
    registry.Register(WindowKind::SatPos, DisplayWindowEntry::For<frmSatPositions>(services.Context));
    DisplayWindowEntry longTerm;
    longTerm.Create = [&services]() -> QWidget* { return new frmLongTerm(services.Context, services.Clock); };
    longTerm.Bind<frmLongTerm>();
    registry.Register(WindowKind::LongTerm, std::move(longTerm));
}

// Each dialog exists at most once: opening it again brings it forward.
DialogOpeners MakeDialogOpeners(WindowServices& services)
{
    auto settings = std::make_shared<QPointer<frmSettings>>();
    auto files = std::make_shared<QtFileChooser>();
    DialogOpeners openers;
    openers.OpenSettings = [&services, settings, files] {
        if (!*settings) {
            *settings = new frmSettings(services.Context, services.OutputLog, *files, services.Messages,
                                        services.Clock, [] { return QtSerialPort::DescribedDevices(); });
            // What the dialog saved is written as soon as it is done.
            if (QWidget* main = services.MainWindow())
                QObject::connect(*settings, &QObject::destroyed, main, [&services] { services.Context.Store.Flush(); });
            FitOnScreenWhenShown(**settings);
        }
        (*settings)->show();
        (*settings)->raise();
        (*settings)->activateWindow();
    };
    auto splash = std::make_shared<QPointer<frmSplash>>();
    openers.OpenSplash = [&services, splash] {
        if (!*splash)
            *splash = new frmSplash(services.Context.Settings);
        (*splash)->show();
        (*splash)->raise();
    };
    return openers;
}

} // namespace trakora
