#include "ResponseProbe.h"

#include <cmath>
#include <algorithm>
#include <complex>
#include <stdexcept>

namespace {

using Complex = std::complex<double>;

constexpr double kTwoPi = 6.283185307179586476925286766559;
// The terms are summed in kLanes interleaved runs, each with its own phasor, so that the
// processor overlaps them. Every kBlock terms the phasors are taken afresh from their angle,
// so that the rounding of their recurrence stays within a few hundred units in the last
// place whatever N is.
constexpr int kLanes = 4;
constexpr int kBlock = 256;

// The rotations of one evaluation: lane l starts kLanes apart from lane 0 by e^(j w l), and
// every lane steps by e^(j w kLanes).
struct CRotation {
    double w;
    double laneRe[kLanes], laneIm[kLanes];
    double stepRe, stepIm;

    explicit CRotation(double angle) : w(angle), stepRe(std::cos(angle * kLanes)), stepIm(std::sin(angle * kLanes))
    {
        for (int l = 0; l < kLanes; ++l) {
            laneRe[l] = std::cos(w * l);
            laneIm[l] = std::sin(w * l);
        }
    }
};

// The running sums of h[n] t^p e^(j w t), t = n - centre, for p = 0 .. powers - 1, one
// per lane, in plain real arithmetic (the library's complex product checks for NaN on
// every step).
template <int powers>
struct CSums {
    double re[powers][kLanes] = {}, im[powers][kLanes] = {};

    // Adds the terms start .. end - 1, their phasors taken afresh at start.
    void AddBlock(const std::vector<double>& h, double centre, int start, int end, const CRotation& r)
    {
        const double baseRe = std::cos(r.w * (start - centre)), baseIm = std::sin(r.w * (start - centre));
        double pRe[kLanes], pIm[kLanes];
        for (int l = 0; l < kLanes; ++l) {
            pRe[l] = baseRe * r.laneRe[l] - baseIm * r.laneIm[l];
            pIm[l] = baseRe * r.laneIm[l] + baseIm * r.laneRe[l];
        }
        for (int i = start; i < end; i += kLanes) {
            for (int l = 0; l < kLanes && i + l < end; ++l)
                AddTerm(h[static_cast<size_t>(i + l)], i + l - centre, pRe[l], pIm[l], l);
            for (int l = 0; l < kLanes; ++l) {
                const double next = pRe[l] * r.stepRe - pIm[l] * r.stepIm;
                pIm[l] = pRe[l] * r.stepIm + pIm[l] * r.stepRe;
                pRe[l] = next;
            }
        }
    }
    void AddTerm(double weight, double t, double pRe, double pIm, int lane)
    {
        for (int p = 0; p < powers; ++p, weight *= t) {
            re[p][lane] += weight * pRe;
            im[p][lane] += weight * pIm;
        }
    }
    Complex Total(int p) const
    {
        double sumRe = 0.0, sumIm = 0.0;
        for (int l = 0; l < kLanes; ++l) {
            sumRe += re[p][l];
            sumIm += im[p][l];
        }
        return Complex(sumRe, sumIm);
    }
};

// The sums of h[n] t^p e^(-j 2 pi f t), t = n - centre, for p = 0 .. powers - 1.
template <int powers>
void sums(const std::vector<double>& h, double centre, double f, Complex (&s)[powers])
{
    const CRotation rotation(-kTwoPi * f);
    CSums<powers> running;
    const int n = static_cast<int>(h.size());
    for (int start = 0; start < n; start += kBlock)
        running.AddBlock(h, centre, start, std::min(n, start + kBlock), rotation);
    for (int p = 0; p < powers; ++p)
        s[p] = running.Total(p);
}

}  // namespace

CResponseProbe::CResponseProbe(const CRealArray& h)
    : m_h(h.data(), h.data() + h.GetSize()), m_dCentre((h.GetSize() - 1) / 2.0)
{
    if (h.GetSize() < 1)
        throw std::invalid_argument("a response needs at least one coefficient");
}

double CResponseProbe::Magnitude(double f) const
{
    Complex s[1] = {};
    sums(m_h, m_dCentre, f, s);
    return std::abs(s[0]);
}

// With H = S0, H' = -j 2 pi S1 and H'' = -(2 pi)^2 S2: (|H|^2)' = 2 Re(conj(H) H')
// = 4 pi Im(conj(S0) S1) and (|H|^2)'' = 2 |H'|^2 + 2 Re(conj(H) H'')
// = 8 pi^2 (|S1|^2 - Re(conj(S0) S2)).
CResponseProbe::CSquare CResponseProbe::Square(double f) const
{
    Complex s[3] = {};
    sums(m_h, m_dCentre, f, s);
    const Complex s0 = std::conj(s[0]);
    return {std::norm(s[0]), 2.0 * kTwoPi * (s0 * s[1]).imag(),
        2.0 * kTwoPi * kTwoPi * (std::norm(s[1]) - (s0 * s[2]).real())};
}
