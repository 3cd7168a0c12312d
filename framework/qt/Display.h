#pragma once

// True when Qt has somewhere to show windows: an X or Wayland display, or a platform
// named in the environment (QT_QPA_PLATFORM) or by a -platform argument. Without one
// QApplication would abort with a stack of warnings.
bool DisplayAvailable(int argc, char** argv);
