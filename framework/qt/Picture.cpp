#include "Picture.h"

#include "CPictureDlg.h"
#include "FileIo.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

QImage RenderImage(const QSize& size, const CPictureDraw& draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter);
    return image;
}

QByteArray RenderSvg(const QSize& size, const CPictureDraw& draw, const QString& title)
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setResolution(96);  // the CSS pixel: the document is as many pixels wide as asked
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    QPainter painter(&generator);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    draw(painter);
    painter.end();
    return buffer.data();
}

void SavePicture(const std::string& path, const QSize& size, const CPictureDraw& draw, const QString& title)
{
    QByteArray bytes;
    if (QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive)) {
        bytes = RenderSvg(size, draw, title);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        RenderImage(size, draw).save(&buffer, "PNG");
    }
    exchange::WriteFileAtomically(path, bytes.toStdString());
}

void CopyPicture(const QSize& size, const CPictureDraw& draw, const QString& title)
{
    auto* data = new QMimeData;
    data->setImageData(RenderImage(size, draw));
    data->setData("image/svg+xml", RenderSvg(size, draw, title));
    QApplication::clipboard()->setMimeData(data);
}

std::optional<CPictureRequest> AskPictureFile(QWidget* parent, const QSize& size, const QString& defaultName)
{
    CPictureDlg sizeDialog(size, parent);
    if (sizeDialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString png = QCoreApplication::translate("Picture", "PNG image (*.png)");
    QFileDialog dialog(parent, QCoreApplication::translate("Picture", "Save Image"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, QCoreApplication::translate("Picture", "SVG image (*.svg)")});
    dialog.setDefaultSuffix("png");
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, png](const QString& filter) { dialog.setDefaultSuffix(filter == png ? "png" : "svg"); });
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return CPictureRequest{dialog.selectedFiles().front().toStdString(), sizeDialog.GetSize()};
}
