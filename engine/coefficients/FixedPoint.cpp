#include "FixedPoint.h"

#include "CComplexArray.h"
#include "MeasurementReport.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

// Points of the transform the amplitude errors are taken from: at least 8192, and 16 per
// coefficient, so that the grid is dense against the filter's own ripples.
int gridTransformSize(int n) { return std::max(8192, 16 * n); }

// The least k >= 0 with maxAbs <= 2^k.
int shiftToFit(double maxAbs)
{
    if (maxAbs <= 1.0)
        return 0;
    int exponent = 0;
    const double mantissa = std::frexp(maxAbs, &exponent);  // maxAbs = mantissa 2^exponent
    return mantissa == 0.5 ? exponent - 1 : exponent;
}

// max |h[n]| of at least one finite coefficient, else std::invalid_argument.
double largestMagnitude(const CRealArray& h)
{
    if (h.GetSize() < 1)
        throw std::invalid_argument("there are no coefficients to quantize");
    double largest = 0.0;
    for (int n = 0; n < h.GetSize(); ++n) {
        if (!std::isfinite(h[n]))
            throw std::invalid_argument("a coefficient is not finite");
        largest = std::max(largest, std::abs(h[n]));
    }
    return largest;
}

CRealArray magnitudes(const CRealArray& h, int size)
{
    CComplexArray padded(size);
    padded = h;
    return padded.fft().abs();
}

// The amplitude errors of the quantized coefficients against h, over 0 .. 1/2.
void measureAmplitude(const CRealArray& h, const CRealArray& quantized, CQuantization& q)
{
    const int size = gridTransformSize(h.GetSize());
    const CRealArray exact = magnitudes(h, size);
    const CRealArray rounded = magnitudes(quantized, size);
    q.nGridPoints = size / 2 + 1;
    for (int k = 0; k < q.nGridPoints; ++k) {
        q.dPeakAmplitudeError = std::max(q.dPeakAmplitudeError, std::abs(exact[k] - rounded[k]));
        q.dPeakGain = std::max(q.dPeakGain, exact[k]);
    }
}

// Refuses coefficients whose scaling (2^nShift) or response leaves the range of a double,
// where the file could state neither the scaling nor its figures.
void checkRange(const CRealArray& h, const CQuantization& q)
{
    if (q.nShift <= std::numeric_limits<double>::max_exponent - 1 && std::isfinite(q.dPeakGain)
        && std::isfinite(q.dPeakAmplitudeError) && std::isfinite(q.dMaxCoefficientError))
        return;
    throw std::invalid_argument(text::Tr("FixedPoint",
        "coefficients as large as %1 cannot be scaled into Q%2: the scaling or the response they need leaves the "
        "range of a double")
                                    .arg(FormatGeneral(largestMagnitude(h), 17))
                                    .arg(q.nFractionBits));
}

std::string figure(double value) { return FormatGeneral(value, 3); }

text::CMessage scalingLine(const CQuantization& q)
{
    if (q.nShift == 0)
        return text::Tr("FixedPoint", "Scaling: none; every coefficient lies within -1 .. 1.");
    const std::string power = "2^" + std::to_string(q.nShift);
    if (q.nShift > 52)  // beyond the powers of two that 17 digits write exactly
        return text::Tr(
            "FixedPoint", "Scaling: the coefficients are divided by %1 to fit; multiply the filter's output by %1.")
            .arg(power);
    return text::Tr(
        "FixedPoint", "Scaling: the coefficients are divided by %1 = %2 to fit; multiply the filter's output by %2.")
        .arg(power)
        .arg(FormatGeneral(std::ldexp(1.0, q.nShift), 17));
}

text::CMessage amplitudeLine(const CQuantization& q)
{
    if (q.dPeakAmplitudeError > 0.0 && q.dPeakGain > 0.0)
        return text::Tr("FixedPoint",
            "Peak amplitude response error: %1 (%2 dB against the peak gain), over %3 frequencies "
            "from 0 to half the sampling frequency.")
            .arg(figure(q.dPeakAmplitudeError))
            .arg(FormatGeneral(20.0 * std::log10(q.dPeakAmplitudeError / q.dPeakGain), 3))
            .arg(q.nGridPoints);
    return text::Tr(
        "FixedPoint", "Peak amplitude response error: %1, over %2 frequencies from 0 to half the sampling frequency.")
        .arg(figure(q.dPeakAmplitudeError))
        .arg(q.nGridPoints);
}

// With requirements: the stop-band attenuation before and after quantization (where there
// is a stop band) and whether each still meets the requirements, added to lines.
void appendJudgementLines(const CQuantization& q, const std::string& name, std::vector<text::CMessage>& lines)
{
    if (!q.exactJudgement || !q.quantizedJudgement)
        return;
    if (q.exactJudgement->stopLargest && q.quantizedJudgement->stopLargest)
        lines.push_back(text::Tr("FixedPoint", "Stop-band attenuation: %1 dB (double), %2 dB (%3).")
                            .arg(FormatGeneral(-q.exactJudgement->stopLargest->dDb, 4))
                            .arg(FormatGeneral(-q.quantizedJudgement->stopLargest->dDb, 4))
                            .arg(name));
    lines.push_back(text::Tr("FixedPoint", "Requirements: %1: %2 (double: %3).")
                        .arg(name)
                        .arg(VerdictSummary(*q.quantizedJudgement, 0.0))
                        .arg(VerdictSummary(*q.exactJudgement, 0.0)));
}

}  // namespace

CQuantization QuantizeCoefficients(const CRealArray& h, int fractionBits, const std::optional<CRequirements>& requirements)
{
    if (fractionBits < kMinFractionBits || fractionBits > kMaxFractionBits)
        throw std::invalid_argument("the fixed-point format must have 7 to 31 fraction bits");
    CQuantization q;
    q.nFractionBits = fractionBits;
    q.nShift = shiftToFit(largestMagnitude(h));
    const std::int64_t top = (std::int64_t(1) << fractionBits) - 1;
    CRealArray quantized(h.GetSize());
    for (int n = 0; n < h.GetSize(); ++n) {
        const std::int64_t rounded = std::llround(std::ldexp(h[n], fractionBits - q.nShift));
        const std::int64_t held = std::clamp(rounded, -top - 1, top);
        q.nSaturated += held != rounded ? 1 : 0;
        q.values.push_back(held);
        quantized[n] = std::ldexp(static_cast<double>(held), q.nShift - fractionBits);
        q.dMaxCoefficientError = std::max(q.dMaxCoefficientError, std::abs(h[n] - quantized[n]));
    }
    measureAmplitude(h, quantized, q);
    checkRange(h, q);
    if (requirements) {
        q.exactJudgement = JudgeFilter(h, *requirements);
        q.quantizedJudgement = JudgeFilter(quantized, *requirements);
    }
    return q;
}

std::vector<text::CMessage> DescribeQuantization(const CQuantization& q)
{
    const std::string name = "Q" + std::to_string(q.nFractionBits);
    std::vector<text::CMessage> lines = {
        text::Tr("FixedPoint", "Format: %1, %2-bit integers standing for integer / 2^%3.")
            .arg(name)
            .arg(q.nFractionBits + 1)
            .arg(q.nFractionBits),
        scalingLine(q),
        text::Tr("FixedPoint", "Rounded to nearest; %1 of %2 values saturated at the format's limits.")
            .arg(q.nSaturated)
            .arg(q.values.size()),
        text::Tr("FixedPoint", "Largest coefficient error: %1.").arg(figure(q.dMaxCoefficientError)),
        amplitudeLine(q),
    };
    appendJudgementLines(q, name, lines);
    return lines;
}
