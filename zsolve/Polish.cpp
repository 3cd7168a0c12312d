#include "Polish.h"

#include "Parallel.h"

#include <cmath>
#include <limits>

namespace zsolve {

namespace {

// A Newton step is kept only when it is shorter than this fraction of the distance to
// the nearest other root: a longer one would leave the root's neighbourhood.
constexpr double kStepLimit = 0.25;

// For each z[i] in [begin, end): the distance to the nearest other point of z.
void NearestDistances(const std::vector<double>& re, const std::vector<double>& im, int begin, int end,
                      std::vector<double>& nearest)
{
    const int n = static_cast<int>(re.size());
    for (int i = begin; i < end; ++i) {
        double least = std::numeric_limits<double>::infinity();
        for (int j = 0; j < n; ++j) {
            const double dx = re[i] - re[j], dy = im[i] - im[j];
            const double d2 = j == i ? least : dx * dx + dy * dy;
            least = d2 < least ? d2 : least;
        }
        nearest[i] = std::sqrt(least);
    }
}

// The root after its Newton step, rounded to double; the root itself when the step is
// not finite or not shorter than kStepLimit * nearest.
Complex PolishOne(const CPolynomial& p, const HornerValue& h, Complex z, double nearest)
{
    LongComplex base;
    const LongComplex step = p.PreciseNewtonStep(h, base);
    const long double length = std::abs(step);
    if (!std::isfinite(length) || length >= kStepLimit * nearest)
        return z;
    return Complex(base - step);
}

}  // namespace

void PolishRoots(const CPolynomial& p, std::vector<Complex>& z)
{
    const int n = static_cast<int>(z.size());
    std::vector<double> re(z.size()), im(z.size()), nearest(z.size());
    std::vector<int> index(z.size());
    for (int i = 0; i < n; ++i) {
        re[i] = z[i].real();
        im[i] = z[i].imag();
        index[i] = i;
    }
    std::vector<HornerValue> horner(z.size());
    const double work = 3.0 * n * (n + p.Degree());
    SplitWork(n, work, [&](int begin, int end) {
        NearestDistances(re, im, begin, end, nearest);
        p.Evaluate(z, index.data() + begin, end - begin, horner);
        for (int i = begin; i < end; ++i)
            z[i] = PolishOne(p, horner[i], z[i], nearest[i]);
    });
}

}  // namespace zsolve
