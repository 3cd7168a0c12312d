#pragma once

#include "CFrameWnd.h"

#include <QIcon>
#include <QString>
#include <map>
#include <vector>

// The zero viewer's resources: texts, menu, accelerator keys and icon.
namespace zeroplot {

// The application title, shown after the document's title in the window's.
inline const char* const kAppTitle = "Zeroplot";
inline const char* const kAboutCaption = "About Zeroplot";
inline const char* const kAboutVersion = "Zeroplot Version 1.0";
inline const char* const kAboutNote = "Shows the zeros of a filter in the z-plane";

// The main frame's initial place and size, in pixels.
constexpr int kFrameX = 100;
constexpr int kFrameY = 50;
constexpr int kFrameWidth = 360;
constexpr int kFrameHeight = 400;

// File (Save Image, Copy Image, Print, Print Preview, Print Setup, Exit), View (Show All,
// Scale), Help (About).
std::vector<CMenuItem> Menus();
// New, Open, Save, Print, Undo, Cut, Copy, Paste, Next and Previous Pane, Copy Image.
std::vector<CAccelerator> Accelerators();
// The prompts "status text\ntool tip" of the picture commands and the scale.
std::map<int, QString> Prompts();
// The application icon, 32 x 32 and 16 x 16: axes and unit circle with three zeros.
QIcon AppIcon();

}  // namespace zeroplot
