#include "Aberth.h"

#include "Parallel.h"
#include "Reciprocals.h"
#include "RepulsionTree.h"

#include <cmath>
#include <memory>

namespace zsolve {

namespace {

// A root within rounding of zero is final only when its Newton step p/p' is below this
// fraction of 1/S (S the sum of 1/(z - z_j) over the other approximations): short against
// the distance to its neighbours. Near a multiple root, where |p| is tiny everywhere,
// this keeps a surplus approximation moving until it leaves for a root of its own.
constexpr double kIsolated = 0.1;

// The sums S go through the tree from this many points and this many active roots on;
// below, one by one costs less than building the tree.
constexpr size_t kTreePoints = 2048;
constexpr size_t kTreeActive = 256;

// The sums S_i over the approximations of one sweep.
class CRepulsion {
public:
    CRepulsion(const std::vector<Complex>& z, size_t active)
    {
        if (z.size() >= kTreePoints && active >= kTreeActive) {
            m_tree = std::make_unique<CRepulsionTree>(z);
            return;
        }
        for (const Complex& x : z) {
            m_re.push_back(x.real());
            m_im.push_back(x.imag());
        }
    }

    // Sum over j != i of 1 / (z_i - z_j), the differences scaled near 1 where summed one
    // by one, so that very large or very small roots keep their neighbours' terms.
    Complex Sum(int i) const
    {
        if (m_tree)
            return m_tree->Sum(i);
        double sr[kLanes] = {}, si[kLanes] = {};
        const Complex zi(m_re[i], m_im[i]);
        const double scale = ReciprocalScale(zi);
        AddReciprocals(m_re.data(), m_im.data(), 0, i, zi, scale, sr, si);
        AddReciprocals(m_re.data(), m_im.data(), i + 1, static_cast<int>(m_re.size()), zi, scale, sr, si);
        Complex sum;
        for (int l = 0; l < kLanes; ++l)
            sum += Complex(sr[l], si[l]);
        return sum * scale;
    }

private:
    std::unique_ptr<CRepulsionTree> m_tree;
    std::vector<double> m_re, m_im;
};

// The Aberth correction 1 / (p'/p - S); Newton's 1 / (p'/p) when approximations
// coincide and S is not finite; 0 when neither is finite.
Complex Correction(Complex inverseNewton, Complex repulsion)
{
    Complex w = 1.0 / (inverseNewton - repulsion);
    if (!std::isfinite(w.real()) || !std::isfinite(w.imag()))
        w = 1.0 / inverseNewton;
    if (!std::isfinite(w.real()) || !std::isfinite(w.imag()))
        w = 0.0;
    return w;
}

// One sweep's work on the active roots active[begin .. end-1]: their corrections in
// step, and done set for those that need no more.
struct SweepState {
    const CEvaluator& evaluator;
    const std::vector<Complex>& z;
    const std::vector<int>& active;
    double stepTolerance;
    double maxStep;
    CRepulsion repulsion;
    std::vector<PointEstimate> estimates;
    std::vector<Complex> step;
    std::vector<char> done;

    SweepState(const CEvaluator& e, const std::vector<Complex>& roots, const std::vector<int>& act,
               const AberthOptions& options, int sweep)
        : evaluator(e), z(roots), active(act), stepTolerance(options.stepTolerance),
          maxStep(sweep < options.limitedSweeps ? options.maxStep : 0.0), repulsion(roots, act.size()),
          estimates(roots.size()), step(roots.size()), done(roots.size(), 0)
    {
    }

    void Run(int begin, int end)
    {
        evaluator.Estimate(z, active.data() + begin, end - begin, estimates);
        for (int a = begin; a < end; ++a) {
            const int i = active[static_cast<size_t>(a)];
            const PointEstimate& e = estimates[static_cast<size_t>(i)];
            const Complex sum = repulsion.Sum(i);
            step[i] = Correction(e.inverseNewton, sum);
            const double limit = maxStep * std::abs(z[i]);
            if (limit > 0.0 && std::abs(step[i]) > limit)
                step[i] *= limit / std::abs(step[i]);
            done[i] = (e.settled && std::abs(sum) <= kIsolated * std::abs(e.inverseNewton))
                || std::abs(step[i]) <= stepTolerance * kUnitRoundoff * std::abs(z[i]);
        }
    }
};

}  // namespace

std::vector<int> AberthIterate(const CEvaluator& evaluator, std::vector<Complex>& z, std::vector<int> active,
                               const AberthOptions& options)
{
    const int total = static_cast<int>(z.size());
    for (int count = 0; count < options.maxSweeps && !active.empty(); ++count) {
        SweepState sweep(evaluator, z, active, options, count);
        const double work = static_cast<double>(active.size()) * (evaluator.Cost() + 64.0 * std::log2(total + 1.0));
        SplitWork(static_cast<int>(active.size()), work, [&sweep](int b, int e) { sweep.Run(b, e); });
        std::vector<int> next;
        for (const int i : active) {
            z[i] -= sweep.step[i];
            if (!sweep.done[i])
                next.push_back(i);
        }
        active.swap(next);
        if (options.progress)
            options.progress(total - static_cast<int>(active.size()), total);
    }
    return active;
}

}  // namespace zsolve
