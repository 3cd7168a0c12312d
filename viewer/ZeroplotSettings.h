#pragma once

// Zeroplot's view option and what it reads of the workbench's settings (QSettings of the
// same organisation).
namespace zeroplot {

// Whether the z-plane shows its scale and the readout of the zero under the mouse; off
// unless the user turned it on.
bool LoadScaleVisible();
void SaveScaleVisible(bool visible);

// The application name the workbench keeps its settings under.
inline const char* const kWorkbenchSettingsName = "filter";
// The sampling frequency the workbench works with, in Hz (its "View/SampleRate"), so that
// the readout speaks in the same units; 0 when it has none, or holds anything but a number
// above 0 up to 1e12.
double WorkbenchSampleRate();

}  // namespace zeroplot
