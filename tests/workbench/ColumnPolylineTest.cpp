// Curves of many points per pixel column: the reduced polyline against the drawing of
// every point (each column's black span the same to a pixel, hardly a pixel different in
// all), and the graph pane of a long display against the polyline of all its points.
#include "CFilterView.h"
#include "ColumnPolyline.h"
#include "Resource.h"
#include "WorkbenchTestSupport.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <random>

namespace {

constexpr int kWidth = 240, kHeight = 160;

// The picture of a black polyline drawn by draw on white, with a one-pixel pen and the
// painter translated by offset.
QImage Picture(const std::function<void(QPainter&)>& draw, QPoint offset)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(offset);
    painter.setPen(QPen(Qt::black, 0));
    draw(painter);
    return image;
}

bool IsBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

// The black rows of column x of image from top to bottom, or (-1, -2) when there are none.
std::pair<int, int> BlackSpan(const QImage& image, int x)
{
    std::pair<int, int> span(-1, -2);
    for (int y = 0; y < image.height(); ++y) {
        if (IsBlack(image, x, y)) {
            span.first = span.first < 0 ? y : span.first;
            span.second = y;
        }
    }
    return span;
}

// How a drawing differs from the expected one, apart from column skipX: the columns
// whose black span's ends lie more than a pixel apart (a blank column against a pixel is
// one pixel), and how many pixels are black in one and not in the other, of how many
// black in the expected.
struct Difference {
    std::vector<int> columns;
    int pixels = 0;
    int black = 0;
};

Difference Compare(const QImage& expected, const QImage& drawn, int skipX = -1)
{
    Difference d;
    for (int x = 0; x < expected.width(); ++x) {
        if (x == skipX)
            continue;
        const auto [top, bottom] = BlackSpan(expected, x);
        const auto [drawnTop, drawnBottom] = BlackSpan(drawn, x);
        const int apart = (top < 0) != (drawnTop < 0) ? std::max(bottom - top, drawnBottom - drawnTop) + 1
                                                      : std::max(std::abs(top - drawnTop), std::abs(bottom - drawnBottom));
        if (apart > 1)
            d.columns.push_back(x);
        for (int y = 0; y < expected.height(); ++y) {
            d.black += IsBlack(expected, x, y);
            d.pixels += IsBlack(expected, x, y) != IsBlack(drawn, x, y);
        }
    }
    return d;
}

// Expects drawn to show the curve of expected: every column's span to a pixel, and at
// most one pixel in a thousand of the black ones different (or one, for short curves).
void ExpectSameCurve(const QImage& expected, const QImage& drawn, int skipX = -1)
{
    const Difference d = Compare(expected, drawn, skipX);
    EXPECT_TRUE(d.columns.empty()) << d.columns.size() << " columns differ by more than a pixel, the first " << d.columns[0];
    EXPECT_LE(d.pixels, std::max(1, d.black / 1000)) << "pixels differ, of " << d.black << " black";
}

// n points spread evenly over columns first .. last (n / columns points per column), with
// y(i) as value.
QPolygon Spread(int n, int first, int last, const std::function<int(int)>& y)
{
    QPolygon points(n);
    for (int i = 0; i < n; ++i)
        points[i] = QPoint(first + static_cast<int>(static_cast<long long>(i) * (last - first + 1) / n), y(i));
    return points;
}

QPolygon RandomWalk(int n, int step, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> move(-step, step);
    int y = kHeight / 2;
    return Spread(n, 5, kWidth - 5, [&](int) { return y = std::clamp(y + move(random), -40, kHeight + 40); });
}

struct Curve {
    const char* name;
    QPolygon points;
    QPoint offset;
    int maxReduced;  // the most points the reduced polyline may keep
};

std::vector<Curve> Curves()
{
    const int n = 262140;  // the real part of a 65535-tap filter's response
    QPolygon backAndForth;
    for (int i = 0; i < 400; ++i)
        backAndForth << QPoint(20 + (i / 7) % 30 - (i / 210) * 10, 10 + (i * 37) % 140);
    return {
        {"alternating extremes", Spread(n, 10, 229, [](int i) { return i % 2 ? 20 : 140; }), {}, 4 * 220},
        {"random walk", RandomWalk(50000, 9, 1), {}, 4 * 232},
        {"steep random walk", RandomWalk(3000, 60, 2), {}, 4 * 232},
        {"translated random walk", RandomWalk(20000, 5, 3), QPoint(7, -3), 4 * 232},
        {"dense sine", Spread(n, 0, kWidth - 1, [](int i) { return 80 + static_cast<int>(std::lround(70 * std::sin(i * 1e-4))); }), {}, 4 * kWidth},
        {"beyond the pane", Spread(5000, -20, kWidth + 20, [](int i) { return i % 3 ? -(1 << 24) : (i % 5) * 100; }), {}, 4 * (kWidth + 41)},
        {"one point a column", Spread(200, 20, 219, [](int i) { return (i * 53) % kHeight; }), {}, 200},
        {"columns revisited", backAndForth, {}, 400},
        {"two points in one column", QPolygon({QPoint(50, 10), QPoint(50, 90)}), {}, 2},
        {"one point", QPolygon({QPoint(50, 10)}), {}, 1},
    };
}

class WorkbenchGraphTest : public WorkbenchTest {};

}  // namespace

TEST(ColumnPolyline, DrawsTheCurveOfEveryPointWithFewerPoints)
{
    for (const Curve& c : Curves()) {
        SCOPED_TRACE(c.name);
        const QPolygon& p = c.points;
        const QImage whole = Picture([&p](QPainter& painter) { painter.drawPolyline(p); }, c.offset);
        const QImage reduced = Picture([&p](QPainter& painter) { DrawPolyline(painter, p.constData(), static_cast<int>(p.size())); }, c.offset);
        ExpectSameCurve(whole, reduced);
        EXPECT_LE(ColumnExtremes(p.constData(), static_cast<int>(p.size())).size(), c.maxReduced);
    }
    EXPECT_TRUE(ColumnExtremes(nullptr, 0).isEmpty());
}

// Short curves of every kind of step, where single pixels weigh most: each column's span
// stays the same to a pixel.
TEST(ColumnPolyline, ShortCurvesKeepEachColumnsSpanToAPixel)
{
    std::mt19937 random(11);
    const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int length = 2; length <= 40; ++length) {
        for (int trial = 0; trial < 40; ++trial) {
            const int step = 1 + below(40), perColumn = 1 + below(8);
            QPolygon p;
            for (int i = 0, x = 3, y = kHeight / 2; i < length; ++i)
                p << QPoint(x += below(perColumn) == 0, y = std::clamp(y + below(2 * step + 1) - step, 0, kHeight - 1));
            const Difference d = Compare(Picture([&p](QPainter& painter) { painter.drawPolyline(p); }, {}),
                Picture([&p, length](QPainter& painter) { DrawPolyline(painter, p.constData(), length); }, {}));
            ASSERT_TRUE(d.columns.empty()) << "length " << length << ", trial " << trial << ": column " << d.columns[0];
        }
    }
}

TEST(ColumnPolyline, KeepsEachColumnsFirstLowestHighestAndLastPointInOrder)
{
    const QPolygon columns({{3, 5}, {3, 7}, {3, 9}, {3, 6}, {3, 1}, {3, 2}, {3, 4}, {4, 7}, {5, 2}, {5, 3}, {5, 8},
        {5, 8}, {5, 6}});
    EXPECT_EQ(ColumnExtremes(columns.constData(), static_cast<int>(columns.size())),
        QPolygon({{3, 5}, {3, 9}, {3, 1}, {3, 4}, {4, 7}, {5, 2}, {5, 8}, {5, 6}}));
    const QPolygon falling({{1, 9}, {1, 8}, {1, 7}, {1, 6}, {1, 5}});
    EXPECT_EQ(ColumnExtremes(falling.constData(), 5), QPolygon({{1, 9}, {1, 5}}));
}

// The graph of the real part of a 65535-tap response, hundreds of values to each pixel
// column: it shows the curve of the polyline through all 262140 points (apart from the
// marker's column, which the red marker draws over).
TEST_F(WorkbenchGraphTest, LongCurveShowsTheCurveOfEveryPoint)
{
    const int n = 65535;
    CRealArray h(n);
    std::mt19937 random(7);
    std::normal_distribution<double> noise;
    for (int i = 0; i < n; ++i)
        h[i] = noise(random);
    Doc().SetCoefficients(h);
    Run(ID_VIEW_REAL);
    CFilterView* graph = Frame().GetGraphView();
    const CGraphPicture picture = graph->GetPicture();
    ASSERT_EQ(picture.pDisplay->GetSize(), 4 * n);
    const CGraphMapping m = PictureMapping(picture, graph->size(), false);
    QPolygon curve(4 * n);
    for (int i = 0; i < 4 * n; ++i)
        curve[i] = m.ToDevice(10.0 * i, m.LogicalY((*picture.pDisplay)[i]));
    QImage expected(graph->size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawPolyline(curve);
    }
    const QImage shown = graph->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ExpectSameCurve(expected, shown, m.ToDevice(0, 0).x());  // the marker's column aside
}
