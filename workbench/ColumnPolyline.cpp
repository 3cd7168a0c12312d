#include "ColumnPolyline.h"

#include <QPainter>
#include <algorithm>

QPolygon ColumnExtremes(const QPoint* points, int count)
{
    QPolygon reduced;
    const auto byY = [](const QPoint& a, const QPoint& b) { return a.y() < b.y(); };
    for (const QPoint* first = points; first != points + count;) {
        const QPoint* end = std::find_if(first, points + count, [x = first->x()](const QPoint& p) { return p.x() != x; });
        const auto [low, high] = std::minmax_element(first, end, byY);
        const QPoint* kept[] = {first, std::min(low, high), std::max(low, high), end - 1};
        for (size_t i = 0; i < std::size(kept); ++i)
            if (i == 0 || kept[i] != kept[i - 1])
                reduced << *kept[i];
        first = end;
    }
    return reduced;
}

void DrawPolyline(QPainter& painter, const QPoint* points, int count)
{
    if (painter.pen().isCosmetic() && painter.transform().type() <= QTransform::TxTranslate) {
        const QPolygon reduced = ColumnExtremes(points, count);
        painter.drawPolyline(reduced.constData(), static_cast<int>(reduced.size()));
    } else {
        painter.drawPolyline(points, count);
    }
}
