#include "StartingPoints.h"

#include <cfloat>
#include <cmath>

namespace zsolve {

namespace {

// Angle by which every circle is turned, so that the points of a real polynomial do not
// start on the real axis in conjugate pairs of equal points.
constexpr double kTurn = 0.7;

// Whether (b, yb) lies on or below the line from (a, ya) to (c, yc), a < b < c: then b
// is not a vertex of the upper hull.
bool BelowChord(int a, double ya, int b, double yb, int c, double yc)
{
    return (yb - ya) * (c - a) <= (yc - ya) * (b - a);
}

// The indices k of the vertices of the upper convex hull of (k, log m[k]) over the k
// with m[k] > 0, in increasing order. m[0] and m.back() must be positive.
std::vector<int> UpperHull(const std::vector<double>& m)
{
    std::vector<int> hull;
    std::vector<double> y;
    for (int k = 0; k < static_cast<int>(m.size()); ++k) {
        if (m[k] <= 0.0)
            continue;
        const double yk = std::log(m[k]);
        while (hull.size() >= 2 && BelowChord(hull[hull.size() - 2], y[y.size() - 2], hull.back(), y.back(), k, yk)) {
            hull.pop_back();
            y.pop_back();
        }
        hull.push_back(k);
        y.push_back(yk);
    }
    return hull;
}

}  // namespace

std::vector<Complex> StartingPoints(const CPolynomial& p)
{
    const std::vector<double>& m = p.Moduli();
    const std::vector<int> hull = UpperHull(m);
    const double twoPi = 2.0 * M_PI;
    std::vector<Complex> z;
    z.reserve(static_cast<size_t>(p.Degree()));
    for (size_t e = 0; e + 1 < hull.size(); ++e) {
        const int a = hull[e], count = hull[e + 1] - a;
        const double logRadius = (std::log(m[a]) - std::log(m[hull[e + 1]])) / count;
        const double radius = std::fmin(std::fmax(std::exp(logRadius), DBL_MIN), DBL_MAX);
        const double turn = twoPi * a / p.Degree() + kTurn;
        for (int j = 0; j < count; ++j)
            z.push_back(std::polar(radius, twoPi * j / count + turn));
    }
    return z;
}

}  // namespace zsolve
