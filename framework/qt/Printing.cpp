#include "Printing.h"

#include <QCoreApplication>
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
    if (!painter.begin(&printer)) {
        const QString file = printer.outputFileName();
        throw std::runtime_error((file.isEmpty()
                ? QCoreApplication::translate("Printing", "The printer %1 cannot be opened.").arg(printer.printerName())
                : QCoreApplication::translate("Printing", "The printout cannot be written to \"%1\".").arg(file))
                .toStdString());
    }
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
