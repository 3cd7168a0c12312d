#include "Requirements.h"

#include "EquirippleDesign.h"
#include "FilterTypes.h"
#include "Message.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

const char* const kTypeNames[] = {"lowpass", "highpass", "bandpass", "bandstop"};

// Whether the lowest band of type passes; the bands alternate from there.
bool lowestBandPasses(int type) { return type == LowPass || type == BandElimination; }

void checkEdges(const CRequirements& r)
{
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

}  // namespace

bool CRequirements::operator==(const CRequirements& other) const
{
    return nType == other.nType && edges == other.edges && dRipple == other.dRipple
        && dAttenuation == other.dAttenuation;
}

int RequirementEdgeCount(int type) { return type >= BandPass ? 4 : 2; }

void CheckRequirements(const CRequirements& r)
{
    if (r.nType < LowPass || r.nType > BandElimination)
        throw std::invalid_argument(text::Tr("Requirements", "filter type must be 0 to 3"));
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
    return {request.nType, request.edges, request.dRipple, request.dAttenuation};
}

std::string FilterTypeName(int type)
{
    return type >= LowPass && type <= BandElimination ? kTypeNames[type] : std::to_string(type);
}

int FilterTypeFromName(const std::string& name)
{
    const auto found = std::find(std::begin(kTypeNames), std::end(kTypeNames), name);
    return found == std::end(kTypeNames) ? -1 : static_cast<int>(found - std::begin(kTypeNames));
}
