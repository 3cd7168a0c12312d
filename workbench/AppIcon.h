#pragma once

#include <QIcon>
#include <QImage>

// The workbench's icon at size x size pixels: a low-pass response over blue axes on a
// white page, with the red dotted marker. Drawn without fonts, so it needs no application
// object (the build draws the installed icon with it).
QImage DrawAppIcon(int size);
// The icon at the sizes window managers ask for.
QIcon AppIcon();
// The tool bar image of Print: a printer with a sheet, 16 x 15 pixels.
QIcon PrinterIcon();
