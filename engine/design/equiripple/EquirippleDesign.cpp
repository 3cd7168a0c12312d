#include "EquirippleDesign.h"

#include "DesignFigures.h"
#include "FilterTypes.h"
#include "Message.h"
#include "NumberText.h"
#include "RequestApproximation.h"
#include "RoundingFloor.h"

#include <algorithm>
#include <cmath>

using equiripple::CApproximation;

namespace {

// Why no design was made: neither the exchange at the request's length nor any at a
// shorter one whose coefficients would realize it converged.
std::string notConverging(const CEquirippleRequest& request, double spread)
{
    const CLengthEstimate estimate = EstimateEquirippleLength(request);
    if (!estimate.strError.empty())
        return text::Tr("EquirippleDesign",
            "The equiripple design of length %1 does not converge, nor does any shorter one; "
            "allow wider transition bands, more ripple or less attenuation.")
            .arg(request.nLength);
    return text::Tr("EquirippleDesign",
        "The equiripple design of length %1 does not converge (its largest error still lies "
        "%2% above the levelled one), nor does any shorter one. Try a length near the "
        "estimate of %3, wider transition bands, or a ripple and an attenuation closer to "
        "each other.")
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
    auto [full, spread] = equiripple::Solve(a);
    std::optional<CEquirippleDesign> design = full && full->bRealized
        ? std::move(full->design)
        : equiripple::DesignAtRoundingFloor(a, std::move(full));
    if (design && request.nType == HalfBand)
        return {equiripple::HalfBandDesign(*design), {}, spread};
    return {std::move(design), {}, spread};
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
