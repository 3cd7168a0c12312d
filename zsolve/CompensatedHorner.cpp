// The values of p in twice the working precision: Horner's rule with error-free
// transformations (a compensated Horner scheme), for the Newton step that polishes roots.
#include "Polynomial.h"

#include <algorithm>
#include <cmath>

namespace zsolve {

namespace {

// Points evaluated together, as in HornerLanes.
constexpr int kBlock = 8;

// The compensated Horner scheme at kBlock points at once: the running value s in double,
// and beside it, in double, the running value e of the polynomial whose coefficients are
// the rounding errors of each step, found exactly (the product's error by a fused
// multiply-add, the sum's by Knuth's TwoSum). s + e is the value to about the precision of
// a Horner's rule in twice the working precision. Built with and without AVX2 and FMA;
// std::fma rounds once either way, so the results agree bit for bit.
struct CompensatedLanes {
    double wr[kBlock] = {}, wi[kBlock] = {};
    double sr[kBlock], si[kBlock], er[kBlock], ei[kBlock];

    __attribute__((target_clones("fma", "default"))) void Run(const double* re, const double* im, int first,
                                                                 int step, int degree)
    {
        std::fill_n(sr, kBlock, re[first]);
        std::fill_n(si, kBlock, im[first]);
        std::fill_n(er, kBlock, 0.0);
        std::fill_n(ei, kBlock, 0.0);
        for (int s = 1, k = first + step; s <= degree; ++s, k += step)
            for (int l = 0; l < kBlock; ++l)
                Step(l, re[k], im[k]);
    }

    static void TwoSum(double a, double b, double& sum, double& error)
    {
        sum = a + b;
        const double bb = sum - a;
        error = (a - (sum - bb)) + (b - bb);
    }

    void Step(int l, double cr, double ci)
    {
        const double p1 = sr[l] * wr[l], p2 = si[l] * wi[l], p3 = sr[l] * wi[l], p4 = si[l] * wr[l];
        const double e1 = std::fma(sr[l], wr[l], -p1), e2 = std::fma(si[l], wi[l], -p2);
        const double e3 = std::fma(sr[l], wi[l], -p3), e4 = std::fma(si[l], wr[l], -p4);
        double t, f1, nr, g1, u, f2, ni, g2;
        TwoSum(p1, -p2, t, f1);
        TwoSum(t, cr, nr, g1);
        TwoSum(p3, p4, u, f2);
        TwoSum(u, ci, ni, g2);
        const double ner = er[l] * wr[l] - ei[l] * wi[l] + (e1 - e2 + f1 + g1);
        ei[l] = er[l] * wi[l] + ei[l] * wr[l] + (e3 + e4 + f2 + g2);
        er[l] = ner;
        sr[l] = nr;
        si[l] = ni;
    }
};

}  // namespace

void CPolynomial::PreciseValues(const std::vector<HornerValue>& h, const int* index, int count,
                                std::vector<LongComplex>& out) const
{
    const int d = Degree();
    for (const bool outside : {false, true}) {
        std::vector<int> list;
        for (int a = 0; a < count; ++a)
            if (h[static_cast<size_t>(index[a])].outside == outside)
                list.push_back(index[a]);
        for (size_t b = 0; b < list.size(); b += kBlock) {
            const int n = static_cast<int>(std::min<size_t>(kBlock, list.size() - b));
            CompensatedLanes lanes;
            for (int l = 0; l < n; ++l) {
                lanes.wr[l] = h[static_cast<size_t>(list[b + l])].w.real();
                lanes.wi[l] = h[static_cast<size_t>(list[b + l])].w.imag();
            }
            lanes.Run(m_re.data(), m_im.data(), outside ? 0 : d, outside ? 1 : -1, d);
            for (int l = 0; l < n; ++l)
                out[static_cast<size_t>(list[b + l])] = LongComplex(static_cast<long double>(lanes.sr[l]) + lanes.er[l],
                                                                    static_cast<long double>(lanes.si[l]) + lanes.ei[l]);
        }
    }
}

}  // namespace zsolve
