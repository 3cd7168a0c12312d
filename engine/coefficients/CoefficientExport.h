#pragma once

#include "CRealArray.h"
#include "FilterMeasurement.h"

#include <optional>
#include <string>
#include <vector>

// The files the coefficients export to, besides the C array text of the save-text command.
enum class ExportFormat {
    Full,    // one value a line, 17 significant digits
    Csv,     // "index,coefficient", then one row a tap
    Q15,     // C header, int16_t array
    Q31,     // C header, int32_t array
    DspF32,  // C header for the Cortex-M DSP library's FIR functions: float32_t,
    DspQ15,  //   q15_t
    DspQ31,  //   q31_t
};

// The block size the DSP headers' state buffer is sized for, unless the user gives one,
// and the range a user may give.
constexpr int kDefaultBlockSize = 32;
constexpr int kMaxBlockSize = 65536;

// What the export dialog chooses besides the file.
struct CCoefficientExportChoice {
    ExportFormat format = ExportFormat::Full;
    int nBlockSize = kDefaultBlockSize;
};

// Every format, in the order the export dialog lists them.
const std::vector<ExportFormat>& ExportFormats();
// The format's name on filter-cli's command line: "full", "csv", "q15", "q31", "dsp-f32",
// "dsp-q15", "dsp-q31"; and back (nullopt for any other name).
std::string ExportFormatName(ExportFormat format);
std::optional<ExportFormat> ExportFormatFromName(const std::string& name);
// 15 or 31 for the fixed-point formats, 0 for the others.
int ExportFractionBits(ExportFormat format);
bool IsDspFormat(ExportFormat format);
// The file name the save dialog starts at: "beta.txt", "beta.csv", "beta_q15.h",
// "beta_q31.h", "beta_dsp_f32.h", "beta_dsp_q15.h", "beta_dsp_q31.h".
std::string ExportFileName(ExportFormat format);

// What format does to the coefficients h (as FormatCoefficientExport takes them), as lines
// of text in the user's language for the export dialog: the figures of the quantization for the
// fixed-point formats (judged against the requirements when there are any), the rounding
// or precision for the others.
std::vector<std::string> DescribeExport(const CRealArray& h, ExportFormat format,
    const std::optional<CRequirements>& requirements = std::nullopt);

// The file of the coefficients h[0 .. N-1] (1 <= N <= 65535, all finite) in format; lines
// end in "\n". The fixed-point headers are quantized by QuantizeCoefficients and describe
// the result in their comment, judged against the requirements when there are any. The
// DSP headers hold the taps time-reversed (element k is
// h[numTaps - 1 - k]), Q15 padded with zero taps after h[N-1] to an even count of at least
// 4, and size the state buffer numTaps + blockSize - 1 for blockSize (1 .. kMaxBlockSize).
// Bad arguments: std::invalid_argument with a plain message.
std::string FormatCoefficientExport(const CRealArray& h, ExportFormat format, int blockSize,
    const std::optional<CRequirements>& requirements = std::nullopt);
