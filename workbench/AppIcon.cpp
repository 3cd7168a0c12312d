#include "AppIcon.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cmath>

namespace {

// Paints the icon on a square of 64 x 64 units at the painter's origin.
void PaintAppIcon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 6, 6);
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawLine(QPointF(10, 8), QPointF(10, 56));
    p.drawLine(QPointF(8, 52), QPointF(58, 52));
    QPainterPath response;
    for (int i = 0; i <= 46; ++i) {
        // A smooth low pass: flat, a falling edge at a third of the width, then the stop band.
        const double x = 10 + i, t = (i - 16) / 5.0;
        const double y = 52 - 36 / (1 + std::exp(2 * t));
        i == 0 ? response.moveTo(x, y) : response.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(response);
    p.setPen(QPen(QColor(255, 0, 0), 2, Qt::DotLine));
    p.drawLine(QPointF(26, 8), QPointF(26, 56));
}

}  // namespace

QImage DrawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 64.0, size / 64.0);
    PaintAppIcon(p);
    return image;
}

QByteArray AppIconSvg()
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(64, 64));
    generator.setResolution(96);  // one user unit a CSS pixel
    generator.setViewBox(QRect(0, 0, 64, 64));
    generator.setTitle("Filter");
    QPainter p(&generator);
    // No text is drawn, but the generator writes the font of every state: a valid one.
    QFont font("sans-serif");
    font.setPixelSize(10);
    p.setFont(font);
    PaintAppIcon(p);
    p.end();
    return buffer.data();
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}

QIcon PrinterIcon()
{
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 6);    // the sheet going in
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 13, 5);   // the body
    p.setBrush(Qt::white);
    p.drawRect(3, 10, 9, 4);   // the sheet coming out
    return QIcon(pixmap);
}
