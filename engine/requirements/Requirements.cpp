#include "Requirements.h"

#include "EquirippleDesign.h"
#include "FilterTypes.h"
#include "Message.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

const char* const kTypeNames[] = {"lowpass", "highpass", "bandpass", "bandstop", "multiband", "differentiator",
    "hilbert"};

// Whether the lowest band of type passes; the bands alternate from there.
bool lowestBandPasses(int type) { return type == LowPass || type == BandElimination; }

// The bands of a type that states them: pairs of edges within 0 .. 0.5, each band ending
// above its start and none starting below the end of the one before, with one gain each.
void checkBands(const CRequirements& r)
{
    const size_t count = r.gains.size();
    if (count < 1 || count > static_cast<size_t>(kMaxRequirementBands) || r.edges.size() != 2 * count)
        throw std::invalid_argument(
            text::Tr("Requirements", "this filter type needs 1 to %1 bands, two edges and a gain each").arg(kMaxRequirementBands));
    double previous = 0.0;
    for (size_t b = 0; b < count; ++b) {
        const double from = r.edges[2 * b], to = r.edges[2 * b + 1];
        if (!(from >= previous && to > from && to <= 0.5))
            throw std::invalid_argument(
                text::Tr("Requirements", "bands must lie within 0 .. 0.5, each ending above its start, none before the one below"));
        if (!(r.gains[b] >= 0.0 && std::isfinite(r.gains[b])) || (r.nType == Hilbert && r.gains[b] != 1.0))
            throw std::invalid_argument(text::Tr("Requirements", "a band's gain must be a finite number of at least 0"));
        previous = to;
    }
}

void checkEdges(const CRequirements& r)
{
    if (RequirementsTakeBands(r.nType))
        return checkBands(r);
    if (!r.gains.empty())
        throw std::invalid_argument(text::Tr("Requirements", "only multiband filters, differentiators and Hilbert transformers take gains"));
    if (r.edges.size() != static_cast<size_t>(RequirementEdgeCount(r.nType)))
        throw std::invalid_argument(r.nType >= BandPass
                ? text::Tr("Requirements", "a band filter needs 4 band edges")
                : text::Tr("Requirements", "this filter type needs 2 band edges"));
    double previous = 0.0;
    for (double edge : r.edges) {
        if (!(edge >= previous && edge <= 0.5))
            throw std::invalid_argument(
                text::Tr("Requirements", "band edges must lie within 0 .. 0.5, none below the one before"));
        previous = edge;
    }
}

// The bands of a type that states them (r well formed).
std::vector<CRequirementBand> statedBands(const CRequirements& r)
{
    std::vector<CRequirementBand> bands;
    for (size_t b = 0; b < r.gains.size(); ++b) {
        const double gain = r.gains[b];
        const double tolerance = gain > 0.0 ? gain * PassDeviation(r.dRipple) : StopDeviation(r.dAttenuation);
        bands.push_back({r.edges[2 * b], r.edges[2 * b + 1], gain, tolerance, r.nType == Differentiator && gain > 0.0});
    }
    return bands;
}

}  // namespace

bool CRequirements::operator==(const CRequirements& other) const
{
    return nType == other.nType && edges == other.edges && dRipple == other.dRipple
        && dAttenuation == other.dAttenuation && gains == other.gains;
}

int RequirementEdgeCount(int type) { return type >= BandPass ? 4 : 2; }

bool RequirementsTakeBands(int type) { return type == Multiband || type == Differentiator || type == Hilbert; }

void CheckRequirements(const CRequirements& r)
{
    if (r.nType < LowPass || r.nType > Hilbert)
        throw std::invalid_argument(text::Tr("Requirements", "filter type must be 0 to 6"));
    checkEdges(r);
    if (!(r.dRipple > 0.0 && r.dRipple <= kMaxRequirementRipple))
        throw std::invalid_argument(
            text::Tr("Requirements", "the pass-band ripple must be above 0 and at most %1 dB").arg(static_cast<int>(kMaxRequirementRipple)));
    if (!(r.dAttenuation >= 0.0 && r.dAttenuation <= kMaxRequirementAttenuation))
        throw std::invalid_argument(
            text::Tr("Requirements", "the stop-band attenuation must be 0 to %1 dB").arg(static_cast<int>(kMaxRequirementAttenuation)));
}

std::vector<CRequirementBand> RequirementBands(const CRequirements& r)
{
    if (RequirementsTakeBands(r.nType))
        return statedBands(r);
    std::vector<double> limits = r.edges;
    limits.insert(limits.begin(), 0.0);
    limits.push_back(0.5);
    const double passTolerance = PassDeviation(r.dRipple), stopTolerance = StopDeviation(r.dAttenuation);
    std::vector<CRequirementBand> bands;
    bool pass = lowestBandPasses(r.nType);
    for (size_t b = 0; 2 * b + 1 < limits.size(); ++b, pass = !pass)
        bands.push_back({limits[2 * b], limits[2 * b + 1], pass ? 1.0 : 0.0, pass ? passTolerance : stopTolerance});
    return bands;
}

double NarrowestTransition(const CRequirements& r)
{
    if (RequirementsTakeBands(r.nType)) {
        double gap = 0.5;
        for (size_t e = 2; e + 1 < r.edges.size(); e += 2)
            gap = std::min(gap, r.edges[e] - r.edges[e - 1]);
        return gap;
    }
    double narrowest = r.edges.at(1) - r.edges.at(0);
    if (r.edges.size() == 4)
        narrowest = std::min(narrowest, r.edges[3] - r.edges[2]);
    return narrowest;
}

double KaiserRipple(double attenuation)
{
    const double deviation = StopDeviation(attenuation);
    if (!(deviation < 1.0))
        return kMaxRequirementRipple;
    return std::min(kMaxRequirementRipple, 20.0 * std::log10((1.0 + deviation) / (1.0 - deviation)));
}

CRequirements PassBandRequirements(int type, double low, double high, double attenuation, double width,
    double ripple)
{
    if (type < LowPass || type > BandElimination || !(low >= 0.0 && low <= 0.5)
        || (type >= BandPass && !(high >= low && high <= 0.5)))
        throw std::invalid_argument(text::Tr("Requirements", "the cut-offs must lie within 0 .. 0.5, the high one above the low one"));
    if (!(width > 0.0 && std::isfinite(width)) || !(ripple > 0.0) || !(attenuation >= 0.0 && attenuation <= kMaxRequirementAttenuation))
        throw std::invalid_argument(text::Tr("Requirements", "a transition width, ripple and attenuation must be positive"));
    CRequirements r;
    r.nType = type;
    r.edges.clear();
    for (double cutoff : type >= BandPass ? std::vector<double>{low, high} : std::vector<double>{low}) {
        r.edges.push_back(std::clamp(cutoff - width / 2, 0.0, 0.5));
        r.edges.push_back(std::clamp(cutoff + width / 2, 0.0, 0.5));
    }
    if (r.edges.size() == 4 && r.edges[1] > r.edges[2])
        r.edges[1] = r.edges[2] = 0.5 * (low + high);
    r.dRipple = std::min(ripple, kMaxRequirementRipple);
    r.dAttenuation = attenuation;
    return r;
}

CRequirements EquirippleRequirements(const CEquirippleRequest& request)
{
    CRequirements r{request.nType, request.edges, request.dRipple, request.dAttenuation, {}};
    if (request.nType == HalfBand) {
        r.nType = LowPass;
        r.edges = {request.edges.at(0), 0.5 - request.edges.at(0)};
    } else if (request.nType == Hilbert) {
        r.gains = {1.0};
    } else if (RequirementsTakeBands(request.nType)) {
        r.edges.clear();
        for (const CEquirippleBand& band : request.bands) {
            r.edges.insert(r.edges.end(), {band.dFrom, band.dTo});
            r.gains.push_back(std::fabs(band.dGain));
        }
    }
    return r;
}

std::string FilterTypeName(int type)
{
    return type >= LowPass && type <= Hilbert ? kTypeNames[type] : std::to_string(type);
}

int FilterTypeFromName(const std::string& name)
{
    const auto found = std::find(std::begin(kTypeNames), std::end(kTypeNames), name);
    return found == std::end(kTypeNames) ? -1 : static_cast<int>(found - std::begin(kTypeNames));
}
