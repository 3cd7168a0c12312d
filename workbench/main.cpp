// The workbench program filter: designs FIR filters and shows their responses.
#include "CFilterApp.h"

#include "Display.h"
#include "GuardedApplication.h"
#include "WorkbenchCommandLine.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <memory>

namespace {

// The program once its application object exists: the command line, then the workbench.
int run(bool display)
{
    const CWorkbenchCommandLine line =
        ReadWorkbenchCommandLine(QCoreApplication::arguments(), QLocale::system().uiLanguages());
    if (!line.strHelp.isEmpty())
        return WriteStandardOutput("filter", line.strHelp);
    if (!line.strError.isEmpty()) {
        std::fprintf(stderr, "filter: %s\n", qPrintable(line.strError));
        return 1;
    }
    if (!display) {
        std::fprintf(stderr, "filter: %s\n",
            qPrintable(QCoreApplication::translate("main", "no display available; start it in a graphical session "
                                                           "(DISPLAY or WAYLAND_DISPLAY set) or set QT_QPA_PLATFORM")));
        return 1;
    }
    CFilterApp app;
    if (!app.InitInstance(line.documents))
        return 1;
    return QApplication::exec();
}

}  // namespace

// The outer guard catches what fails before the application object exists; the inner one
// what fails while it does, so that the message box can still be shown.
int main(int argc, char** argv)
{
    return RunGuarded("filter", [&] {
        // Without a display the command line is still read, so that --help works anywhere.
        const bool display = DisplayAvailable(argc, argv);
        const std::unique_ptr<QCoreApplication> application = display
            ? std::make_unique<CGuardedApplication>(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
        // No display name: the platform would append it to every dialog's title. Message
        // boxes take the program's title from the application object instead.
        QCoreApplication::setApplicationName("filter");
        QCoreApplication::setOrganizationName("filter-workbench");
        QGuiApplication::setDesktopFileName("filter-workbench");  // the desktop entry of the window
        return RunGuarded("filter", [display] { return run(display); });
    });
}
