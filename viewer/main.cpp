// Zeroplot: shows the zeros in "root.bin" of the current directory in the z-plane.
#include "CZeroplotApp.h"

#include "Display.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (!DisplayAvailable(argc, argv)) {
        std::fprintf(stderr, "Zeroplot: no display to show the zeros on (set DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM)\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Zeroplot");
    QApplication::setApplicationVersion("1.0.0.1");
    QApplication::setOrganizationName("filter-workbench");
    CZeroplotApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
