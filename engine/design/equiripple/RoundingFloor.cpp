#include "RoundingFloor.h"

#include "DesignFigures.h"
#include "GuardBands.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

// The shorter lengths tried: each a twentieth shorter than the last until one is
// realized, then halving the interval between it and the next longer one tried.
constexpr double kStep = 0.05;
constexpr int kHalvings = 5;

// The candidate kept: the one of smaller largest weighted error on the bands of a.
struct CBest {
    const CApproximation& a;
    std::optional<CEquirippleDesign> design;
    double largest = HUGE_VAL;

    void Offer(CEquirippleDesign candidate)
    {
        const double e = LargestWeightedError(a, candidate);
        if (!(e < largest))
            return;
        largest = e;
        candidate.bAtRoundingFloor = true;
        design.emplace(std::move(candidate));
    }
};

// The design of a with its gaps guarded, from the levelled error of a's own design.
std::optional<CSolution> guardedOf(const CApproximation& a, const CSolution& own)
{
    if (!(own.dLevelled > 0.0))
        return std::nullopt;
    return Solve(WithGuardBands(a, own.dLevelled)).first;
}

// The design of a with n coefficients, or else that with its gaps guarded, whichever first
// is realized by its coefficients; nullopt where neither is.
std::optional<CEquirippleDesign> realizedAt(const CApproximation& a, int n)
{
    CApproximation shorter = a;
    shorter.nLength = n;
    if (FreeTerms(shorter) < 1)
        return std::nullopt;
    std::optional<CSolution> s = Solve(shorter).first;
    if (s && s->bRealized)
        return std::move(s->design);
    std::optional<CSolution> guarded = s ? guardedOf(shorter, *s) : std::nullopt;
    if (guarded && guarded->bRealized)
        return std::move(guarded->design);
    return std::nullopt;
}

// d with zeros at both ends, n coefficients in all (n - d's length even and >= 0).
CEquirippleDesign padded(const CEquirippleDesign& d, int n)
{
    CRealArray h(n);
    const int offset = (n - d.coefficients.GetSize()) / 2;
    std::copy(d.coefficients.data(), d.coefficients.data() + d.coefficients.GetSize(), h.data() + offset);
    return {std::move(h), d.extremalFrequencies, d.extremalErrors, d.bandDeviations, d.dPassDeviation,
        d.dStopDeviation, d.dSpread, d.bAtRoundingFloor, d.nIterations};
}

// The length a twentieth below n, at least 2 below and of n's parity.
int stepDown(int n) { return n - 2 * std::max(1, static_cast<int>(kStep * n / 2.0)); }

// A realized design of a shorter length, that length, and the shortest length above it
// found not realized (or a's).
struct CShorter {
    std::optional<CEquirippleDesign> design;
    int below = 0;
    int above = 0;
};

// The first realized length below a's, stepping down by stepDown.
CShorter firstRealizedBelow(const CApproximation& a)
{
    int above = a.nLength;
    for (int n = stepDown(above); n >= 1; above = n, n = stepDown(n))
        if (std::optional<CEquirippleDesign> d = realizedAt(a, n))
            return {std::move(d), n, above};
    return {std::nullopt, 0, above};
}

// Halves the interval between the realized length and the one above, keeping the longest
// realized design. Not assigned: a design's coefficients keep their length when assigned to.
void narrow(const CApproximation& a, CShorter& found)
{
    for (int halving = 0; halving < kHalvings && found.above - found.below > 2; ++halving) {
        const int middle = found.below + 2 * ((found.above - found.below) / 4);
        std::optional<CEquirippleDesign> d = realizedAt(a, middle);
        if (!d) {
            found.above = middle;
            continue;
        }
        found.below = middle;
        found.design.reset();
        found.design.emplace(std::move(*d));
    }
}

}  // namespace

std::optional<CEquirippleDesign> DesignAtRoundingFloor(const CApproximation& a, std::optional<CSolution> full)
{
    CBest best{a, std::nullopt};
    if (full) {
        best.Offer(full->design);
        if (std::optional<CSolution> guarded = guardedOf(a, *full))
            best.Offer(std::move(guarded->design));
    }
    CShorter shorter = firstRealizedBelow(a);
    if (shorter.design) {
        narrow(a, shorter);
        best.Offer(padded(*shorter.design, a.nLength));
    }
    return std::move(best.design);
}

}  // namespace equiripple
