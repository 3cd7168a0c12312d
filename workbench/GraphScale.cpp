#include "GraphScale.h"

#include "DisplayData.h"
#include "NumberText.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Where the curve lies on the device: its first and last point, its largest and smallest value.
struct CDataRect {
    int left, right, top, bottom;
};

// Labels in dark grey, never the black of the curve.
QColor labelColour() { return QColor(96, 96, 96); }

// The vertical range the scale covers: the picture's, or for values that are all equal the
// range whose middle the mapping draws their flat line at.
std::pair<double, double> valueRange(const CGraphPicture& picture)
{
    const auto [lo, hi] = PictureValueRange(picture);
    if (hi > lo)
        return {lo, hi};
    const double d = std::max(std::fabs(hi), 1.0);
    return {std::max(hi - d, -DBL_MAX), std::min(hi + d, DBL_MAX)};
}

CDataRect dataRect(const CGraphPicture& picture, const CGraphMapping& m)
{
    const auto [lo, hi] = valueRange(picture);
    const int last = picture.pDisplay->GetSize() - 1;
    return {m.ToDevice(0, 0).x(), m.ToDevice(10.0 * last, 0).x(), m.ToDevice(0, m.LogicalY(hi)).y(),
        m.ToDevice(0, m.LogicalY(lo)).y()};
}

// The box of text drawn with its top left at (x, top) in the painter's font.
QRect textBox(const QFontMetrics& fm, const QString& text, int x, int top)
{
    return QRect(x, top, fm.horizontalAdvance(text), fm.height());
}

void drawLabel(QPainter& painter, const QRect& box, const QString& text)
{
    painter.setPen(labelColour());
    painter.drawText(box, Qt::AlignCenter, text);
}

// The ticks below the curve and the unit at the right end of their row. The row lies below
// the smallest value, raised where the pane's bottom leaves less than a line; a tick label
// that would meet the unit gives way to it.
void drawHorizontalScale(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, const CDataRect& r,
    const QPen& grid, int font)
{
    const CAxisUnit unit = AbscissaUnit(picture);
    const double perPoint = picture.dSpacing * unit.dFactor;
    const double largest = (picture.pDisplay->GetSize() - 1) * perPoint;
    const int maxCount = std::max(1, (r.right - r.left) / (6 * font));
    const double step = RoundStep(0.0, largest, maxCount);
    const QFontMetrics fm = painter.fontMetrics();
    const int top = std::min(r.bottom + font / 4, m.H - fm.height() - 1);
    const QString unitText = QString::fromStdString(unit.strName);
    const QRect unitBox = textBox(fm, unitText, m.W - font / 2 - fm.horizontalAdvance(unitText), top);
    for (double tick : RoundTicks(0.0, largest, maxCount)) {
        const int x = m.ToDevice(10.0 * tick / perPoint, 0).x();
        painter.setPen(grid);
        painter.drawLine(x, r.top, x, r.bottom);
        const QString text = QString::fromStdString(FormatTick(tick, step));
        const QRect box = textBox(fm, text, x - fm.horizontalAdvance(text) / 2, top);
        if (!box.intersects(unitBox.adjusted(-font / 2, 0, 0, 0)))
            drawLabel(painter, box, text);
    }
    drawLabel(painter, unitBox, unitText);
}

// The ticks left of the curve, right-aligned at its left end, and the unit in the top left
// corner; a tick label that would meet the unit gives way to it.
void drawVerticalScale(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, const CDataRect& r,
    const QPen& grid, int font)
{
    const auto [lo, hi] = valueRange(picture);
    const int maxCount = std::max(1, (r.bottom - r.top) / (3 * font));
    const double step = RoundStep(lo, hi, maxCount);
    const QFontMetrics fm = painter.fontMetrics();
    const QString unitText = QString::fromStdString(DisplayValueUnit(picture.nDisplay, picture.bDecibel));
    const QRect unitBox = unitText.isEmpty() ? QRect() : textBox(fm, unitText, font / 4, 0);
    for (double tick : RoundTicks(lo, hi, maxCount)) {
        const int y = m.ToDevice(0, m.LogicalY(tick)).y();
        painter.setPen(grid);
        painter.drawLine(r.left, y, r.right, y);
        const QString text = QString::fromStdString(FormatTick(tick, step));
        const QRect box = textBox(fm, text, r.left - font / 4 - fm.horizontalAdvance(text), y - fm.height() / 2);
        if (!box.intersects(unitBox))
            drawLabel(painter, box, text);
    }
    drawLabel(painter, unitBox, unitText);
}

// The labels' size in device pixels: the UI font's, 4 times larger on paper, where the
// pane is drawn 4 times larger.
int labelPixelSize(bool printing)
{
    return std::max(1, QFontInfo(QApplication::font()).pixelSize()) * (printing ? 4 : 1);
}

}  // namespace

CAxisUnit AbscissaUnit(const CGraphPicture& picture)
{
    const double largest = (picture.pDisplay->GetSize() - 1) * picture.dSpacing;
    return IsTimeDisplay(picture.nDisplay) ? TimeUnit(picture.dSampleRate, largest)
                                           : FrequencyUnit(picture.dSampleRate, largest);
}

void DrawGraphScale(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, bool printing)
{
    const int font = labelPixelSize(printing);
    QFont labelFont = QApplication::font();
    labelFont.setPixelSize(font);
    painter.setFont(labelFont);
    const QPen grid(QColor(225, 225, 225), printing ? 2 : 0);
    const CDataRect r = dataRect(picture, m);
    drawHorizontalScale(painter, picture, m, r, grid, font);
    drawVerticalScale(painter, picture, m, r, grid, font);
}

int NearestIndex(const CGraphPicture& picture, const CGraphMapping& m, QPoint p)
{
    const double x = m.ToLogical(QPointF(p)).x() / 10.0;
    const double last = picture.pDisplay->GetSize() - 1;
    return static_cast<int>(std::lround(std::clamp(std::isfinite(x) ? x : 0.0, 0.0, last)));
}

QString ReadoutText(const CGraphPicture& picture, int index)
{
    const double abscissa = index * picture.dSpacing;
    const bool time = IsTimeDisplay(picture.nDisplay);
    const std::string where = time ? FormatTime(abscissa, picture.dSampleRate) : FormatFrequency(abscissa, picture.dSampleRate);
    const std::string unit = DisplayValueUnit(picture.nDisplay, picture.bDecibel);
    const bool undefined = !picture.undefined.empty() && picture.undefined[static_cast<size_t>(index)];
    const std::string value = undefined ? QCoreApplication::translate("CFilterView", "undefined").toStdString()
                                        : FormatGeneral((*picture.pDisplay)[index], 6) + (unit.empty() ? "" : " " + unit);
    return QCoreApplication::translate("CFilterView", "[%1]  %2 = %3  %4")
        .arg(index)
        .arg(time ? "t" : "f", QString::fromStdString(where), QString::fromStdString(value));
}
