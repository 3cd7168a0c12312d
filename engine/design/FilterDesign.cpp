#include "FilterDesign.h"

#include "CComplexArray.h"
#include "FilterTypes.h"
#include "Kaizer.h"
#include "Message.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <string>

double KaiserBeta(double attenuation)
{
    if (attenuation <= 21.0)
        return 0.0;
    if (attenuation <= 50.0)
        return 0.5842 * std::pow(attenuation - 21.0, 0.4) + 0.07886 * (attenuation - 21.0);
    return 0.1102 * (attenuation - 8.7);
}

namespace {

// Kaiser's D for an attenuation of a dB: the product of length and transition width.
double kaiserD(double a) { return a > 21.0 ? (a - 7.95) / 14.36 : 0.9222; }

void checkArguments(int type, int n, double low, double high, double attenuation)
{
    if (type < LowPass || type > BandElimination)
        throw std::invalid_argument(text::Tr("FilterDesign", "filter type must be 0 to 3"));
    if (n < 1 || n > kMaxFilterLength)
        throw std::invalid_argument(text::Tr("FilterDesign", "filter length must be 1 to %1").arg(kMaxFilterLength));
    if (!(low >= 0.0 && low <= 0.5))
        throw std::invalid_argument(text::Tr("FilterDesign", "low cut-off must be 0 to 0.5"));
    if (!std::isfinite(high))
        throw std::invalid_argument(text::Tr("FilterDesign", "high cut-off must be finite"));
    if (type >= BandPass && !(high >= low && high <= 0.5))
        throw std::invalid_argument(text::Tr("FilterDesign", "high cut-off must lie between the low cut-off and 0.5"));
    if (!(attenuation >= 0.0 && attenuation <= kMaxAttenuation))
        throw std::invalid_argument(
            text::Tr("FilterDesign", "attenuation must be 0 to %1 dB").arg(static_cast<int>(kMaxAttenuation)));
}

// The ideal response sampled at the array's bins: pass bands 1, stop bands 0, each band
// mirrored about half the sampling frequency.
void fillIdealSpectrum(CComplexArray& h, int type, double low, double high)
{
    const int m = h.GetSize();
    const int kL = static_cast<int>(low * m);
    const int kH = type >= BandPass ? static_cast<int>(high * m) : 0;  // high counts for the band types only
    const CComplex pass(1.0), stop(0.0);
    const bool lowBandPasses = type == LowPass || type == BandElimination;
    const CComplex outer = lowBandPasses ? pass : stop;
    const CComplex inner = lowBandPasses ? stop : pass;
    h.Fill(0, kL + 1, outer);
    if (type == LowPass || type == HighPass) {
        h.Fill(kL + 1, m - kL, inner);
    } else {
        h.Fill(kL + 1, kH + 1, inner);
        h.Fill(kH + 1, m - kH, outer);
        h.Fill(m - kH, m - kL, inner);
    }
    h.Fill(m - kL, m, outer);
}

bool holdsABin(const CComplexArray& spectrum)
{
    const CComplex* bins = spectrum.data();
    return std::any_of(bins, bins + spectrum.GetSize(), [](const CComplex& bin) { return bin.re != 0.0; });
}

}  // namespace

bool PassBandHoldsABin(int type, int n, double low, double high)
{
    checkArguments(type, n, low, high, 0.0);
    CComplexArray spectrum(n);
    fillIdealSpectrum(spectrum, type, low, high);
    return holdsABin(spectrum);
}

double KaiserTransitionWidth(double attenuation, int n)
{
    if (n < 2)
        throw std::invalid_argument("a transition width needs a length of at least 2");
    if (!(attenuation >= 0.0) || !std::isfinite(attenuation))
        throw std::invalid_argument("attenuation must be finite and not negative");
    return kaiserD(attenuation) / (n - 1);
}

CPassBandDesign DesignPassBand(int type, int n, double low, double high, double attenuation)
{
    std::optional<CPassBandDesign> design = TryDesignPassBand(type, n, low, high, attenuation);
    if (!design)
        throw std::invalid_argument(text::Tr("FilterDesign", "the pass band holds none of the frequency points of the design"));
    return std::move(*design);
}

std::optional<CPassBandDesign> TryDesignPassBand(int type, int n, double low, double high, double attenuation)
{
    checkArguments(type, n, low, high, attenuation);
    CComplexArray spectrum(n);
    fillIdealSpectrum(spectrum, type, low, high);
    if (!holdsABin(spectrum))
        return std::nullopt;
    CComplexArray impulse = spectrum.ifft();
    impulse.Shift(n / 2);
    CRealArray ideal = impulse.Real();
    CRealArray coefficients(ideal);
    coefficients.win(Kaizer(n, KaiserBeta(attenuation)));
    return CPassBandDesign{std::move(ideal), std::move(coefficients)};
}

CLengthEstimate EstimateLength(double ripple, double attenuation, double transition)
{
    const double ripplePower = std::pow(10.0, ripple / 20.0);
    const double inband = (ripplePower - 1.0) / (ripplePower + 1.0);
    const double outband = std::pow(10.0, -attenuation / 20.0);
    const double effective = -20.0 * std::log10(std::min(inband, outband));
    const double quotient = kaiserD(effective) / transition;
    if (!std::isfinite(quotient))
        return {0,
            ripple == 0.0 ? text::Tr("FilterDesign",
                "No finite filter length meets these conditions: an in-band ripple of 0 dB cannot be reached.")
                          : text::Tr("FilterDesign", "No finite filter length meets these conditions.")};
    if (quotient >= kMaxFilterLength)
        return {static_cast<int>(std::min(std::round(quotient), double(INT_MAX))),
            text::Tr("FilterDesign",
                "The estimated filter length, about %1, exceeds %2; allow a wider transition band, "
                "more ripple or less attenuation.")
                .arg(std::llround(quotient))
                .arg(kMaxFilterLength)};
    const int n = static_cast<int>(quotient);
    return {2 * ((n + 1) / 2) + 1, {}};
}
