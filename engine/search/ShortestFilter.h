#pragma once

#include "EquirippleDesign.h"
#include "FilterMeasurement.h"
#include "Requirements.h"

#include <functional>
#include <optional>

// The shortest filter of a design method that meets requirements, each length checked by
// designing the filter and judging it (JudgeFilter), never by a formula alone.

// What a search found.
struct CShortestResult {
    int nLength = 0;  // the shortest length found that meets the requirements; 0 when none
    bool bCancelled = false;
    // When none meets: the longest length tried, and its judgement when it could be
    // designed there.
    int nLongestTried = 0;
    std::optional<CFilterMeasurement> longest;
    int nDesigns = 0;  // how many lengths were designed and judged
};

// Told each length before it is designed; false stops the search (bCancelled).
using CSearchProgress = std::function<bool(int length)>;

// The filter of length n of a method, or nullopt where the method refuses that length.
using CLengthDesign = std::function<std::optional<CRealArray>(int n)>;

// The lengths a search walks: from nFirst up to nLast in steps of 2 (one parity), starting
// its walk at nStart (clamped into the range, to the range's parity).
struct CLengthChain {
    int nFirst;
    int nLast;
    int nStart;
};

// The shortest length of chain whose filter meets requirements: from the start, larger or
// smaller steps of about a fifth of the length until the answer changes, then halving, and
// at last a walk down while one of the next three shorter lengths meets too (meeting need
// not grow with the length). The length found meets and the next shorter one of the chain
// does not. Bad arguments: std::invalid_argument.
CShortestResult FindShortest(const CLengthDesign& design, const CLengthChain& chain, const CRequirements& requirements,
    const CSearchProgress& progress);

// The shortest odd length, up to maxLength (<= kMaxFilterLength), whose window design
// (DesignPassBand) of type, cut-offs and attenuation meets requirements: the design of an
// odd length is symmetric, hence of linear phase. The walk starts at Kaiser's estimate for
// the requirements.
CShortestResult ShortestPassBand(int type, double low, double high, double attenuation, int maxLength,
    const CRequirements& requirements, const CSearchProgress& progress);

// The shortest length up to kMaxEquirippleLength whose equiripple design of request
// (nLength ignored) meets the requirements the request states (EquirippleRequirements):
// odd lengths for high pass and band elimination, both parities for the others (the
// shorter wins). Malformed requests: std::invalid_argument.
CShortestResult ShortestEquiripple(const CEquirippleRequest& request, const CSearchProgress& progress);
