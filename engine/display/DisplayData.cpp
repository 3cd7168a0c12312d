#include "DisplayData.h"

#include "DisplaySelection.h"
#include "Message.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numeric>
#include <stdexcept>

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

CRealArray StepDisplay(const CRealArray& coefficients)
{
    CRealArray step(coefficients.GetSize());
    std::partial_sum(coefficients.data(), coefficients.data() + coefficients.GetSize(), step.data());
    return finite(std::move(step));
}

std::pair<double, double> DisplayValueRange(int display, const CRealArray& values)
{
    const double lo = values.GetMin(), hi = values.GetMax();
    const bool described = display >= DisplayImpulse && display <= DisplayImag;
    const double minimum = kMinimumRelativeSpan * std::max(std::fabs(lo), std::fabs(hi));
    if (described || !(hi - lo < minimum))
        return {lo, hi};
    const double middle = lo / 2 + hi / 2;
    return {middle - minimum / 2, middle + minimum / 2};
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
