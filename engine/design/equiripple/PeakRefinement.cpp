#include "PeakRefinement.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

constexpr int kRounds = 12;
constexpr double kGain = 1e-12;
constexpr double kEndShrink = 1.0 / 64;


// The next point to try: the vertex of the parabola through the three points, or for an
// end that leads so far, the middle between it and its neighbour.
double probe(const CPeakBracket& k)
{
    if (k.b == k.a || k.b == k.c)
        return 0.5 * (k.a + k.c);
    const double p = (k.b - k.a) * (k.eb - k.ec), q = (k.b - k.c) * (k.eb - k.ea);
    const double denominator = p - q;
    if (!(denominator != 0.0))
        return 0.5 * (k.a + k.b);
    const double v = k.b - 0.5 * ((k.b - k.a) * p - (k.b - k.c) * q) / denominator;
    // Keep strictly inside and off b, so that the bracket shrinks.
    const double margin = 1e-3 * (k.c - k.a);
    if (std::abs(v - k.b) < margin)
        return k.c - k.b > k.b - k.a ? k.b + margin : k.b - margin;
    return std::clamp(v, k.a + margin, k.c - margin);
}

// How much higher than |e(b)| the parabola through the three points peaks; 0 for an end
// that leads.
double predictedGain(const CPeakBracket& k)
{
    if (k.b == k.a || k.b == k.c)
        return 0.0;
    const double u = k.a - k.b, w = k.c - k.b, ya = k.ea - k.eb, yc = k.ec - k.eb;
    const double curvature = (ya / u - yc / w) / (u - w);
    const double slope = ya / u - curvature * u;
    return curvature < 0.0 ? -slope * slope / (4.0 * curvature) : 0.0;
}

// Whether another step may raise the largest value measurably: an end that leads is
// followed until its neighbour is kEndShrink of the grid spacing away.
bool worthAnotherStep(const CPeakBracket& k, double width, double bound)
{
    if (k.c - k.a <= 4e-16 * std::max(1.0, std::abs(k.b)))
        return false;
    if (k.b == k.a || k.b == k.c)
        return k.c - k.a > kEndShrink * width;
    return predictedGain(k) > std::max(kGain * k.eb, bound);
}

// Takes the value at v into the bracket.
void update(CPeakBracket& k, double v, double error, double bound, double weight)
{
    const double size = std::abs(error);
    if (size > k.eb) {
        if (k.b != k.a && k.b != k.c)
            (v < k.b ? k.c : k.a) = k.b, (v < k.b ? k.ec : k.ea) = k.eb;
        k.b = v;
        k.eb = size;
        k.best = {v, k.best.band, error, bound, weight};
    } else if (v < k.b) {
        k.a = v, k.ea = size;
    } else {
        k.c = v, k.ec = size;
    }
    k.active = worthAnotherStep(k, k.width, bound);
}

}  // namespace

void RefinePeaks(std::vector<CPeakBracket>& brackets, const CWeightedError& e)
{
    for (int round = 0; round < kRounds; ++round) {
        std::vector<double> f;
        std::vector<int> band;
        std::vector<CPeakBracket*> asked;
        for (CPeakBracket& k : brackets) {
            if (!k.active)
                continue;
            f.push_back(probe(k));
            band.push_back(k.best.band);
            asked.push_back(&k);
        }
        if (asked.empty())
            return;
        const CErrorValues v = e.At(f, band);
        for (size_t i = 0; i < asked.size(); ++i)
            update(*asked[i], f[i], v.error[i], v.bound[i], v.weight[i]);
    }
}

CPeakBracket MakeBracket(double a, double ea, const CExtremum& best, double c, double ec)
{
    CPeakBracket k{a, best.f, c, ea, std::abs(best.error), ec, best};
    k.width = c - a;
    k.active = a < c && worthAnotherStep(k, k.width, best.bound);
    return k;
}

}  // namespace equiripple
