#include "Aberth.h"

#include "Parallel.h"

#include <cmath>
#include <numeric>

namespace zsolve {

namespace {

// A root within rounding of zero is final only when its Newton step p/p' is below this
// fraction of 1/S (S the sum of 1/(z - z_j) over the other approximations): short against
// the distance to its neighbours. Near a multiple root, where |p| is tiny everywhere,
// this keeps a surplus approximation moving until it leaves for a root of its own.
constexpr double kIsolated = 0.1;

// Partial sums kept apart so that the compiler may add four terms at a time.
constexpr int kLanes = 4;

// Adds 1 / (scale (z - x_j)) for j in [begin, end) to the lane sums (sr, si); scale, a
// power of two, keeps the squares of the differences in range. Built with AVX2 and
// without, the same operations in the same order in both.
__attribute__((target_clones("avx2", "default"))) void AddReciprocals(const double* xr, const double* xi, int begin,
                                                                      int end, Complex z, double scale, double* sr,
                                                                      double* si)
{
    const double zr = z.real(), zi = z.imag();
    double ar[kLanes] = {}, ai[kLanes] = {};
    int j = begin;
    for (; j + kLanes <= end; j += kLanes) {
        for (int l = 0; l < kLanes; ++l) {
            const double dx = (zr - xr[j + l]) * scale, dy = (zi - xi[j + l]) * scale;
            const double q = 1.0 / (dx * dx + dy * dy);
            ar[l] += dx * q;
            ai[l] -= dy * q;
        }
    }
    for (; j < end; ++j) {
        const double dx = (zr - xr[j]) * scale, dy = (zi - xi[j]) * scale;
        const double q = 1.0 / (dx * dx + dy * dy);
        ar[0] += dx * q;
        ai[0] -= dy * q;
    }
    for (int l = 0; l < kLanes; ++l) {
        sr[l] += ar[l];
        si[l] += ai[l];
    }
}

// The approximations of one sweep, split into real and imaginary parts.
struct Snapshot {
    std::vector<double> re, im;

    explicit Snapshot(const std::vector<Complex>& z)
    {
        for (const Complex& x : z) {
            re.push_back(x.real());
            im.push_back(x.imag());
        }
    }

    // Sum over j != i of 1 / (z_i - z_j). The differences are scaled by the power of two
    // that brings z_i near 1 (exactly, so the sum is the same unless it would overflow or
    // underflow): very large or very small roots keep their neighbours' terms.
    Complex Repulsion(int i) const
    {
        double sr[kLanes] = {}, si[kLanes] = {};
        const Complex zi(re[i], im[i]);
        const double magnitude = std::fmax(std::fabs(re[i]), std::fabs(im[i]));
        const double scale = magnitude == 0.0 ? 1.0 : std::ldexp(1.0, -std::ilogb(magnitude));
        AddReciprocals(re.data(), im.data(), 0, i, zi, scale, sr, si);
        AddReciprocals(re.data(), im.data(), i + 1, static_cast<int>(re.size()), zi, scale, sr, si);
        Complex sum;
        for (int l = 0; l < kLanes; ++l)
            sum += Complex(sr[l], si[l]);
        return sum * scale;
    }
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
    const CPolynomial& p;
    const std::vector<Complex>& z;
    const std::vector<int>& active;
    Snapshot snapshot;
    std::vector<HornerValue> horner;
    std::vector<Complex> step;
    std::vector<char> done;

    SweepState(const CPolynomial& poly, const std::vector<Complex>& roots, const std::vector<int>& act)
        : p(poly), z(roots), active(act), snapshot(roots), horner(roots.size()), step(roots.size()),
          done(roots.size(), 0)
    {
    }

    void Run(int begin, int end)
    {
        p.Evaluate(z, active.data() + begin, end - begin, horner);
        for (int a = begin; a < end; ++a) {
            const int i = active[static_cast<size_t>(a)];
            const Complex inverseNewton = p.InverseNewton(horner[i]);
            const Complex repulsion = snapshot.Repulsion(i);
            step[i] = Correction(inverseNewton, repulsion);
            done[i] = (p.WithinRounding(horner[i]) && std::abs(repulsion) <= kIsolated * std::abs(inverseNewton)) ||
                      std::abs(step[i]) <= kUnitRoundoff * std::abs(z[i]);
        }
    }
};

}  // namespace

void AberthIterate(const CPolynomial& p, std::vector<Complex>& z)
{
    std::vector<int> active(z.size());
    std::iota(active.begin(), active.end(), 0);
    for (int count = 0; count < kMaxSweeps && !active.empty(); ++count) {
        SweepState sweep(p, z, active);
        const double work = static_cast<double>(active.size()) * (z.size() + p.Degree());
        SplitWork(static_cast<int>(active.size()), work, [&sweep](int b, int e) { sweep.Run(b, e); });
        std::vector<int> next;
        for (const int i : active) {
            z[i] -= sweep.step[i];
            if (!sweep.done[i])
                next.push_back(i);
        }
        active.swap(next);
    }
}

}  // namespace zsolve
