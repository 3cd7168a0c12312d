#pragma once

#include "CRealArray.h"
#include "FilterMeasurement.h"
#include "Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What rounding a filter's coefficients to a fixed-point format did.
struct CQuantization {
    // Qm with m = nFractionBits (m + 1 bits a word): an integer q stands for q / 2^m, in
    // -1 .. 1 - 2^-m.
    int nFractionBits = 15;
    // The coefficients were divided by 2^nShift (0 when they fit as they are), so that
    // q[n] stands for h[n] / 2^nShift.
    int nShift = 0;
    std::vector<std::int64_t> values;
    // How many values were held at the format's limits.
    int nSaturated = 0;
    // max |h[n] - q[n] 2^(nShift - nFractionBits)|, in the coefficients' own scale.
    double dMaxCoefficientError = 0.0;
    // max over the grid of | |H(f)| - |Hq(f)| |, Hq the response of the quantized
    // coefficients in the coefficients' own scale, and the largest |H(f)| for reference.
    double dPeakAmplitudeError = 0.0;
    double dPeakGain = 0.0;
    // Frequencies of that grid: k / (2 (nGridPoints - 1)) of the sampling frequency,
    // k = 0 .. nGridPoints - 1.
    int nGridPoints = 0;
    // The double and the quantized filter (in the coefficients' own scale) judged against
    // the requirements, when there are any.
    std::optional<CFilterMeasurement> exactJudgement;
    std::optional<CFilterMeasurement> quantizedJudgement;
};

// The fraction bits of the formats: Q7 (8-bit words) to Q31 (32-bit words).
constexpr int kMinFractionBits = 7;
constexpr int kMaxFractionBits = 31;

// Rounds coefficients h (at least one, finite) to Qm, m = fractionBits (kMinFractionBits ..
// kMaxFractionBits; Q15 and Q31 for the C headers):
// divided by the least power of two 2^k, k >= 0, with max |h| <= 2^k, then
// q[n] = round(h[n] 2^(fractionBits - k)), halves away from zero, held within
// -2^fractionBits .. 2^fractionBits - 1 (saturated values counted). The errors are taken
// on a grid of at least 4097 frequencies from 0 to half the sampling frequency. With
// requirements (well formed), h and the quantized filter are judged against them
// (JudgeFilter). Bad arguments, and coefficients so large that the scaling 2^k or the
// figures leave the range of a double: std::invalid_argument saying so in words.
CQuantization QuantizeCoefficients(const CRealArray& h, int fractionBits,
    const std::optional<CRequirements>& requirements = std::nullopt);

// The figures of q as short lines of text, for the export dialog (in the user's language)
// and the comment of an exported header (in English): format, scaling, saturation, largest
// coefficient error, peak amplitude error and, when judged, the stop-band attenuations and
// whether each filter meets the requirements ("Q15: stop band misses by 5.8 dB at 0.302").
std::vector<text::CMessage> DescribeQuantization(const CQuantization& q);
