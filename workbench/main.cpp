// The workbench program filter: designs FIR filters and shows their responses.
#include "CFilterApp.h"

#include "Display.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (!DisplayAvailable(argc, argv)) {
        std::fprintf(stderr, "filter: no display available; start it in a graphical session "
                             "(DISPLAY or WAYLAND_DISPLAY set) or set QT_QPA_PLATFORM\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("filter");
    QApplication::setOrganizationName("filter-workbench");
    // No display name: the platform would append it to every dialog's title. Message boxes
    // take the program's title from the application object instead.
    CFilterApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
