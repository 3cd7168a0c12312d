#pragma once

#include "CRealArray.h"
#include "FilterMeasurement.h"
#include "Message.h"

#include <string>

// The C headers of the coefficient export; FormatCoefficientExport checks the arguments.
namespace detail {

// An int16_t (fractionBits 15) or int32_t (31) array named baseName of the quantized h,
// with its length, scale shift and the quantization's figures (judged against the
// requirements when there are any).
std::string FixedPointHeader(const CRealArray& h, int fractionBits,
    const std::optional<CRequirements>& requirements, const std::string& baseName);
// An array named baseName for the Cortex-M DSP library's FIR functions: float32_t
// (fractionBits 0), q15_t (15) or q31_t (31), time-reversed, with the number of taps, the
// block size and the state buffer's size.
std::string DspHeader(const CRealArray& h, int fractionBits, int blockSize,
    const std::optional<CRequirements>& requirements, const std::string& baseName);

// The taps a DSP header holds, in time order: h, padded with zero taps for Q15
// (fractionBits 15) to an even count of at least 4. More than 65535: std::invalid_argument.
CRealArray DspTaps(const CRealArray& h, int fractionBits);
// What rounding h to float32_t does, as a line of text.
text::CMessage DescribeFloatRounding(const CRealArray& h);

}  // namespace detail
