// Zeroplot: shows the zeros in "root.bin" of the current directory in the z-plane.
#include "CZeroplotApp.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// True when Qt can find somewhere to show the window: a display in the environment, a
// platform named there, or a -platform argument. Without one Qt would abort.
bool HasDisplay(int argc, char** argv)
{
    const bool named = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "-platform") == 0; });
    return named || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!HasDisplay(argc, argv)) {
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
