#pragma once

#include "CRealArray.h"
#include "FilterMeasurement.h"

#include <optional>
#include <string>
#include <utility>
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
    Npy,     // NumPy's .npy: float64, little-endian, one dimension
    M,       // a MATLAB/Octave script assigning a row vector
    Json,    // the coefficients, the design, the requirements and the measurements
    Coe,     // Xilinx coefficient file: radix 10, signed integers of nBits bits
    Mif,     // Intel memory initialisation file: nBits-bit two's complement words in hex
    Hex,     // one nBits-bit two's-complement word a line in hex, for $readmemh
};

// The block size the DSP headers' state buffer is sized for, unless the user gives one,
// and the range a user may give.
constexpr int kDefaultBlockSize = 32;
constexpr int kMaxBlockSize = 65536;

// The word length of the coe, mif and hex formats, unless the user gives one, and the
// range a user may give.
constexpr int kDefaultWordBits = 16;
constexpr int kMinWordBits = 8;
constexpr int kMaxWordBits = 32;

// What the export dialog chooses besides the file.
struct CCoefficientExportChoice {
    CCoefficientExportChoice(ExportFormat f = ExportFormat::Full, int blockSize = kDefaultBlockSize,
        int bits = kDefaultWordBits, std::string name = {})
        : format(f), nBlockSize(blockSize), nBits(bits), strName(std::move(name))
    {
    }

    ExportFormat format = ExportFormat::Full;
    int nBlockSize = kDefaultBlockSize;
    int nBits = kDefaultWordBits;
    // The name of the headers' array and macros and of the MATLAB variable (CheckExportName);
    // empty: made from the file's name (ExportNameFromPath).
    std::string strName;
};

// What the json format tells about the filter besides its coefficients.
struct CExportContext {
    CExportContext(std::optional<CRequirements> r = std::nullopt, const CDesignRecord& d = {}, double sampleRate = 0.0)
        : requirements(std::move(r)), design(d), dSampleRate(sampleRate)
    {
    }

    std::optional<CRequirements> requirements;
    CDesignRecord design;
    double dSampleRate = 0.0;  // Hz, for frequencies also in Hz; 0: none
};

// Every format, in the order the export dialog lists them.
const std::vector<ExportFormat>& ExportFormats();
// The format's name on filter-cli's command line: "full", "csv", "q15", "q31", "dsp-f32",
// "dsp-q15", "dsp-q31", "npy", "m", "json", "coe", "mif", "hex"; and back (nullopt for any
// other name).
std::string ExportFormatName(ExportFormat format);
std::optional<ExportFormat> ExportFormatFromName(const std::string& name);
// The fraction bits of the integers the choice's format holds: 15 or 31 for the Q15 and Q31
// formats, nBits - 1 for coe, mif and hex, 0 for the others.
int ExportFractionBits(const CCoefficientExportChoice& choice);
bool IsDspFormat(ExportFormat format);
// True for coe, mif and hex, whose words are nBits long.
bool IsWordFormat(ExportFormat format);
// True for the formats that name their array or variable (the C headers and m).
bool IsNamedFormat(ExportFormat format);
// The file name the save dialog starts at: "beta.txt", "beta.csv", "beta_q15.h",
// "beta_q31.h", "beta_dsp_f32.h", "beta_dsp_q15.h", "beta_dsp_q31.h", "beta.npy",
// "beta.m", "beta.json", "beta.coe", "beta.mif", "beta.hex".
std::string ExportFileName(ExportFormat format);

// What format does to the coefficients h (as FormatCoefficientExport takes them), as lines
// of text in the user's language for the export dialog: the figures of the quantization for the
// fixed-point formats (judged against the requirements when there are any), the rounding
// or precision for the others.
std::vector<std::string> DescribeExport(const CRealArray& h, const CCoefficientExportChoice& choice,
    const std::optional<CRequirements>& requirements = std::nullopt);

// The file of the coefficients h[0 .. N-1] (1 <= N <= 65535, all finite) in the choice's
// format; text lines end in "\n", npy is binary. The fixed-point formats (Q headers, coe,
// mif, hex) are quantized by QuantizeCoefficients and describe the result in their comment,
// judged against the requirements of context when there are any. The DSP headers hold the
// taps time-reversed (element k is h[numTaps - 1 - k]), Q15 padded with zero taps after
// h[N-1] to an even count of at least 4, and size the state buffer numTaps + blockSize - 1
// for nBlockSize (1 .. kMaxBlockSize). The headers' names come from strName, "beta" and the
// format's suffix when it is empty ("beta_q15"). Bad arguments, and coefficients a format
// cannot represent: std::invalid_argument with a plain message.
std::string FormatCoefficientExport(const CRealArray& h, const CCoefficientExportChoice& choice,
    const CExportContext& context = {});
