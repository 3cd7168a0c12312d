#include "Printing.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <stdexcept>

bool PrintWithDialog(QWidget* parent, QPrinter& printer, const CPagePainter& paint, const CPrinterSetup& setup)
{
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (setup)
        setup(printer);
    PrintPage(printer, paint);
    return true;
}

void PrintPage(QPrinter& printer, const CPagePainter& paint)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(printer.outputFileName().isEmpty()
                ? "the printer " + printer.printerName().toStdString() + " cannot be opened"
                : "cannot write \"" + printer.outputFileName().toStdString() + "\"");
    paint(painter);
}

void PrintPreview(QWidget* parent, QPrinter& printer, const CPagePainter& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&paint](QPrinter* target) { PrintPage(*target, paint); });
    dialog.exec();
}

bool PrintSetup(QWidget* parent, QPrinter& printer)
{
    return QPageSetupDialog(&printer, parent).exec() == QDialog::Accepted;
}
