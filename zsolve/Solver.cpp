#include "Solver.h"

#include "Aberth.h"
#include "Certificate.h"
#include "Polish.h"
#include "RootFinder.h"
#include "StartingPoints.h"
#include "TaylorTable.h"
#include "ZeroRings.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <string>

namespace zsolve {

namespace {

// The zero rings: their width in units of 1/d and their number.
constexpr double kRingWidth = 4.0;
constexpr int kRings = 64;

// The Taylor table reaches this many rings beyond the outermost ones that hold zeros, so
// that approximations thrown a little way out stay in it.
constexpr int kTableMargin = 2;

// The Taylor table is not built when it would take more memory than this.
constexpr double kTableBytes = 160e6;

// Sweeps with the Taylor table: at most this many, each root stopping once its correction
// is below kTableStep roundings of it (what they leave, sweeps with Horner's rule finish);
// in the first kLimitedSweeps a correction is at most kStepLimit / d of |z|, about the
// distance between neighbouring zeros.
constexpr int kTableSweeps = 200;
constexpr double kTableStep = 4.0;
constexpr int kLimitedSweeps = 20;
constexpr double kStepLimit = 8.0;

// Below this degree every root gets the long double Newton step, O(d) per root: it leaves
// the roots correctly rounded as far as their condition allows. Above, the rounding of the
// roots themselves dominates the backward error anyway, and the step would cost seconds.
constexpr int kPolishDegree = 8192;

// Rounds of refinement for roots that fail the certificate.
constexpr int kRetries = 3;

// How far a restarted root is moved off its last approximation, relative to its modulus.
constexpr double kRestartShift = 1e-7;

// A Taylor table over the rings that hold zeros and kTableMargin beyond, or null when no
// ring holds a zero or the table would be too large.
std::unique_ptr<CTaylorTable> BulkTable(const std::vector<Complex>& c, const ZeroRings& rings)
{
    const int d = static_cast<int>(c.size()) - 1;
    int first = -1, last = -1;
    for (int l = 0; l + 1 < rings.Circles(); ++l) {
        if (rings.inside[static_cast<size_t>(l) + 1] > rings.inside[static_cast<size_t>(l)]) {
            first = first < 0 ? l : first;
            last = l;
        }
    }
    if (first < 0)
        return nullptr;
    first = std::max(0, first - kTableMargin);
    last = std::min(rings.Circles() - 2, last + kTableMargin);
    int points = 1;
    while (points < (d + 1) / 4)
        points *= 2;
    const double log2Inner = rings.log2Radius[static_cast<size_t>(first)];
    const double span = (rings.log2Radius[static_cast<size_t>(last) + 1] - log2Inner) * std::log(2.0) * d;
    if (CTaylorTable::Bytes(d, span, points) > kTableBytes)
        return nullptr;
    return std::make_unique<CTaylorTable>(c, std::exp2(log2Inner), span, points);
}

// Tells report of the progress, where there is one to tell.
class CProgress {
public:
    CProgress(const ProgressReport& report, int total) : m_report(report) { m_progress.total = total; }

    void Found(int found) { Tell(found, m_progress.certified); }
    void Certified(int certified) { Tell(m_progress.found, certified); }

private:
    void Tell(int found, int certified)
    {
        if (found == m_progress.found && certified == m_progress.certified)
            return;
        m_progress.found = found;
        m_progress.certified = certified;
        if (m_report)
            m_report(m_progress);
    }

    const ProgressReport& m_report;
    RootProgress m_progress;
};

// Sweeps from the starting points until every root has met the stopping test (or the
// sweeps run out); below kPolishDegree the roots get the long double Newton step.
void Iterate(const CPolynomial& p, const std::vector<Complex>& c, std::vector<Complex>& z, CProgress& progress)
{
    std::vector<int> active(z.size());
    std::iota(active.begin(), active.end(), 0);
    AberthOptions options;
    options.progress = [&progress](int frozen, int) { progress.Found(frozen); };
    if (p.Degree() >= kFastDegree) {
        const ZeroRings rings = CountZeroRings(c, kRingWidth, kRings);
        z = RingStartingPoints(rings, z);
        if (std::unique_ptr<CTaylorTable> table = BulkTable(c, rings)) {
            AberthOptions tableOptions = options;
            tableOptions.maxSweeps = kTableSweeps;
            tableOptions.stepTolerance = kTableStep;
            tableOptions.maxStep = kStepLimit / p.Degree();
            tableOptions.limitedSweeps = kLimitedSweeps;
            active = AberthIterate(CTableEvaluator(p, std::move(table)), z, active, tableOptions);
        }
    }
    AberthIterate(CHornerEvaluator(p), z, active, options);
    progress.Found(p.Degree());
    if (p.Degree() < kPolishDegree) {
        std::vector<int> all(z.size());
        std::iota(all.begin(), all.end(), 0);
        PolishRoots(p, z, all);
    }
}

// Refines the roots failed (the others stay and repel): in the first round from where they
// are, in later rounds from points moved off them; each round ends with the long double
// Newton step.
void Refine(const CPolynomial& p, std::vector<Complex>& z, const std::vector<int>& failed, int round)
{
    for (size_t k = 0; round > 0 && k < failed.size(); ++k) {
        Complex& x = z[static_cast<size_t>(failed[k])];
        x += std::polar(kRestartShift * round * std::abs(x), 2.399963229728653 * static_cast<double>(k));
    }
    AberthIterate(CHornerEvaluator(p), z, failed);
    PolishRoots(p, z, failed);
}

}  // namespace

std::vector<Complex> ProperRoots(const std::vector<Complex>& c, const ProgressReport& report)
{
    const CPolynomial p(c);
    CProgress progress(report, p.Degree());
    std::vector<Complex> z = StartingPoints(p);
    Iterate(p, c, z, progress);
    std::vector<int> all(z.size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<int> failed = Uncertified(p, z, all, [&progress](int certified) { progress.Certified(certified); });
    for (int round = 0; round < kRetries && !failed.empty(); ++round) {
        Refine(p, z, failed, round);
        const int before = p.Degree() - static_cast<int>(failed.size());
        failed = Uncertified(p, z, failed, [&](int certified) { progress.Certified(before + certified); });
    }
    if (!failed.empty())
        throw RootFindingError(std::to_string(failed.size()) + " of " + std::to_string(z.size())
            + " roots could not be found to double precision");
    return z;
}

}  // namespace zsolve
