#include "ApproximationDesign.h"

#include "DesignFigures.h"
#include "EquirippleGrid.h"
#include "InitialReference.h"
#include "RemezExchange.h"

#include <cmath>

namespace equiripple {

namespace {

constexpr int kIterations = 100;
// Grid points per extremum of the error while searching, and for the final check.
constexpr int kSearchDensity = 4;
constexpr int kCheckDensity = 8;
// Moves of a point between bands that the start tries.
constexpr int kMoves = 4;

CExchangeResult exchangeOf(const CApproximation& a)
{
    const int r = FreeTerms(a);
    const CGrid search = BuildGrid(a, r, kSearchDensity);
    const CGrid check = BuildGrid(a, r, kCheckDensity);
    return RunExchange(a, {search, check}, StartingReference(a, search, r, kMoves), kIterations, kConvergence);
}

CSolution solutionOf(const CApproximation& a, const CExchangeResult& exchange)
{
    CAmplitudeCoefficients c = AmplitudeCoefficients(a, *exchange.polynomial);
    const double largest = std::abs(exchange.dDelta) / (1.0 - exchange.dSpread);
    const bool realized = LargestCoefficientError(a, c.h) <= largest * (1.0 + kConvergence);
    return {DesignFigures(a, exchange, std::move(c), !realized), std::abs(exchange.dDelta), realized};
}

}  // namespace

std::pair<std::optional<CSolution>, double> Solve(const CApproximation& a)
{
    const CExchangeResult exchange = exchangeOf(a);
    if (!exchange.bConverged)
        return {std::nullopt, exchange.dSpread};
    return {solutionOf(a, exchange), exchange.dSpread};
}

}  // namespace equiripple
