// The workbench program filter: designs FIR filters and shows their responses.
#include "CFilterApp.h"

#include "Display.h"
#include "WorkbenchCommandLine.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    // Without a display the command line is still read, so that --help works anywhere.
    const bool display = DisplayAvailable(argc, argv);
    const std::unique_ptr<QCoreApplication> application =
        display ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName("filter");
    QCoreApplication::setOrganizationName("filter-workbench");
    QGuiApplication::setDesktopFileName("filter-workbench");  // the desktop entry of the window
    // No display name: the platform would append it to every dialog's title. Message boxes
    // take the program's title from the application object instead.
    const CWorkbenchCommandLine line =
        ReadWorkbenchCommandLine(QCoreApplication::arguments(), QLocale::system().uiLanguages());
    if (!line.strHelp.isEmpty()) {
        std::fputs(qPrintable(line.strHelp), stdout);
        return 0;
    }
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
