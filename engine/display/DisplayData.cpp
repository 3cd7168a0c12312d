#include "DisplayData.h"

#include "DisplaySelection.h"
#include "Message.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {

// The unwrapping constants: decimal values a few units in the last place below pi and pi/2.
constexpr double kPi = 3.14159265358979;
constexpr double kHalfPi = 1.570796326794895;

CRealArray finite(CRealArray a)
{
    for (int i = 0; i < a.GetSize(); ++i) {
        if (std::isnan(a[i]))
            a[i] = 0.0;
        else if (std::isinf(a[i]))
            a[i] = std::copysign(DBL_MAX, a[i]);
    }
    return a;
}

void toDecibel(CRealArray& magnitudes)
{
    for (int k = 0; k < magnitudes.GetSize(); ++k)
        magnitudes[k] = magnitudes[k] == 0.0 ? kZeroMagnitudeDb : 20.0 * std::log10(magnitudes[k]);
}

// Removes the jumps of the arctangent: a step above pi/2 between neighbours moves every
// later value by pi, kept as one running offset.
void unwrap(CRealArray& phase)
{
    double offset = 0.0;
    for (int k = 1; k < phase.GetSize(); ++k) {
        const double corrected = phase[k] + offset;
        const double step = corrected - phase[k - 1];
        if (step > kHalfPi)
            offset -= kPi;
        else if (step < -kHalfPi)
            offset += kPi;
        phase[k] += offset;
    }
}

// Where a value could not be computed (usable false), the nearest usable value below it,
// or above it before the first usable one; 0 everywhere when none is usable.
void fillUnusable(CRealArray& a, const std::vector<bool>& usable)
{
    const auto first = std::find(usable.begin(), usable.end(), true);
    double last = first == usable.end() ? 0.0 : a[static_cast<int>(first - usable.begin())];
    for (int k = 0; k < a.GetSize(); ++k) {
        if (usable[static_cast<size_t>(k)])
            last = a[k];
        else
            a[k] = last;
    }
}

}  // namespace

CRealArray AmplitudeDisplay(const CComplexArray& response, bool decibel)
{
    CRealArray display(response.GetSize() / 2);
    for (int k = 0; k < display.GetSize(); ++k)
        display[k] = response[k].abs();
    if (decibel)
        toDecibel(display);
    return finite(std::move(display));
}

CRealArray PhaseDisplay(const CComplexArray& response)
{
    CRealArray phase(response.GetSize() / 2);
    for (int k = 0; k < phase.GetSize(); ++k) {
        const CComplex& h = response[k];
        const bool undefined = h.re == 0.0 && h.im == 0.0;
        phase[k] = undefined ? (k > 0 ? phase[k - 1] : 0.0) : std::atan(h.im / h.re);
    }
    unwrap(phase);
    return finite(std::move(phase));
}

CRealArray RealDisplay(const CComplexArray& response) { return finite(response.Real()); }

CRealArray ImagDisplay(const CComplexArray& response) { return finite(response.Imag()); }

CRealArray ImpulseDisplay(const CRealArray& coefficients) { return finite(coefficients); }

CComplexArray FrequencyResponse(const CRealArray& coefficients)
{
    CComplexArray padded(4 * coefficients.GetSize());
    padded = coefficients;
    return padded.fft();
}

CGridResponse GridResponse(const CRealArray& coefficients, int length)
{
    const int n = coefficients.GetSize();
    if (length < n || length < 1)
        throw std::invalid_argument("the transform must hold the coefficients");
    CComplexArray x(length), weighted(length);
    x = coefficients;
    for (int i = 0; i < n; ++i)
        weighted[i] = i * coefficients[i];
    const CComplexArray h = x.fft(), g = weighted.fft();
    CRealArray magnitude(length / 2 + 1), delay(length / 2 + 1);
    for (int k = 0; k < magnitude.GetSize(); ++k)
        magnitude[k] = h[k].abs();  // the other half mirrors this one
    const double floor = 1e-8 * magnitude.GetMax();
    std::vector<bool> usable(static_cast<size_t>(delay.GetSize()));
    for (int k = 0; k < delay.GetSize(); ++k) {
        const double m = magnitude[k];
        usable[static_cast<size_t>(k)] = m > floor;
        // Re(G / H) as (G / |H|) . (H / |H|), which neither overflows nor underflows.
        if (usable[static_cast<size_t>(k)])
            delay[k] = (g[k].re / m) * (h[k].re / m) + (g[k].im / m) * (h[k].im / m);
    }
    fillUnusable(delay, usable);
    return {std::move(magnitude), finite(std::move(delay))};
}

CRealArray GroupDelay(const CRealArray& coefficients, int length, int count)
{
    if (count < 0 || count > length / 2 + 1)
        throw std::invalid_argument("group delay: at most half the transform and one point");
    const CRealArray all = GridResponse(coefficients, length).delay;
    CRealArray delay(count);
    std::copy(all.data(), all.data() + count, delay.data());
    return delay;
}

CRealArray GroupDelayDisplay(const CRealArray& coefficients)
{
    const int n = coefficients.GetSize();
    return n == 0 ? CRealArray(0) : GroupDelay(coefficients, 4 * n, 2 * n);
}

CRealArray StepDisplay(const CRealArray& coefficients)
{
    CRealArray step(coefficients.GetSize());
    std::partial_sum(coefficients.data(), coefficients.data() + coefficients.GetSize(), step.data());
    return finite(std::move(step));
}

bool IsTimeDisplay(int display) { return display == DisplayImpulse || display == DisplayStep; }

double DisplaySpacing(int display, int coefficientCount, int responseSize)
{
    if (display < DisplayImpulse || display > DisplayStep)
        throw std::invalid_argument("unknown display selection");
    if (IsTimeDisplay(display))
        return 1.0;
    const int length = display == DisplayGroupDelay ? 4 * coefficientCount : responseSize;
    if (length <= 0)
        throw std::invalid_argument("a frequency display needs a transform of at least one point");
    return 1.0 / length;
}

std::string DisplayValueUnit(int display, bool decibel)
{
    switch (display) {
    case DisplayAmplitude: return decibel ? "dB" : "";
    case DisplayPhase: return "rad";
    case DisplayGroupDelay: return text::Tr("DisplayData", "samples");
    default: return "";
    }
}
