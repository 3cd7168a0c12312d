// The formats for other toolchains: NumPy, JSON and the FPGA word files, their bytes worked
// out by hand, and each read back through the import (bit for bit, or exactly the
// quantized values), with what no reader should take refused.
#include "CoefficientExport.h"
#include "CoefficientImport.h"
#include "CoefficientText.h"
#include "FixedPoint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

CRealArray array(std::initializer_list<double> values)
{
    CRealArray a(static_cast<int>(values.size()));
    std::copy(values.begin(), values.end(), a.data());
    return a;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string refusal(const std::string& bytes, const std::string& path, std::optional<int> bits = std::nullopt)
{
    try {
        ParseCoefficientFile(bytes, path, bits);
    } catch (const CoefficientTextError& e) {
        return e.what();
    }
    return "(accepted)";
}

// A .npy file of version 1.0 with the header dict and the data bytes given.
std::string npyFile(const std::string& dict, const std::string& data)
{
    const std::string header = dict + std::string(64 - (10 + dict.size() + 1) % 64, ' ') + "\n";
    return std::string("\x93NUMPY\x01\x00", 8) + static_cast<char>(header.size() & 0xFF)
        + static_cast<char>(header.size() >> 8) + header + data;
}

}  // namespace

TEST(CoefficientFormats, NpyAndJsonReadBackBitForBit)
{
    const CRealArray h = array({0.1, -2.0 / 3.0, 4.9406564584124654e-324, -0.0, 1e100, 1e-300, 12345.678901234567, 0.0});
    for (const auto& [format, path] : {std::pair{ExportFormat::Npy, "h.npy"}, std::pair{ExportFormat::Json, "h.json"}}) {
        const CRealArray back = ParseCoefficientFile(FormatCoefficientExport(h, {format}), path);
        ASSERT_EQ(back.GetSize(), h.GetSize()) << path;
        for (int n = 0; n < h.GetSize(); ++n)
            EXPECT_TRUE(sameBits(back[n], h[n])) << path << " " << n << ": " << back[n] << " " << std::signbit(back[n]);
    }
}

TEST(CoefficientFormats, NpyBytesAsNumpyWritesThem)
{
    const std::string npy = FormatCoefficientExport(array({1.0, -2.0}), {ExportFormat::Npy});
    const std::string dict = "{'descr': '<f8', 'fortran_order': False, 'shape': (2,), }";
    ASSERT_EQ(npy.size(), 128u + 16u);  // the header padded so that the data begins at 128
    EXPECT_EQ(npy.substr(0, 10), std::string("\x93NUMPY\x01\x00\x76\x00", 10));  // 118 bytes of header
    EXPECT_EQ(npy.substr(10, 118), dict + std::string(117 - dict.size(), ' ') + "\n");
    EXPECT_EQ(npy.substr(128), std::string("\0\0\0\0\0\0\xF0\x3F\0\0\0\0\0\0\x00\xC0", 16));
}

// Files numpy.save writes for other arrays: float32 widened exactly, big-endian, a row.
TEST(CoefficientFormats, NpyOfOtherTypesAndShapesAndRefusals)
{
    const float third = 1.0f / 3.0f;
    std::string f4(4, '\0');
    std::memcpy(f4.data(), &third, 4);
    EXPECT_EQ(ParseCoefficientFile(npyFile("{'descr': '<f4', 'fortran_order': False, 'shape': (1, 1), }", f4), "x")[0],
        static_cast<double>(third));
    const CRealArray big = ParseCoefficientFile(
        npyFile("{'descr': '>f8', 'fortran_order': False, 'shape': (2,), }", std::string("\x3F\xF0\0\0\0\0\0\0\xC0\0\0\0\0\0\0\0", 16)), "x.bin");
    EXPECT_EQ(big[0], 1.0);
    EXPECT_EQ(big[1], -2.0);
    const std::string two(16, '\0');
    const struct {
        std::string file;
        const char* message;
    } refused[] = {
        {npyFile("{'descr': '<i4', 'fortran_order': False, 'shape': (4,), }", two), "its elements are not float64 or float32"},
        {npyFile("{'descr': '<f8', 'fortran_order': False, 'shape': (2, 2), }", std::string(32, '\0')), "the shape (2, 2) is not that of a list of numbers"},
        {npyFile("{'descr': '<f8', 'fortran_order': False, 'shape': (3,), }", two), "its data part is 16 bytes long where its header announces 24"},
        {npyFile("{'descr': '<f8', 'fortran_order': False, 'shape': (0,), }", ""), "it holds 0 values, not 1 to 65535"},
        {npyFile("{'descr': '<f8', 'fortran_order': False, 'shape': (1,), }", std::string("\0\0\0\0\0\0\xF0\x7F", 8)), "value 0 is not finite"},
        {std::string("\x93NUMPY\x01\x00\xFF\x00{", 11), "the file ends inside its header"},
    };
    for (const auto& c : refused)
        EXPECT_EQ(refusal(c.file, "h.npy"), std::string("not a NumPy array of coefficients: ") + c.message);
}

// Words of 8 bits (Q7): 0.5 -> 64, -0.25 -> -32, -1 -> -128 (0x80), 0.3 -> 38.4 -> 38.
TEST(CoefficientFormats, WordFilesAsWorkedOutByHand)
{
    const CRealArray h = array({0.5, -0.25, -1.0, 0.3});
    const std::string coe = FormatCoefficientExport(h, {ExportFormat::Coe, 1, 8});
    const std::string mif = FormatCoefficientExport(h, {ExportFormat::Mif, 1, 8});
    const std::string hex = FormatCoefficientExport(h, {ExportFormat::Hex, 1, 12});
    EXPECT_NE(coe.find("; words of 8 bits, scale shift 0\nradix=10;\ncoefdata=\n64,\n-32,\n-128,\n38;\n"), std::string::npos) << coe;
    EXPECT_NE(mif.find("WIDTH=8;\nDEPTH=4;\nADDRESS_RADIX=UNS;\nDATA_RADIX=HEX;\nCONTENT BEGIN\n    0 : 40;\n    1 : E0;\n"
                       "    2 : 80;\n    3 : 26;\nEND;\n"),
        std::string::npos)
        << mif;
    // 12 bits: 0.5 * 2048 = 1024 = 0x400, -512 = 0xE00, -2048 = 0x800, 614.4 -> 614 = 0x266.
    EXPECT_NE(hex.find("// words of 12 bits, scale shift 0\n400\nE00\n800\n266\n"), std::string::npos) << hex;
    EXPECT_NE(coe.find("; Format: Q7, 8-bit integers"), std::string::npos);
}

// Each word file reads back exactly as the quantized values, scaling included, at every
// word length.
TEST(CoefficientFormats, WordFilesReadBackTheQuantizedValues)
{
    const CRealArray h = array({0.0123, -3.0, 2.5, 0.999, -0.0001, 1.0 / 3.0});
    for (int bits : {8, 12, 16, 17, 24, 31, 32}) {
        const CQuantization q = QuantizeCoefficients(h, bits - 1);
        ASSERT_EQ(q.nShift, 2);
        for (const auto& [format, path] : {std::pair{ExportFormat::Coe, "h.coe"}, std::pair{ExportFormat::Mif, "h.MIF"},
                 std::pair{ExportFormat::Hex, "h.hex"}}) {
            const CRealArray back = ParseCoefficientFile(FormatCoefficientExport(h, {format, 1, bits}), path);
            ASSERT_EQ(back.GetSize(), h.GetSize());
            for (int n = 0; n < h.GetSize(); ++n)
                EXPECT_EQ(back[n], std::ldexp(static_cast<double>(q.values[static_cast<size_t>(n)]), 2 - (bits - 1)))
                    << path << " " << bits << " bits, " << n;
        }
    }
}

// Files as other tools write them, without the comment line that states the word length.
TEST(CoefficientFormats, WordFilesOfOtherToolsAndRefusals)
{
    EXPECT_EQ(ParseCoefficientFile("7FFF\n8000\n0_001\n", "h.hex", 16)[1], -1.0);
    EXPECT_EQ(ParseCoefficientFile("; FIR\nRadix = 10;\nCoefData = 16384, -16384;\n", "h.coe", 16)[1], -0.5);
    EXPECT_EQ(ParseCoefficientFile("memory_initialization_radix=16;\nmemory_initialization_vector=C000,4000;", "h.coe", 16)[0], -0.5);
    const std::string mif = "% a comment %\nDEPTH = 3; WIDTH = 8;\nDATA_RADIX = DEC;\nCONTENT\nBEGIN\n[0..1] : -64; -- two\n2 : 127;\nEND;\n";
    const CRealArray fromMif = ParseCoefficientFile(mif, "h.mif");
    EXPECT_EQ(fromMif[0], -0.5);
    EXPECT_EQ(fromMif[1], -0.5);
    EXPECT_EQ(fromMif[2], 127.0 / 128);
    const struct {
        const char* text;
        const char* path;
        std::optional<int> bits;
        const char* message;
    } refused[] = {
        {"7FFF\n", "h.hex", std::nullopt, "the file does not state its word length (filter-cli: --bits)"},
        {"7FFF\n10000\n", "h.hex", 16, "line 2: \"10000\" is not a word of 16 bits"},
        {"7FFF\nxyz\n", "h.hex", 16, "line 2: \"xyz\" is not a word of 16 bits"},
        {"@10\n7FFF\n", "h.hex", 16, "line 1: addresses (\"@10\") are not read"},
        {"radix=10;\ncoefdata=1,2,\n3\n", "h.coe", 16, "line 4: the statement \"coefdata\" is not ended by \";\""},
        {"radix=2;\ncoefdata=1;\n", "h.coe", 16, "line 1: the radix \"2\" is not read; only 10 and 16 are"},
        {"radix=10;\ncoefdata=32768;\n", "h.coe", 16, "line 2: \"32768\" is not a word of 16 bits"},
        {"WIDTH=8;\nDEPTH=2;\nCONTENT BEGIN\n0 : 1;\nEND;\n", "h.mif", std::nullopt, "address 1 is given no value"},
        {"WIDTH=8;\nDEPTH=2;\nCONTENT BEGIN\n0 : 1;\n0 : 2;\nEND;\n", "h.mif", std::nullopt, "line 5: address 0 is outside the depth or given twice"},
        {"WIDTH=40;\nDEPTH=2;\n", "h.mif", std::nullopt, "line 1: the width 40 is not 8 to 32 bits"},
        {"WIDTH=8;\nDEPTH=1;\nCONTENT BEGIN\n0 : 1;\n", "h.mif", std::nullopt, "line 5: the content is not ended by \"END;\""},
        {"// words of 8 bits, scale shift 2000\n", "h.hex", std::nullopt, "line 1: the word length or scale shift of the comment is out of range"},
        {"", "h.hex", 8, "the file holds no value"},
    };
    for (const auto& c : refused)
        EXPECT_EQ(refusal(c.text, c.path, c.bits), c.message) << c.text;
}

TEST(CoefficientFormats, JsonReadsABareListAndRefusesOtherDocuments)
{
    EXPECT_EQ(ParseCoefficientFile("[0.5, -1e-3]", "h.JSON")[1], -1e-3);
    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"{\"format\": \"filter-requirements\", \"version\": 1}", "its \"format\" is not \"filter-coefficients\""},
        {"{\"format\": \"filter-coefficients\", \"version\": 2, \"coefficients\": [1]}", "a version this program does not know"},
        {"{\"format\": \"filter-coefficients\", \"version\": 1, \"length\": 2, \"coefficients\": [1]}", "its \"length\" is not the number of coefficients"},
        {"[1, \"2\"]", "coefficient 1 is not a finite number"},
        {"[]", "it holds 0 coefficients, not 1 to 65535"},
    };
    for (const auto& c : refused)
        EXPECT_EQ(refusal(c.text, "h.json"), std::string("not a JSON file of coefficients: ") + c.message) << c.text;
    EXPECT_EQ(refusal("[1, 2", "h.json").rfind("not a JSON file of coefficients: at byte 5: ", 0), 0u);
    // Other files still read as coefficient text.
    EXPECT_EQ(ParseCoefficientFile("0.25\n", "h.txt")[0], 0.25);
}

TEST(CoefficientFormats, JsonHoldsTheDesignRequirementsAndMeasurementsInHertzWithASampleRate)
{
    const CRequirements r{0, {0.2, 0.3}, 1.0, 20.0};
    const CDesignRecord design{DesignKaiser, 0, 0.25, 0.5, 20.0};
    const std::string json = FormatCoefficientExport(array({0.25, 0.5, 0.25}), {ExportFormat::Json}, {r, design, 1000.0});
    for (const char* part : {"\"type\": \"lowpass\"", "\"method\": \"kaiser\"", "\"low_cutoff_hz\": 250", "\"edges_hz\": [\n      200,\n      300\n    ]",
             "\"sample_rate_hz\": 1000", "\"symmetry\": \"symmetric\"", "\"min_samples\": 1", "\"max_seconds\": 0.001", "\"dc_gain\": 1"})
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    const std::string bare = FormatCoefficientExport(array({1.0}), {ExportFormat::Json});
    for (const char* part : {"\"type\": null", "\"design\": null", "\"requirements\": null", "\"meets_requirements\": null"})
        EXPECT_NE(bare.find(part), std::string::npos) << part;
    EXPECT_EQ(bare.find("_hz"), std::string::npos);
}
