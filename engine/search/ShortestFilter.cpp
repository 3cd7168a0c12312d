#include "ShortestFilter.h"

#include "FilterDesign.h"
#include "FilterTypes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace {

// The walk from the start grows or shrinks the length by about this share of it at a time:
// small enough that an equiripple design is not asked for a length so far above what it
// needs that its errors drown in rounding.
constexpr double kStride = 0.2;
// Below a length found, so many shorter lengths are tried before it is taken.
constexpr int kLookBelow = 3;

class CSearch {
public:
    CSearch(const CLengthDesign& design, const CLengthChain& chain, const CRequirements& requirements,
        const CSearchProgress& progress)
        : m_design(design), m_chain(chain), m_requirements(requirements), m_progress(progress)
    {
    }

    CShortestResult Run();

private:
    struct CStop {};  // thrown when the user stops the search

    bool Meets(int n);
    int Stride(int n) const { return std::max(2, 2 * static_cast<int>(std::lround(kStride * n / 2))); }
    // The shortest meeting length from the start; 0 when none up to the last.
    int Bracket();
    int Descend(int meets);

    const CLengthDesign& m_design;
    const CLengthChain& m_chain;
    const CRequirements& m_requirements;
    const CSearchProgress& m_progress;
    std::map<int, bool> m_meets;
    CShortestResult m_result;
};

bool CSearch::Meets(int n)
{
    const auto known = m_meets.find(n);
    if (known != m_meets.end())
        return known->second;
    if (m_progress && !m_progress(n))
        throw CStop();
    ++m_result.nDesigns;
    const std::optional<CRealArray> h = m_design(n);
    std::optional<CFilterMeasurement> judged;
    if (h)
        judged = JudgeFilter(*h, m_requirements);
    const bool meets = judged && judged->MeetsRequirements();
    if (!meets && n >= m_result.nLongestTried) {
        m_result.nLongestTried = n;
        m_result.longest = std::move(judged);
    }
    return m_meets[n] = meets;
}

// Walks from the start by strides until the answer changes, then halves the bracket.
int CSearch::Bracket()
{
    int lo = 0, hi = 0;  // lengths known to fail and to meet; 0 for none yet
    int n = m_chain.nStart;
    if (Meets(n)) {
        for (hi = n; hi > m_chain.nFirst && !lo;) {
            n = std::max(m_chain.nFirst, hi - Stride(hi));
            (Meets(n) ? hi : lo) = n;
        }
    } else {
        for (lo = n; lo < m_chain.nLast && !hi;) {
            n = std::min(m_chain.nLast, lo + Stride(lo));
            (Meets(n) ? hi : lo) = n;
        }
        if (!hi)
            return 0;
    }
    while (lo && hi - lo > 2) {
        const int middle = lo + 2 * ((hi - lo) / 4);
        (Meets(middle) ? hi : lo) = middle;
    }
    return hi;
}

// From a meeting length, down while one of the next kLookBelow shorter lengths meets.
int CSearch::Descend(int meets)
{
    for (bool lower = true; lower;) {
        lower = false;
        for (int k = 1; k <= kLookBelow && meets - 2 * k >= m_chain.nFirst; ++k) {
            if (Meets(meets - 2 * k)) {
                meets -= 2 * k;
                lower = true;
                break;
            }
        }
    }
    return meets;
}

CShortestResult CSearch::Run()
{
    try {
        const int found = Bracket();
        m_result.nLength = found ? Descend(found) : 0;
    } catch (const CStop&) {
        m_result.bCancelled = true;
        m_result.nLength = 0;
    }
    if (m_result.nLength)
        m_result.longest.reset();
    return m_result;
}

// The chain of parity (0 even, 1 odd) from its least length up to maxLength, starting near
// estimate.
CLengthChain chainOf(int parity, int maxLength, int estimate)
{
    const int first = parity ? 1 : 2, last = maxLength - (maxLength % 2 == parity ? 0 : 1);
    const int start = std::clamp(estimate, first, last);
    return {first, last, start - (start % 2 == parity ? 0 : 1)};
}

// Kaiser's estimate for requirements, as an odd length; maxLength where it has none.
int kaiserEstimate(const CRequirements& r, int maxLength)
{
    const CLengthEstimate estimate = EstimateLength(r.dRipple, std::max(r.dAttenuation, 1e-4), std::max(NarrowestTransition(r), 1e-6));
    return estimate.strError.empty() ? std::min(estimate.nLength, maxLength) : maxLength;
}

// The equiripple design of request at any length, nullopt where it is refused.
CLengthDesign equirippleOf(const CEquirippleRequest& request)
{
    return [request](int n) -> std::optional<CRealArray> {
        CEquirippleRequest sized = request;
        sized.nLength = n;
        if (std::optional<CEquirippleDesign> d = TryDesignEquiripple(sized))
            return std::move(d->coefficients);
        return std::nullopt;
    };
}

// The result of two searches of one request over the two parities: the shorter length
// found (a stopped search wins, so that the stop is told), with the designs of both.
CShortestResult shorterOf(const CShortestResult& odd, const CShortestResult& even)
{
    const bool evenWins = even.bCancelled || (even.nLength && (!odd.nLength || even.nLength < odd.nLength))
        || (!odd.nLength && !even.nLength && even.nLongestTried > odd.nLongestTried);
    CShortestResult result = evenWins ? even : odd;
    result.nDesigns = odd.nDesigns + even.nDesigns;
    return result;
}

}  // namespace

CShortestResult FindShortest(const CLengthDesign& design, const CLengthChain& chain, const CRequirements& requirements,
    const CSearchProgress& progress)
{
    CheckRequirements(requirements);
    if (chain.nFirst < 1 || chain.nFirst > chain.nLast || (chain.nLast - chain.nFirst) % 2 != 0
        || chain.nStart < chain.nFirst || chain.nStart > chain.nLast || (chain.nStart - chain.nFirst) % 2 != 0)
        throw std::invalid_argument("a chain of lengths runs from its first to its last in steps of 2");
    return CSearch(design, chain, requirements, progress).Run();
}

CShortestResult ShortestPassBand(int type, double low, double high, double attenuation, int maxLength,
    const CRequirements& requirements, const CSearchProgress& progress)
{
    if (maxLength < 1 || maxLength > kMaxFilterLength)
        throw std::invalid_argument("the longest length of a search must be 1 to 65535");
    TryDesignPassBand(type, 1, low, high, attenuation);  // refuses bad arguments before any search
    const CLengthDesign design = [&](int n) -> std::optional<CRealArray> {
        std::optional<CPassBandDesign> d = TryDesignPassBand(type, n, low, high, attenuation);
        return d ? std::optional<CRealArray>(std::move(d->coefficients)) : std::nullopt;
    };
    return FindShortest(design, chainOf(1, maxLength, kaiserEstimate(requirements, maxLength)), requirements, progress);
}

CShortestResult ShortestEquiripple(const CEquirippleRequest& request, const CSearchProgress& progress)
{
    CEquirippleRequest checked = request;
    checked.nLength = 1;
    CheckEquirippleRequest(checked);
    const CRequirements requirements = EquirippleRequirements(request);
    const CLengthDesign design = equirippleOf(request);
    const int estimate = kaiserEstimate(requirements, kMaxEquirippleLength);
    CShortestResult odd = FindShortest(design, chainOf(1, kMaxEquirippleLength, estimate), requirements, progress);
    if (request.nType == HighPass || request.nType == BandElimination || odd.bCancelled)
        return odd;
    const CShortestResult even = FindShortest(design, chainOf(0, kMaxEquirippleLength, estimate), requirements, progress);
    return shorterOf(odd, even);
}
