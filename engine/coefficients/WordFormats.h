#pragma once

#include "CRealArray.h"
#include "CoefficientText.h"
#include "FilterMeasurement.h"

#include <optional>
#include <string>
#include <string_view>

// The coefficients as words of a chosen length for FPGA tools: Xilinx's coefficient file
// (.coe), Intel's memory initialisation file (.mif) and a list of hex words for Verilog's
// $readmemh (.hex). Each file begins with comments saying what the quantization did and a
// line the import reads back, "words of B bits, scale shift K", so that the file reads
// back as exactly the quantized values.

enum class WordFormat { Coe, Mif, Hex };

// The refusal of a file of words (coe, hex) that does not state its word length, read
// without one given: the file can be read once a length is chosen.
class WordLengthMissing : public CoefficientTextError {
public:
    using CoefficientTextError::CoefficientTextError;
};

// h (1 .. kMaxFilterLength finite values) quantized as QuantizeCoefficients does to Q(bits
// - 1), bits 8 .. 32, in format; figures judged against requirements when there are any.
// Coe: "radix=10;" and "coefdata=" signed decimal integers; mif: WIDTH, DEPTH, unsigned
// decimal addresses and two's-complement words in hex; hex: one two's-complement word a
// line, ceil(bits / 4) digits. Bad arguments: std::invalid_argument.
std::string FormatWordFile(const CRealArray& h, WordFormat format, int bits,
    const std::optional<CRequirements>& requirements);

// The coefficients of a file in format: each word read as a bits-bit two's-complement
// integer q, standing for q 2^(K - bits + 1) with K the file's scale shift (0 without the
// line that gives it). The word length is the file's own (its comment line; WIDTH for
// mif), else bits when given; a file with neither: WordLengthMissing. Anything else that
// is not such a file, a word out of the range of its length, or more than kMaxFilterLength
// words: CoefficientTextError saying what and, where there is one, on which line; a byte
// no text holds: "binary content at line L, column C".
CRealArray ParseWordFile(std::string_view text, WordFormat format, std::optional<int> bits);
