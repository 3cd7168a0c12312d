#include "ZPlaneMapping.h"
#include "ZPlanePainter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace zplane;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

CComplexArray ArrayOf(const std::vector<CComplex>& zeros)
{
    CComplexArray a(static_cast<int>(zeros.size()));
    for (int i = 0; i < a.GetSize(); ++i)
        a[i] = zeros[static_cast<size_t>(i)];
    return a;
}

void ExpectBox(const std::optional<CLogicalBox>& box, int left, int top, int right, int bottom)
{
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->left, left);
    EXPECT_EQ(box->top, top);
    EXPECT_EQ(box->right, right);
    EXPECT_EQ(box->bottom, bottom);
}

// The centre of a zero's marker.
void ExpectCentre(const CComplex& zero, double radius, int x, int y)
{
    ExpectBox(MarkerBox(zero, radius), x - 10, y + 10, x + 10, y - 10);
}

TEST(ZPlaneMapping, NormalModeShowsTheUnitCircleAtRadius666)
{
    const double r = ScaleRadius(ArrayOf({{5.0, 0.0}}), false);
    EXPECT_EQ(r, 1.5);
    EXPECT_EQ(UnitCircleRadius(r), 666);
    ExpectCentre({1.0, 0.0}, r, 666, 0);
    ExpectCentre({-1.0, 0.0}, r, -666, 0);
    ExpectCentre({0.0, 1.0}, r, 0, 666);
    ExpectCentre({0.0, -1.0}, r, 0, -666);
    ExpectCentre({2.0, 0.0}, r, 1333, 0);
}

TEST(ZPlaneMapping, MarkersTruncateTowardZero)
{
    ExpectBox(MarkerBox({0.5, 0.5}, 1.5), 323, 343, 343, 323);
    ExpectCentre({-0.5, -0.5}, 1.5, -333, -333);
}

TEST(ZPlaneMapping, ShowAllScalesToTheFarthestZero)
{
    const double r = ScaleRadius(ArrayOf({{0.5, 0.5}, {2.0, 0.0}, {-1.0, 0.0}}), true);
    EXPECT_EQ(r, 2.0);
    EXPECT_EQ(UnitCircleRadius(r), 500);
    ExpectCentre({2.0, 0.0}, r, 1000, 0);
    EXPECT_EQ(UnitCircleRadius(ScaleRadius(ArrayOf({{0.0, 0.25}}), true)), 4000);
}

TEST(ZPlaneMapping, ShowAllIgnoresZerosThatAreNotFinite)
{
    EXPECT_EQ(ScaleRadius(ArrayOf({{kInf, 0.0}, {0.5, 0.0}, {kNaN, 0.0}, {0.0, -kInf}}), true), 0.5);
    EXPECT_FALSE(MarkerBox({kInf, 0.0}, 1.5).has_value());
    EXPECT_FALSE(MarkerBox({0.0, kNaN}, 1.5).has_value());
}

TEST(ZPlaneMapping, ShowAllWithoutAFiniteNonZeroModulusKeepsTheNormalScale)
{
    for (const auto& zeros : std::vector<std::vector<CComplex>>{{}, {{0.0, 0.0}, {-0.0, 0.0}}, {{kInf, 0.0}}, {{kNaN, kNaN}}})
        EXPECT_EQ(ScaleRadius(ArrayOf(zeros), true), 1.5) << zeros.size();
}

TEST(ZPlaneMapping, ExtremeValuesStayInRange)
{
    EXPECT_EQ(ToLogical(1e300, 1.5), kLogicalLimit);
    EXPECT_EQ(ToLogical(-DBL_MAX, 1.5), -kLogicalLimit);
    EXPECT_EQ(ToLogical(-kInf, 1.5), -kLogicalLimit);
    EXPECT_THROW(ToLogical(kNaN, 1.5), std::invalid_argument);

    const double huge = ScaleRadius(ArrayOf({{DBL_MAX, DBL_MAX}, {0.5, 0.0}}), true);
    EXPECT_TRUE(std::isfinite(huge));
    ExpectCentre({DBL_MAX, DBL_MAX}, huge, 1000, 1000);
    EXPECT_EQ(UnitCircleRadius(huge), 0);

    const double tiny = ScaleRadius(ArrayOf({{std::numeric_limits<double>::denorm_min(), 0.0}}), true);
    EXPECT_GT(tiny, 0.0);
    EXPECT_EQ(UnitCircleRadius(tiny), kLogicalLimit);
    ExpectCentre({std::numeric_limits<double>::denorm_min(), 0.0}, tiny, 0, 0);
}

TEST(ZPlaneMapping, ViewportIsTheShorterSideTimesFourOnPaper)
{
    const CViewport screen = Viewport(400, 300, false);
    EXPECT_EQ(screen.side, 300);
    EXPECT_EQ(screen.originX, 150);
    EXPECT_EQ(screen.originY, 150);
    const CViewport paper = Viewport(400, 300, true);
    EXPECT_EQ(paper.side, 1200);
    EXPECT_EQ(paper.originX, 600);
    EXPECT_EQ(paper.originY, 600);
    EXPECT_EQ(Viewport(301, 500, false).originX, 150);
    EXPECT_EQ(Viewport(0, 500, false).side, 0);
}

TEST(ZPlaneMapping, LogicalSquareFillsTheViewportWithYUp)
{
    const QTransform t = LogicalToDevice(Viewport(400, 300, false));
    EXPECT_EQ(t.map(QPointF(0, 0)), QPointF(150, 150));
    EXPECT_EQ(t.map(QPointF(-1050, 1050)), QPointF(0, 0));
    EXPECT_EQ(t.map(QPointF(1050, -1050)), QPointF(300, 300));
    EXPECT_EQ(t.map(QPointF(2100, 0)), QPointF(450, 150));
}

}  // namespace
