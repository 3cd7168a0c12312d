#include "EquirippleDesign.h"

#include "AmplitudeCoefficients.h"
#include "EquirippleGrid.h"
#include "FilterTypes.h"
#include "InitialReference.h"
#include "Message.h"
#include "NumberText.h"
#include "RemezExchange.h"
#include "RequestApproximation.h"

#include <algorithm>
#include <cmath>

using equiripple::CApproximation;
using equiripple::CExtremum;

namespace {

constexpr int kIterations = 100;
// Grid points per extremum of the error while searching, and for the final check.
constexpr int kSearchDensity = 4;
constexpr int kCheckDensity = 8;
// Moves of a point between bands that the start tries.
constexpr int kMoves = 4;

// The exchange on a, from the weighted equilibrium measure of its bands.
equiripple::CExchangeResult exchangeOf(const CApproximation& a)
{
    const int r = equiripple::FreeTerms(a);
    const equiripple::CGrid search = equiripple::BuildGrid(a, r, kSearchDensity);
    const equiripple::CGrid check = equiripple::BuildGrid(a, r, kCheckDensity);
    return equiripple::RunExchange(a, {search, check}, equiripple::StartingReference(a, search, r, kMoves), kIterations,
        equiripple::kConvergence);
}

// The largest |error| / weight over the extrema in each band of a.
std::vector<double> bandDeviations(const CApproximation& a, const std::vector<CExtremum>& extrema)
{
    std::vector<double> largest(a.bands.size(), 0.0);
    for (const CExtremum& x : extrema) {
        const size_t b = static_cast<size_t>(x.band);
        largest[b] = std::max(largest[b], std::abs(x.error) / a.bands[b].weight);
    }
    return largest;
}

// The design of coefficients with the figures of the exchange of a.
CEquirippleDesign figuresOf(CRealArray coefficients, const CApproximation& a, const equiripple::CExchangeResult& exchange)
{
    CEquirippleDesign design{std::move(coefficients), {}, {}, {}, 0.0, 0.0, 0.0, false, 0};
    for (const CExtremum& x : exchange.reference) {
        design.extremalFrequencies.push_back(x.f);
        design.extremalErrors.push_back(x.error);
    }
    design.bandDeviations = bandDeviations(a, exchange.extrema);
    for (size_t b = 0; b < a.bands.size(); ++b) {
        double& largest = a.bands[b].gain != 0.0 ? design.dPassDeviation : design.dStopDeviation;
        largest = std::max(largest, design.bandDeviations[b]);
    }
    design.dSpread = exchange.dSpread;
    design.bAtRoundingFloor = exchange.bAtRoundingFloor;
    design.nIterations = exchange.nIterations;
    return design;
}

// A half-band filter's figures from those of its low pass g: an extremum of g's error e at
// v lies at v / 2 with e / 2 and at (1 - v) / 2 with -e / 2.
void halfBandFigures(CEquirippleDesign& design)
{
    const std::vector<double> f = design.extremalFrequencies, e = design.extremalErrors;
    design.extremalFrequencies.clear();
    design.extremalErrors.clear();
    for (size_t i = 0; i < f.size(); ++i)
        design.extremalFrequencies.push_back(0.5 * f[i]), design.extremalErrors.push_back(0.5 * e[i]);
    for (size_t i = f.size(); i-- > 0;)
        design.extremalFrequencies.push_back(0.5 - 0.5 * f[i]), design.extremalErrors.push_back(-0.5 * e[i]);
    const double deviation = 0.5 * design.bandDeviations.front();
    design.bandDeviations = {deviation, deviation};
    design.dPassDeviation = design.dStopDeviation = deviation;
}

// The design of the exchange, or nullopt when its coefficients do not realize it: their
// error on a dense grid exceeds the largest of the design by more than the rounding of
// double coefficients (a design whose errors lie below that rounding can leave its
// transition bands unbounded).
std::optional<CEquirippleDesign> designOf(const CEquirippleRequest& request, const CApproximation& a,
    const equiripple::CExchangeResult& exchange)
{
    CRealArray coefficients = equiripple::AmplitudeCoefficients(a, *exchange.polynomial);
    const double largest = std::abs(exchange.dDelta) / (1.0 - exchange.dSpread);
    if (!(equiripple::LargestCoefficientError(a, coefficients) <= largest * (1.0 + equiripple::kConvergence)))
        return std::nullopt;
    if (request.nType != HalfBand)
        return figuresOf(std::move(coefficients), a, exchange);
    CEquirippleDesign design = figuresOf(equiripple::HalfBandCoefficients(coefficients), a, exchange);
    halfBandFigures(design);
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
    if (std::string problem = EquirippleLengthProblem(request); !problem.empty())
        return {std::nullopt, std::move(problem)};
    const CApproximation a = equiripple::ApproximationOf(request);
    const equiripple::CExchangeResult exchange = exchangeOf(a);
    if (!exchange.bConverged)
        return {std::nullopt, {}, exchange.dSpread};
    return {designOf(request, a, exchange), {}, exchange.dSpread};
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
