#include "EquirippleDesign.h"

#include "CComplexArray.h"
#include "EquirippleGrid.h"
#include "FilterTypes.h"
#include "InitialReference.h"
#include "Message.h"
#include "NumberText.h"
#include "RemezExchange.h"

#include <algorithm>
#include <cmath>
#include <tuple>

using equiripple::CBand;
using equiripple::CGrid;

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
// The shortest design runs from an even start; each longer one, up to the full length,
// from the reference of the one before, with about twice its terms.
constexpr int kSmallestTerms = 32;
constexpr int kLevelIterations = 40;
constexpr int kFinalIterations = 100;

int freeTerms(int n) { return n % 2 == 1 ? (n + 1) / 2 : n / 2; }

bool isPassBand(int type, size_t band)
{
    switch (type) {
    case LowPass: return band == 0;
    case HighPass: return band == 1;
    case BandPass: return band == 1;
    default: return band != 1;
    }
}

// The bands of the request, pass bands weighted 1 and stop bands pass / stop deviation,
// both weights raised to the power scale (0 .. 1) after the smaller has been made 1.
std::vector<CBand> bandsOf(const CEquirippleRequest& request, double scale)
{
    const double stopWeight = PassDeviation(request.dRipple) / StopDeviation(request.dAttenuation);
    const double smaller = std::min(1.0, stopWeight);
    std::vector<double> edges = request.edges;
    edges.insert(edges.begin(), 0.0);
    edges.push_back(0.5);
    std::vector<CBand> bands;
    for (size_t b = 0; 2 * b + 1 < edges.size(); ++b) {
        const bool pass = isPassBand(request.nType, b);
        const double weight = std::pow((pass ? 1.0 : stopWeight) / smaller, scale) * smaller;
        bands.push_back({edges[2 * b], edges[2 * b + 1], pass ? 1.0 : 0.0, weight});
    }
    return bands;
}

// The sequence of term counts from the shortest design to r.
std::vector<int> levels(int r)
{
    std::vector<int> terms{r};
    while (terms.back() > kSmallestTerms)
        terms.push_back((terms.back() + 1) / 2);
    std::reverse(terms.begin(), terms.end());
    return terms;
}

struct CLevelResult {
    CGrid grid;
    equiripple::CExchangeResult exchange;
};

// Runs the designs of increasing length, each starting from the reference of the last
// shorter one that found one. The shorter ones weight the stop bands less (weights raised
// to terms / r): a weight moves the reference about as much as its logarithm divided by
// the number of terms, so each shorter design has the shape of the full one.
std::optional<CLevelResult> runLevels(const CEquirippleRequest& request)
{
    const int r = freeTerms(request.nLength);
    const bool even = request.nLength % 2 == 0;
    CLevelResult source, current;
    for (int terms : levels(r)) {
        current.grid = equiripple::BuildGrid(bandsOf(request, static_cast<double>(terms) / r), terms, even);
        if (current.grid.f.size() <= static_cast<size_t>(terms))
            return std::nullopt;
        std::vector<int> start = source.exchange.reference.empty()
            ? equiripple::EvenReference(current.grid, terms)
            : equiripple::ScaledReference(source.grid, source.exchange.reference, current.grid, terms);
        current.exchange = equiripple::RunExchange(current.grid, std::move(start), terms == r ? kFinalIterations : kLevelIterations);
        if (!current.exchange.reference.empty() && terms < r)
            source = std::move(current);
    }
    return current;
}

// A(k / n) for k = 0 .. n / 2, A(f) = [cos(pi f)] p(cos 2 pi f). The samples in the
// transition bands would take rounding errors of up to 1e-6 in double precision, and the
// transform back would spread them over the stop bands.
std::vector<double> amplitudeSamples(const equiripple::CBarycentricPolynomial& p, int n)
{
    const bool even = n % 2 == 0;
    std::vector<long double> x;
    for (int k = 0; 2 * k <= n; ++k)
        x.push_back(std::cos(2.0L * kPi * k / n));
    std::vector<double> a = p.EvaluatePrecisely(x);
    for (size_t k = 0; even && k < a.size(); ++k)
        a[k] = 2 * k == static_cast<size_t>(n) ? 0.0 : a[k] * equiripple::EvenLengthFactor(static_cast<double>(k) / n);
    return a;
}

// h[0 .. n-1] of the amplitude: A sampled at k / n, given the linear phase of a delay of
// (n - 1) / 2 samples, transformed back and made exactly symmetric.
CRealArray coefficientsOf(const equiripple::CBarycentricPolynomial& p, int n)
{
    const std::vector<double> a = amplitudeSamples(p, n);
    CComplexArray spectrum(n);
    for (int k = 0; 2 * k <= n; ++k) {
        const double phase = static_cast<double>(-kPi * static_cast<long double>((static_cast<long long>(k) * (n - 1)) % (2LL * n)) / n);
        const double amplitude = a[static_cast<size_t>(k)];
        spectrum[k] = CComplex(amplitude * std::cos(phase), amplitude * std::sin(phase));
        spectrum[(n - k) % n] = CComplex(amplitude * std::cos(phase), -amplitude * std::sin(phase));
    }
    CRealArray h = spectrum.ifft().Real();
    for (int i = 0; 2 * i < n; ++i)
        h[i] = h[n - 1 - i] = 0.5 * (h[i] + h[n - 1 - i]);
    return h;
}

// The largest deviations from the desired amplitude in the pass and the stop bands, on
// the grid: the weighted errors divided by their bands' weights.
std::pair<double, double> deviations(const CEquirippleRequest& request, const CLevelResult& level)
{
    const std::vector<CBand> bands = bandsOf(request, 1.0);
    double pass = 0.0, stop = 0.0;
    for (size_t b = 0; b < bands.size(); ++b) {
        double& largest = isPassBand(request.nType, b) ? pass : stop;
        for (int i = level.grid.bandStart[b]; i < level.grid.bandStart[b + 1]; ++i)
            largest = std::max(largest, std::abs(level.exchange.gridErrors[static_cast<size_t>(i)]) / bands[b].weight);
    }
    return {pass, stop};
}

CEquirippleDesign designOf(const CEquirippleRequest& request, const CLevelResult& level)
{
    const equiripple::CExchangeResult& exchange = level.exchange;
    CEquirippleDesign design{coefficientsOf(*exchange.polynomial, request.nLength), {}, exchange.errors, 0.0, 0.0,
        exchange.dSpread, exchange.nIterations};
    std::tie(design.dPassDeviation, design.dStopDeviation) = deviations(request, level);
    for (int i : exchange.reference)
        design.extremalFrequencies.push_back(level.grid.f[static_cast<size_t>(i)]);
    return design;
}

std::string notConverging(const CEquirippleRequest& request, double spread)
{
    const CLengthEstimate estimate = EstimateEquirippleLength(request);
    if (!estimate.strError.empty())
        return text::Tr("EquirippleDesign",
            "The equiripple design of length %1 does not converge; allow wider transition "
            "bands, more ripple or less attenuation.")
            .arg(request.nLength);
    if (request.nLength > 2 * estimate.nLength)
        return text::Tr("EquirippleDesign",
            "The equiripple design of length %1 does not converge: at this length, far above "
            "the estimate of %2 for these conditions, its errors would lie below what double "
            "precision resolves. Choose a length nearer the estimate, or ask for less ripple, "
            "more attenuation or narrower transition bands.")
            .arg(request.nLength)
            .arg(estimate.nLength);
    return text::Tr("EquirippleDesign",
        "The equiripple design of length %1 does not converge (its largest error still lies "
        "%2% above the levelled one). Try a length near the estimate of %3, wider transition "
        "bands, or a ripple and an attenuation closer to each other.")
        .arg(request.nLength)
        .arg(FormatGeneral(spread * 100.0, 2))
        .arg(estimate.nLength);
}

// A design of the request, or why there is none: strWhy, or when that is empty, an
// exchange that did not converge.
struct CAttempt {
    std::optional<CEquirippleDesign> design;
    std::string strWhy;
    double dSpread = 1.0;
};

CAttempt attempt(const CEquirippleRequest& request)
{
    CheckEquirippleRequest(request);
    if (std::string problem = EquirippleLengthProblem(request.nType, request.nLength); !problem.empty())
        return {std::nullopt, std::move(problem)};
    const std::optional<CLevelResult> level = runLevels(request);
    if (!level)
        return {std::nullopt,
            text::Tr("EquirippleDesign",
                "The bands are too narrow for %1 coefficients: widen the pass and "
                "stop bands or choose a shorter length.")
                .arg(request.nLength)};
    if (!level->exchange.bConverged)
        return {std::nullopt, {}, level->exchange.dSpread};
    return {designOf(request, *level), {}};
}

}  // namespace

std::optional<CEquirippleDesign> TryDesignEquiripple(const CEquirippleRequest& request)
{
    return attempt(request).design;
}

CEquirippleDesign DesignEquiripple(const CEquirippleRequest& request)
{
    CAttempt result = attempt(request);
    if (!result.design)
        throw CEquirippleRefusal(result.strWhy.empty() ? notConverging(request, result.dSpread) : result.strWhy);
    return std::move(*result.design);
}
