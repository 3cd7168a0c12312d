// The exact evaluation of a response and its derivatives, against the definition.
#include "DenseResponse.h"
#include "ResponseProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

TEST(ResponseProbe, MagnitudeAndDerivativesOfTheSquareFollowTheDefinition)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int n : {1, 2, 7, 300, 1000}) {  // lengths below, at and across the runs of the sum
        std::vector<double> h(static_cast<size_t>(n));
        for (double& v : h)
            v = value(random);
        CRealArray coefficients(n);
        std::copy(h.begin(), h.end(), coefficients.data());
        const CResponseProbe probe(coefficients);
        double sum = 0.0;  // the sum of |h|, which bounds |H| and sets the scale of every figure
        for (double v : h)
            sum += std::fabs(v);
        const double slopeScale = 2 * M_PI * n * sum * sum, curvatureScale = slopeScale * 2 * M_PI * n;
        for (double f : {0.0, 0.0123, 0.25, 0.4111, 0.5}) {
            SCOPED_TRACE(testing::Message() << n << " taps at " << f);
            const double step = 1e-4 / n;
            const std::vector<double> a = DenseMagnitudes(h, {f - step, f, f + step});
            const CResponseProbe::CSquare q = probe.Square(f);
            EXPECT_NEAR(probe.Magnitude(f), a[1], 1e-13 * sum);
            EXPECT_NEAR(q.value, a[1] * a[1], 1e-13 * sum * sum);
            EXPECT_NEAR(q.slope, (a[2] * a[2] - a[0] * a[0]) / (2 * step), 1e-6 * slopeScale);
            EXPECT_NEAR(q.curvature, (a[2] * a[2] - 2 * a[1] * a[1] + a[0] * a[0]) / (step * step), 1e-6 * curvatureScale);
        }
    }
    EXPECT_THROW(CResponseProbe(CRealArray(0)), std::invalid_argument);
}
