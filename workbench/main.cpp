// The workbench program filter: designs FIR filters and shows their responses.
#include "CFilterApp.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// True when Qt has somewhere to show windows: an X or Wayland display, or a platform
// named in the environment or on the command line.
bool displayAvailable(int argc, char** argv)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable(argc, argv)) {
        std::fprintf(stderr, "filter: no display available; start it in a graphical session "
                             "(DISPLAY or WAYLAND_DISPLAY set) or set QT_QPA_PLATFORM\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("filter");
    QApplication::setOrganizationName("filter-workbench");
    QApplication::setApplicationDisplayName("Filter");
    CFilterApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
