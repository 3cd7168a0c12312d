#include "Polish.h"

#include "Parallel.h"
#include "RepulsionTree.h"

#include <cmath>

namespace zsolve {

namespace {

// A Newton step is kept only when it is shorter than this fraction of the distance to
// the nearest other root: a longer one would leave the root's neighbourhood.
constexpr double kStepLimit = 0.25;

// The root after its Newton step from the precise value, rounded to double; the root
// itself when the step is not finite or not shorter than kStepLimit * nearest.
Complex PolishOne(const CPolynomial& p, const HornerValue& h, LongComplex value, Complex z, double nearest)
{
    LongComplex base;
    const LongComplex step = p.PreciseNewtonStep(h, value, base);
    const long double length = std::abs(step);
    if (!std::isfinite(length) || length >= kStepLimit * nearest)
        return z;
    return Complex(base - step);
}

}  // namespace

void PolishRoots(const CPolynomial& p, std::vector<Complex>& z, const std::vector<int>& which)
{
    const CRepulsionTree tree(z);
    std::vector<HornerValue> horner(z.size());
    std::vector<LongComplex> precise(z.size());
    const int count = static_cast<int>(which.size());
    const double work = 6.0 * count * p.Degree();
    SplitWork(count, work, [&](int begin, int end) {
        p.Evaluate(z, which.data() + begin, end - begin, horner);
        p.PreciseValues(horner, which.data() + begin, end - begin, precise);
        for (int a = begin; a < end; ++a) {
            const int i = which[static_cast<size_t>(a)];
            z[i] = PolishOne(p, horner[i], precise[i], z[i], tree.Nearest(i));
        }
    });
}

}  // namespace zsolve
