#pragma once

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

// Draws one page. The painter works in the printer's device units, with the origin at the
// top-left corner of the printable area.
using CPagePainter = std::function<void(QPainter&)>;

// Adjusts the printer once the user has set it up (its resolution, say), before a page is drawn.
using CPrinterSetup = std::function<void(QPrinter&)>;

// The print dialog on printer; on OK calls setup (if given) and prints one page. False
// when cancelled.
bool PrintWithDialog(QWidget* parent, QPrinter& printer, const CPagePainter& paint, const CPrinterSetup& setup = {});
// Prints one page on printer as it is set up, without a dialog. Throws std::runtime_error
// when the printer (or its output file) cannot be opened.
void PrintPage(QPrinter& printer, const CPagePainter& paint);
// The print preview window on printer, showing the page paint draws.
void PrintPreview(QWidget* parent, QPrinter& printer, const CPagePainter& paint);
// The page setup dialog on printer. False when cancelled.
bool PrintSetup(QWidget* parent, QPrinter& printer);
