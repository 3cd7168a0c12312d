#include "RequestApproximation.h"

#include "FilterTypes.h"

namespace equiripple {

namespace {

bool isPassBand(int type, size_t band)
{
    switch (type) {
    case LowPass: return band == 0;
    case HighPass: case BandPass: return band == 1;
    default: return band != 1;
    }
}

// Pass bands between 0, the edges and 0.5 weighted 1, stop bands pass / stop deviation,
// unless the request gives the weights.
std::vector<CBand> classicBands(const CEquirippleRequest& request)
{
    const double stopWeight = PassDeviation(request.dRipple) / StopDeviation(request.dAttenuation);
    std::vector<double> edges = request.edges;
    edges.insert(edges.begin(), 0.0);
    edges.push_back(0.5);
    std::vector<CBand> bands;
    for (size_t b = 0; 2 * b + 1 < edges.size(); ++b) {
        const bool pass = isPassBand(request.nType, b);
        const double weight = request.weights.empty() ? (pass ? 1.0 : stopWeight) : request.weights[b];
        bands.push_back({edges[2 * b], edges[2 * b + 1], pass ? 1.0 : 0.0, weight});
    }
    return bands;
}

std::vector<CBand> givenBands(const CEquirippleRequest& request)
{
    std::vector<CBand> bands;
    for (const CEquirippleBand& b : request.bands)
        bands.push_back({b.dFrom, b.dTo, b.dGain, b.dWeight});
    return bands;
}

}  // namespace

CApproximation ApproximationOf(const CEquirippleRequest& request)
{
    CApproximation a;
    a.nLength = request.nLength;
    switch (request.nType) {
    case Multiband: a.bands = givenBands(request); break;
    case Differentiator:
        a.bands = givenBands(request);
        a.bAntisymmetric = a.bProportional = true;
        break;
    case Hilbert:
        a.bands = {{request.edges[0], request.edges[1], 1.0, 1.0}};
        a.bAntisymmetric = true;
        break;
    case HalfBand:
        a.nLength = (request.nLength + 1) / 2;
        a.bands = {{0.0, 2.0 * request.edges[0], 1.0, 1.0}};
        break;
    default: a.bands = classicBands(request);
    }
    return a;
}

CRealArray HalfBandCoefficients(const CRealArray& g)
{
    const int n = g.GetSize();
    CRealArray h(2 * n - 1);
    for (int i = 0; i < n; ++i)
        h[2 * i] = 0.5 * g[i];
    h[n - 1] = 0.5;
    return h;
}

}  // namespace equiripple
