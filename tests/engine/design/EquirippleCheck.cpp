#include "EquirippleCheck.h"

#include "FilterTypes.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace equiripple_check {

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

std::vector<double> numbers(const std::string& text, char separator)
{
    std::vector<double> out;
    std::istringstream in(text);
    for (std::string field; std::getline(in, field, separator);)
        out.push_back(std::stod(field));
    return out;
}

std::vector<CEquirippleBand> bandsOf(const std::string& text)
{
    std::vector<CEquirippleBand> bands;
    std::istringstream in(text);
    for (std::string band; std::getline(in, band, ';');) {
        const std::vector<double> v = numbers(band, ':');
        bands.push_back({v.at(0), v.at(1), v.at(2), v.at(3)});
    }
    return bands;
}

int typeOf(const std::string& name)
{
    static const std::map<std::string, int> types = {{"lowpass", LowPass}, {"highpass", HighPass},
        {"bandpass", BandPass}, {"bandstop", BandElimination}, {"multiband", Multiband},
        {"differentiator", Differentiator}, {"hilbert", Hilbert}, {"halfband", HalfBand}};
    const auto found = types.find(name);
    if (found == types.end())
        throw std::runtime_error("unknown type " + name);
    return found->second;
}

CEquirippleRequest requestOf(const std::string& header)
{
    CEquirippleRequest r;
    std::istringstream in(header);
    for (std::string field; in >> field;) {
        const size_t is = field.find('=');
        const std::string key = field.substr(0, is), value = field.substr(is + 1);
        if (key == "type") r.nType = typeOf(value);
        else if (key == "length") r.nLength = std::stoi(value);
        else if (key == "ripple") r.dRipple = std::stod(value);
        else if (key == "attenuation") r.dAttenuation = std::stod(value);
        else if (key == "edges") r.edges = numbers(value, ',');
        else if (key == "weights") r.weights = numbers(value, ',');
        else if (key == "bands") r.bands = bandsOf(value);
    }
    return r;
}

// One band of the check: D = gain (times f where proportional), W = weight (over f).
struct CCheckBand {
    double lo, hi, gain, weight;
    bool proportional;
};

std::vector<CCheckBand> classicBands(const CEquirippleRequest& r)
{
    std::vector<double> e = r.edges;
    e.insert(e.begin(), 0.0);
    e.push_back(0.5);
    const bool lowPasses = r.nType == LowPass || r.nType == BandElimination;
    const double stopWeight = PassDeviation(r.dRipple) / StopDeviation(r.dAttenuation);
    std::vector<CCheckBand> bands;
    for (size_t b = 0; 2 * b + 1 < e.size(); ++b) {
        const bool pass = (b % 2 == 0) == lowPasses;
        const double weight = r.weights.empty() ? (pass ? 1.0 : stopWeight) : r.weights[b];
        bands.push_back({e[2 * b], e[2 * b + 1], pass ? 1.0 : 0.0, weight, false});
    }
    return bands;
}

std::vector<CCheckBand> checkBands(const CEquirippleRequest& r)
{
    std::vector<CCheckBand> bands;
    switch (r.nType) {
    case Multiband:
    case Differentiator:
        for (const CEquirippleBand& b : r.bands)
            bands.push_back({b.dFrom, b.dTo, b.dGain, b.dWeight, r.nType == Differentiator && b.dGain != 0.0});
        return bands;
    case Hilbert: return {{r.edges[0], r.edges[1], 1.0, 1.0, false}};
    case HalfBand: return {{0.0, r.edges[0], 1.0, 1.0, false}, {0.5 - r.edges[0], 0.5, 0.0, 1.0, false}};
    default: return classicBands(r);
    }
}

struct CErrorOf {
    const std::vector<double>& h;
    bool antisymmetric;
    CCheckBand band;

    double operator()(double f) const
    {
        const double a = Amplitude(h, antisymmetric, f);
        if (!band.proportional)
            return std::abs(band.weight * (band.gain - a));
        return std::abs(band.weight * (band.gain - a / f));
    }
};

// The largest of error on [lo, hi], around its peak at a grid point between them, by
// golden-section search.
double refined(const CErrorOf& error, double lo, double hi)
{
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    double a = lo, b = hi, c = b - g * (b - a), d = a + g * (b - a);
    double ec = error(c), ed = error(d);
    for (int i = 0; i < 30; ++i) {
        if (ec > ed) {
            b = d, d = c, ed = ec, c = b - g * (b - a), ec = error(c);
        } else {
            a = c, c = d, ec = ed, d = a + g * (b - a), ed = error(d);
        }
    }
    return std::max(ec, ed);
}

double bandPeak(const CErrorOf& error, int points)
{
    const CCheckBand& b = error.band;
    const double lo = b.proportional && b.lo == 0.0 ? 1e-9 : b.lo;
    std::vector<double> f, e;
    for (int i = 0; i <= points; ++i) {
        f.push_back(lo + (b.hi - lo) * i / points);
        e.push_back(error(f.back()));
    }
    double peak = std::max(e.front(), e.back());
    for (int i = 1; i < points; ++i)
        if (e[i] >= e[i - 1] && e[i] >= e[i + 1])
            peak = std::max(peak, refined(error, f[i - 1], f[i + 1]));
    return peak;
}

}  // namespace

std::vector<CReferenceDesign> ReadReferenceDesigns(const std::string& file)
{
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file);
    std::vector<CReferenceDesign> designs;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("type=", 0) == 0)
            designs.push_back({line, requestOf(line), {}});
        else if (!line.empty() && !designs.empty())
            designs.back().coefficients.push_back(std::stod(line));
    }
    return designs;
}

double Amplitude(const std::vector<double>& h, bool antisymmetric, double f)
{
    const long double middle = (static_cast<long double>(h.size()) - 1.0L) / 2.0L;
    const std::complex<long double> step = std::polar(1.0L, -2.0L * kPi * f);
    std::complex<long double> rotation = std::polar(1.0L, 2.0L * kPi * f * middle);
    long double sum = 0.0L;
    for (size_t n = 0; n < h.size(); ++n, rotation *= step)
        sum += h[n] * (antisymmetric ? rotation.imag() : rotation.real());
    return static_cast<double>(sum);
}

std::vector<double> BandPeaks(const CEquirippleRequest& request, const std::vector<double>& h)
{
    const bool antisymmetric = request.nType == Hilbert || request.nType == Differentiator;
    std::vector<double> peaks;
    for (const CCheckBand& band : checkBands(request)) {
        const int points = std::max(64, static_cast<int>(16.0 * h.size() * (band.hi - band.lo)));
        peaks.push_back(bandPeak(CErrorOf{h, antisymmetric, band}, points));
    }
    return peaks;
}

std::vector<double> BandDeviations(const CEquirippleRequest& request, const std::vector<double>& h)
{
    std::vector<double> deviations = BandPeaks(request, h);
    const std::vector<CCheckBand> bands = checkBands(request);
    for (size_t b = 0; b < bands.size(); ++b)
        deviations[b] /= bands[b].weight;
    return deviations;
}

double PeakWeightedError(const CEquirippleRequest& request, const std::vector<double>& h)
{
    const std::vector<double> peaks = BandPeaks(request, h);
    return *std::max_element(peaks.begin(), peaks.end());
}

std::vector<double> ToVector(const CRealArray& h) { return std::vector<double>(h.data(), h.data() + h.GetSize()); }

CEquirippleRequest Request(int type, int n, std::vector<double> edges, double ripple, double attenuation)
{
    CEquirippleRequest r;
    r.nType = type;
    r.nLength = n;
    r.edges = std::move(edges);
    r.dRipple = ripple;
    r.dAttenuation = attenuation;
    return r;
}

}  // namespace equiripple_check
