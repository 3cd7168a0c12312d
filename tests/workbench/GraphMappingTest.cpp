// The graph's coordinate mapping against the numbers the drawing rules give.
#include "GraphMapping.h"

#include <cfloat>
#include <gtest/gtest.h>

namespace {

// The scale the graph view takes at an update from an array of n values in min .. max.
CGraphScale scaleOf(int n, double min, double max)
{
    CGraphScale s;
    s.dXStep = 1.0 / n;
    s.dXMax = 1.0;
    s.dXMin = 0.0;
    s.dYMax = max;
    s.dYMin = min;
    return s;
}

}  // namespace

TEST(GraphMapping, WorkedExampleOfFourValuesFromMinusOneToOne)
{
    // u = 2 / 1000; cx = 1 / 0.25 * 12 = 48; cy = 2 / u * 1.1 = 1100; x0 = 600 / 10;
    // y0 = (1 / 2 + 0.05) * 220 / 1.1 = 110.
    const CGraphMapping m = ComputeGraphMapping(scaleOf(4, -1.0, 1.0), -1.0, 1.0, 600, 220, false);
    EXPECT_DOUBLE_EQ(m.u, 0.002);
    EXPECT_EQ(m.cx, 48);
    EXPECT_EQ(m.cy, 1100);
    EXPECT_EQ(m.W, 600);
    EXPECT_EQ(m.H, 220);
    EXPECT_EQ(m.x0, 60);
    EXPECT_EQ(m.y0, 110);
    // Logical (10 i, a / u): point 3 of value 1 at x = 60 + 30 * 600 / 48, y = 110 - 500 * 220 / 1100.
    EXPECT_EQ(m.LogicalY(1.0), 500.0);
    EXPECT_EQ(m.ToDevice(30, 500), QPoint(435, 10));
    EXPECT_EQ(m.ToDevice(0, -500), QPoint(60, 210));
}

TEST(GraphMapping, CurveSpansTheSameShareOfThePaneForEveryLength)
{
    for (int n : {31, 62, 124, 256}) {
        SCOPED_TRACE(n);
        const CGraphMapping m = ComputeGraphMapping(scaleOf(n, -0.25, 1.5), -0.25, 1.5, 550, 270, false);
        EXPECT_NEAR(m.cx, 12 * n, 1);
        EXPECT_NEAR(m.cy, 1100, 1);
        // First point a tenth of the width from the left, last at 0.1 + 10 (n - 1) / (12 n).
        EXPECT_EQ(m.ToDevice(0, 0).x(), 55);
        EXPECT_NEAR(m.ToDevice(10.0 * (n - 1), 0).x(), 55 + 550.0 * 10 * (n - 1) / (12 * n), 1);
        // The largest value 0.05 / 1.1 of the height below the top, the smallest as far
        // above the bottom.
        EXPECT_NEAR(m.ToDevice(0, m.LogicalY(1.5)).y(), 270 * 0.05 / 1.1, 1);
        EXPECT_NEAR(m.ToDevice(0, m.LogicalY(-0.25)).y(), 270 - 270 * 0.05 / 1.1, 1);
    }
}

TEST(GraphMapping, PrintingScalesThePaneByFour)
{
    const CGraphMapping screen = ComputeGraphMapping(scaleOf(31, -1, 1), -1, 1, 550, 270, false);
    const CGraphMapping paper = ComputeGraphMapping(scaleOf(31, -1, 1), -1, 1, 550, 270, true);
    EXPECT_EQ(paper.W, 2200);
    EXPECT_EQ(paper.H, 1080);
    EXPECT_EQ(paper.x0, 220);
    EXPECT_EQ(paper.cx, screen.cx);
    EXPECT_EQ(paper.cy, screen.cy);
    EXPECT_NEAR(paper.y0, 4 * screen.y0, 4);
}

TEST(GraphMapping, ZeroAxisLiesAboveANegativeCurveAndBelowAPositiveOne)
{
    const CGraphMapping negative = ComputeGraphMapping(scaleOf(8, -3, -1), -3, -1, 400, 300, false);
    EXPECT_LT(negative.ToDevice(0, 0).y(), negative.ToDevice(0, negative.LogicalY(-1)).y());
    const CGraphMapping positive = ComputeGraphMapping(scaleOf(8, 1, 3), 1, 3, 400, 300, false);
    EXPECT_GT(positive.ToDevice(0, 0).y(), positive.ToDevice(0, positive.LogicalY(1)).y());
    EXPECT_GT(positive.ToDevice(0, 0).y(), 300);  // outside the pane
}

TEST(GraphMapping, EqualValuesDrawAFlatLineThroughTheMiddle)
{
    for (double v : {0.0, 3.0, -1e-300, 5e307, -DBL_MAX}) {
        SCOPED_TRACE(v);
        for (int n : {1, 256}) {
            const CGraphMapping m = ComputeGraphMapping(scaleOf(n, v, v), v, v, 500, 270, false);
            EXPECT_NEAR(m.ToDevice(0, m.LogicalY(v)).y(), 135, 1);
        }
    }
}

TEST(GraphMapping, ExtremeValuesMapToFinitePointsInTheRightPlaces)
{
    // The whole double range: its ends still at the top and bottom margins.
    const CGraphMapping full = ComputeGraphMapping(scaleOf(2, -DBL_MAX, DBL_MAX), -DBL_MAX, DBL_MAX, 500, 270, false);
    EXPECT_NEAR(full.ToDevice(0, full.LogicalY(DBL_MAX)).y(), 270 * 0.05 / 1.1, 1);
    EXPECT_NEAR(full.ToDevice(0, full.LogicalY(-DBL_MAX)).y(), 270 - 270 * 0.05 / 1.1, 1);
    // A spread far below the values' size, and a subnormal one: points stay within limits.
    for (double spread : {1e-12, 1e-310}) {
        const CGraphMapping m = ComputeGraphMapping(scaleOf(2, 1e6, 1e6 + spread), 1e6, 1e6 + spread, 500, 270, false);
        const QPoint p = m.ToDevice(10, m.LogicalY(1e6));
        EXPECT_LE(std::abs(p.y()), kDeviceLimit);
        EXPECT_LE(std::abs(p.x()), kDeviceLimit);
    }
}
