#include "CComplexArray.h"
#include "CRealArray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

CRealArray realOf(const std::vector<double>& values)
{
    CRealArray a(static_cast<int>(values.size()));
    for (int i = 0; i < a.GetSize(); ++i)
        a[i] = values[static_cast<size_t>(i)];
    return a;
}

std::vector<double> valuesOf(const CRealArray& a) { return std::vector<double>(a.data(), a.data() + a.GetSize()); }

std::vector<double> realPartsOf(const CComplexArray& a) { return valuesOf(a.Real()); }

TEST(Arrays, ConstructionZeroFillsAndNegativeSizesThrow)
{
    EXPECT_EQ(valuesOf(CRealArray(3)), (std::vector<double>{0.0, 0.0, 0.0}));
    const CComplexArray c(2);
    EXPECT_TRUE(c[0].re == 0.0 && c[0].im == 0.0 && c[1].re == 0.0 && c[1].im == 0.0);
    EXPECT_THROW(CRealArray(-1), std::invalid_argument);
    EXPECT_THROW(CComplexArray(-1), std::invalid_argument);
}

TEST(Arrays, CopiesAreDeepAndComplexElementsAreContiguous)
{
    CRealArray a = realOf({1.0, 2.0});
    CRealArray copy(a);
    copy[0] = 9.0;
    EXPECT_EQ(a[0], 1.0);

    CComplexArray c(3);
    CComplexArray cCopy = c;
    cCopy[1] = CComplex(4.0, 5.0);
    EXPECT_EQ(c[1].re, 0.0);
    // A run of elements reads as (re, im) pairs through the address of element 0.
    const double* raw = reinterpret_cast<const double*>(cCopy.data());
    EXPECT_EQ(raw[2], 4.0);
    EXPECT_EQ(raw[3], 5.0);
}

TEST(Arrays, RealAssignmentKeepsTheTargetSize)
{
    CRealArray shorter(2);
    shorter = realOf({1.0, 2.0, 3.0});
    EXPECT_EQ(valuesOf(shorter), (std::vector<double>{1.0, 2.0}));
    CRealArray longer = realOf({7.0, 7.0, 7.0, 7.0});
    longer = realOf({1.0, 2.0});
    EXPECT_EQ(valuesOf(longer), (std::vector<double>{1.0, 2.0, 7.0, 7.0}));
}

TEST(Arrays, ComplexFromRealKeepsSizeAndZeroFills)
{
    CComplexArray c(5);
    c.Fill(0, 5, CComplex(8.0, 8.0));
    c = realOf({1.0, -2.0, 3.0});
    ASSERT_EQ(c.GetSize(), 5);
    EXPECT_EQ(realPartsOf(c), (std::vector<double>{1.0, -2.0, 3.0, 0.0, 0.0}));
    EXPECT_EQ(valuesOf(c.Imag()), (std::vector<double>(5, 0.0)));

    CComplexArray small(2);
    small = realOf({4.0, 5.0, 6.0});
    EXPECT_EQ(realPartsOf(small), (std::vector<double>{4.0, 5.0}));
}

TEST(Arrays, FillSetsAHalfOpenRange)
{
    struct Case {
        int from, to;
        std::vector<double> expected;
    };
    const std::vector<Case> cases = {
        {1, 3, {0, 1, 1, 0}}, {0, 4, {1, 1, 1, 1}}, {2, 2, {0, 0, 0, 0}},
        {3, 1, {0, 0, 0, 0}}, {9, -5, {0, 0, 0, 0}},  // from >= to: nothing, even out of range
    };
    for (const Case& fill : cases) {
        CComplexArray c(4);
        c.Fill(fill.from, fill.to, CComplex(1.0, 0.0));
        EXPECT_EQ(realPartsOf(c), fill.expected) << fill.from << " .. " << fill.to;
    }
    CComplexArray c(4);
    EXPECT_THROW(c.Fill(-1, 2, CComplex(1.0)), std::invalid_argument);
    EXPECT_THROW(c.Fill(2, 5, CComplex(1.0)), std::invalid_argument);
}

TEST(Arrays, ShiftIsCircular)
{
    struct Case {
        int k;
        std::vector<double> expected;  // of {0, 1, 2, 3, 4} shifted by k
    };
    const std::vector<Case> cases = {
        {0, {0, 1, 2, 3, 4}}, {1, {4, 0, 1, 2, 3}}, {2, {3, 4, 0, 1, 2}}, {-1, {1, 2, 3, 4, 0}},
        {5, {0, 1, 2, 3, 4}}, {7, {3, 4, 0, 1, 2}}, {-12, {2, 3, 4, 0, 1}}, {-5, {0, 1, 2, 3, 4}},
    };
    for (const Case& shift : cases) {
        CComplexArray c(5);
        c = realOf({0, 1, 2, 3, 4});
        c.Shift(shift.k);
        EXPECT_EQ(realPartsOf(c), shift.expected) << "k = " << shift.k;
    }
    CComplexArray empty(0);
    empty.Shift(3);
    EXPECT_EQ(empty.GetSize(), 0);
}

TEST(Arrays, ExtremesAndRms)
{
    const CRealArray a = realOf({3.0, -4.0, 0.0, 1.0});
    EXPECT_EQ(a.GetMax(), 3.0);
    EXPECT_EQ(a.GetMin(), -4.0);
    EXPECT_DOUBLE_EQ(a.rms(), std::sqrt(26.0 / 4.0));
    const CRealArray empty(0);
    EXPECT_EQ(empty.GetMax(), 0.0);
    EXPECT_EQ(empty.GetMin(), 0.0);
    EXPECT_EQ(empty.rms(), 0.0);
}

TEST(Arrays, Log10ScaleAndWin)
{
    const CRealArray logs = realOf({1.0, 10.0, 0.001, 0.0, -1.0}).log10();
    EXPECT_EQ(logs[0], 0.0);
    EXPECT_EQ(logs[1], 1.0);
    EXPECT_DOUBLE_EQ(logs[2], -3.0);
    EXPECT_EQ(logs[3], -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(logs[4]));

    CRealArray a = realOf({1.0, -2.0, 0.5});
    a.scale(-4.0);
    EXPECT_EQ(valuesOf(a), (std::vector<double>{-4.0, 8.0, -2.0}));
    a.win(realOf({0.5, 0.0, 3.0}));
    EXPECT_EQ(valuesOf(a), (std::vector<double>{-2.0, 0.0, -6.0}));
    EXPECT_THROW(a.win(CRealArray(2)), std::invalid_argument);
    EXPECT_THROW(a.win(CRealArray(4)), std::invalid_argument);
    EXPECT_EQ(valuesOf(a), (std::vector<double>{-2.0, 0.0, -6.0}));
}

TEST(Complex, PartsModulusAndPhase)
{
    CComplexArray c(3);
    c[0] = CComplex(3.0, 4.0);
    c[1] = -2.0;
    c[2] = CComplex(1e300, 1e300);
    EXPECT_EQ(valuesOf(c.abs())[0], 5.0);
    EXPECT_EQ(c[1].im, 0.0);
    EXPECT_EQ(c[1].abs(), 2.0);
    EXPECT_DOUBLE_EQ(c[2].abs(), std::sqrt(2.0) * 1e300);
    EXPECT_EQ(realPartsOf(c), (std::vector<double>{3.0, -2.0, 1e300}));
    EXPECT_EQ(valuesOf(c.Imag()), (std::vector<double>{4.0, 0.0, 1e300}));
    EXPECT_DOUBLE_EQ(c[1].phase(), M_PI);
    EXPECT_DOUBLE_EQ(CComplex(0.0, -1.0).phase(), -M_PI / 2);
    EXPECT_EQ(CComplex(7.0).im, 0.0);
}

}  // namespace
