#include "app/QtCommandLine.h"
#include "app/TrakoraApplication.h"
#include "common/QtSettingsStore.h"
#include "common/Version.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace trakora;

    // Read before the toolkit starts, so --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    RunOptions options;
    QString message;
    switch (ParseCommandLine(arguments, options, message)) {
    case CommandLineOutcome::ExitOk:
        std::fputs(message.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLineOutcome::ExitError:
        std::fprintf(stderr, "%s\nTry --help.\n", message.toLocal8Bit().constData());
        return 2;
    case CommandLineOutcome::Run:
        break;
    }

    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trakora"));
    // Lets the desktop match the windows with the menu entry and its icon.
    QApplication::setDesktopFileName(QLatin1String(ApplicationId));
    QApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(ApplicationId)));
    auto app = std::make_unique<TrakoraApplication>(std::make_unique<QtSettingsStore>());
    app->Launch(options);
    const int status = QApplication::exec();
    app.reset();
    return status;
}
