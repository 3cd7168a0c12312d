#include "Display.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

bool DisplayAvailable(int argc, char** argv)
{
    const bool named = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "-platform") == 0; });
    return named || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
