#pragma once

#include "CFrameWnd.h"

#include <map>
#include <vector>

// The workbench's command surface, as its resources define it: the menus, the
// accelerators, the tool bar's commands, the command prompts and the status bar texts.
// The texts are made in the language of the translators installed when they are asked for.
std::vector<CMenuItem> WorkbenchMenus();
const std::vector<CAccelerator>& WorkbenchAccelerators();
// The tool bar's command ids in order; 0 is a separator.
const std::vector<int>& WorkbenchToolBar();
std::map<int, QString> WorkbenchPrompts();
// The message pane's idle text and the indicator panes' texts.
QString WorkbenchIdleText();
QStringList WorkbenchIndicators();
