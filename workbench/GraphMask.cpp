#include "GraphMask.h"

#include "ColumnPolyline.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace {

QColor regionColour() { return QColor(0, 170, 0, 45); }
QColor limitColour() { return QColor(0, 130, 0); }

// The value a magnitude shows as on the display.
double shown(double magnitude, bool decibel)
{
    if (!decibel)
        return magnitude;
    return magnitude > 0.0 ? 20.0 * std::log10(magnitude) : -HUGE_VAL;
}

// The logical x of frequency f (a fraction of the sampling frequency).
double logicalX(const CGraphPicture& picture, double f) { return 10.0 * f / picture.dSpacing; }

// The device y of display value v, held within the pane (a limit of -infinity lies below it).
int deviceY(const CGraphMapping& m, double v)
{
    if (!std::isfinite(v))
        return v > 0 ? -1 : m.H + 1;
    return m.ToDevice(0, m.LogicalY(v)).y();
}

// The band of picture's requirements holding frequency f, if any.
const CRequirementBand* bandAt(const std::vector<CRequirementBand>& bands, double f)
{
    for (const CRequirementBand& band : bands)
        if (f >= band.dFrom && f <= band.dTo)
            return &band;
    return nullptr;
}

bool outside(const CRequirementBand& band, double f, double value, bool decibel)
{
    const double magnitude = decibel ? std::pow(10.0, value / 20.0) : value;
    return std::fabs(magnitude - band.GainAt(f)) > band.ToleranceAt(f);
}

// The points across a band per frequency at which its limits are drawn.
constexpr int kSlopeSteps = 64;

// The region of a band per frequency (a differentiator's): between its limits, which grow
// with the frequency, drawn through kSlopeSteps + 1 points each.
void drawSlopedRegion(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m,
    const CRequirementBand& band, int penWidth)
{
    QPolygon upper, lower;
    for (int k = 0; k <= kSlopeSteps; ++k) {
        const double f = band.dFrom + (band.dTo - band.dFrom) * k / kSlopeSteps;
        const int x = m.ToDevice(logicalX(picture, f), 0).x();
        upper << QPoint(x, deviceY(m, shown(band.GainAt(f) + band.ToleranceAt(f), picture.bDecibel)));
        lower << QPoint(x, deviceY(m, shown(std::max(band.GainAt(f) - band.ToleranceAt(f), 0.0), picture.bDecibel)));
    }
    QPolygon region = upper;
    for (int k = lower.size() - 1; k >= 0; --k)
        region << lower[k];
    painter.setPen(Qt::NoPen);
    painter.setBrush(regionColour());
    painter.drawPolygon(region);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(limitColour(), penWidth, Qt::DashLine));
    painter.drawPolyline(upper);
    painter.drawPolyline(lower);
}

// For each point of picture's display: whether it lies inside a band but outside its tolerance.
std::vector<bool> outsideTolerance(const CGraphPicture& picture)
{
    const std::vector<CRequirementBand> bands = RequirementBands(*picture.requirements);
    const CRealArray& a = *picture.pDisplay;
    std::vector<bool> bad(static_cast<size_t>(a.GetSize()));
    for (int i = 0; i < a.GetSize(); ++i) {
        const double f = i * picture.dSpacing;
        const CRequirementBand* band = bandAt(bands, f);
        bad[static_cast<size_t>(i)] = band && outside(*band, f, a[i], picture.bDecibel);
    }
    return bad;
}

}  // namespace

QColor WarningColour() { return QColor(235, 90, 0); }

bool ShowsMask(const CGraphPicture& picture)
{
    return picture.bScale && picture.requirements && picture.nDisplay == DisplayAmplitude && picture.pDisplay
        && picture.pDisplay->GetSize() > 0;
}

void DrawToleranceRegions(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, bool printing)
{
    if (!ShowsMask(picture))
        return;
    for (const CRequirementBand& band : RequirementBands(*picture.requirements)) {
        if (band.bPerFrequency) {
            drawSlopedRegion(painter, picture, m, band, printing ? 4 : 0);
            continue;
        }
        const int left = m.ToDevice(logicalX(picture, band.dFrom), 0).x();
        const int right = m.ToDevice(logicalX(picture, band.dTo), 0).x();
        const double upper = shown(band.dGain + band.dTolerance, picture.bDecibel);
        const double lower = band.dGain - band.dTolerance > 0.0 ? shown(band.dGain - band.dTolerance, picture.bDecibel) : -HUGE_VAL;
        const int top = deviceY(m, upper), bottom = deviceY(m, lower);
        painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), regionColour());
        painter.setPen(QPen(limitColour(), printing ? 4 : 0, Qt::DashLine));
        painter.drawLine(left, top, right, top);
        if (std::isfinite(lower))
            painter.drawLine(left, bottom, right, bottom);
    }
}

void DrawCurveOutsideTolerance(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, bool printing)
{
    if (!ShowsMask(picture))
        return;
    const CRealArray& a = *picture.pDisplay;
    const std::vector<bool> bad = outsideTolerance(picture);
    // Each run of segments that touch a point outside, as a polyline with the curve's pen,
    // so that it covers exactly the curve's own pixels there.
    painter.setPen(QPen(WarningColour(), printing ? 4 : 0));
    QPolygon run;
    for (int i = 0; i < a.GetSize(); ++i) {
        const bool segment = i + 1 < a.GetSize() && (bad[static_cast<size_t>(i)] || bad[static_cast<size_t>(i) + 1]);
        if (segment || !run.isEmpty())
            run << m.ToDevice(10.0 * i, m.LogicalY(a[i]));
        if (!segment && !run.isEmpty()) {
            DrawPolyline(painter, run.constData(), static_cast<int>(run.size()));
            run.clear();
        }
    }
}
