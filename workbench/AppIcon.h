#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

// The workbench's icon at size x size pixels (size > 0): a low-pass response over blue axes
// on a white page, with the red dotted marker, on a transparent ground. Drawn without
// fonts, so it needs no application object (the build draws the installed icons with it).
QImage DrawAppIcon(int size);
// The same icon as an SVG document of 64 x 64 user units, for the scalable icon.
QByteArray AppIconSvg();
// The icon at the sizes window managers ask for.
QIcon AppIcon();
// The tool bar image of Print: a printer with a sheet, 16 x 15 pixels.
QIcon PrinterIcon();
