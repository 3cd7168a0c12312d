// The export formats: values worked out by hand, the quantization's figures against a
// transform by definition, the DSP library's order and sizes, and reading every file back.
#include "CoefficientExport.h"
#include "CoefficientText.h"
#include "DisplayCsv.h"
#include "ExportName.h"
#include "FilterDesign.h"
#include "FixedPoint.h"
#include "MinimumPhase.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <optional>
#include <utility>

namespace {

CRealArray array(std::initializer_list<double> values)
{
    CRealArray a(static_cast<int>(values.size()));
    std::copy(values.begin(), values.end(), a.data());
    return a;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A minimum-phase filter: zeros 0.5 and -0.3 +- 0.4i, all inside the unit circle.
CRealArray minimumPhaseFilter()
{
    CComplexArray zeros(3);
    zeros[0] = CComplex(0.5, 0.0), zeros[1] = CComplex(-0.3, 0.4), zeros[2] = CComplex(-0.3, -0.4);
    return CoefficientsFromZeros(zeros, 0.3);
}

}  // namespace

TEST(FixedPoint, Q15ValuesAsWorkedOutByHand)
{
    const struct {
        CRealArray h;
        int shift;
        std::vector<std::int64_t> values;
        int saturated;
    } cases[] = {
        // 1.0 is one step above the largest Q15 value and saturates; 0.3 * 32768 = 9830.4.
        {array({0.5, -0.25, 1.0, 0.3, -1.0}), 0, {16384, -8192, 32767, 9830, -32768}, 1},
        // max |h| = 1.5 needs 2^1: 0.75, -0.3 and 0.1 times 32768.
        {array({1.5, -0.6, 0.2}), 1, {24576, -9830, 3277}, 0},
        {array({-3.0, 0.5}), 2, {-24576, 4096}, 0},
        {array({2.0, 0.5}), 1, {32767, 8192}, 1},
        // Halves of the last place round away from zero.
        {array({3.0 / 65536, -3.0 / 65536}), 0, {2, -2}, 0},
    };
    for (const auto& c : cases) {
        const CQuantization q = QuantizeCoefficients(c.h, 15);
        EXPECT_EQ(q.nShift, c.shift);
        EXPECT_EQ(q.values, c.values);
        EXPECT_EQ(q.nSaturated, c.saturated);
    }
    const CQuantization q31 = QuantizeCoefficients(array({0.5, 1.0, -1.0}), 31);
    EXPECT_EQ(q31.values, (std::vector<std::int64_t>{1073741824, 2147483647, -2147483648LL}));
    // Words of 8 bits (Q7): 0.3 * 128 = 38.4.
    EXPECT_EQ(QuantizeCoefficients(array({0.3, -1.0, 1.0}), 7).values, (std::vector<std::int64_t>{38, -128, 127}));
    EXPECT_THROW(QuantizeCoefficients(array({0.5}), 6), std::invalid_argument);
    EXPECT_THROW(QuantizeCoefficients(array({0.5}), 32), std::invalid_argument);
    EXPECT_THROW(QuantizeCoefficients(array({NAN}), 15), std::invalid_argument);
}

TEST(FixedPoint, ErrorsAgreeWithATransformByDefinitionInTheCoefficientsOwnScale)
{
    const CRequirements lowPass{LowPass, {0.05, 0.3}, 1.0, 20.0};
    const struct {
        CRealArray h;
        std::optional<CRequirements> requirements;
        std::vector<double> quantized;  // the Q15 values worked out by hand, in the scale of h
        double coefficientError;
        std::string errorLine;
        std::optional<std::pair<double, double>> stopBandDb;  // of h and of the quantized filter
    } cases[] = {
        {array({0.5, -0.25, 1.0, 0.3, -1.0}), std::nullopt, {0.5, -0.25, 32767.0 / 32768, 9830.0 / 32768, -1.0},
            1.0 / 32768, "Largest coefficient error: 3.05e-05.", std::nullopt},  // the saturated 1.0
        // Divided by 2: 24576, -9830 and 3277 stand for twice their value / 32768; -0.6
        // lies 0.4 of a step of 2 / 32768 from its value. |H| of 1.5 - 0.6 z^-1 + 0.2 z^-2
        // falls up to f = 0.088 and then rises to the largest of its stop band at f = 1/2,
        // where it is the sum of the magnitudes.
        {array({1.5, -0.6, 0.2}), lowPass, {1.5, -9830.0 / 16384, 3277.0 / 16384}, 0.4 / 16384,
            "Largest coefficient error: 2.44e-05.",
            std::pair(-20 * std::log10(2.3), -20 * std::log10((24576 + 9830 + 3277) / 16384.0))},
    };
    for (const auto& c : cases) {
        const int n = c.h.GetSize();
        const CQuantization q = QuantizeCoefficients(c.h, 15, c.requirements);
        EXPECT_NEAR(q.dMaxCoefficientError, c.coefficientError, 1e-16) << n;
        ASSERT_EQ(q.nGridPoints, 4097);
        double peak = 0.0;
        for (int k = 0; k < q.nGridPoints; ++k) {
            std::complex<double> exact, rounded;
            for (int i = 0; i < n; ++i) {
                const std::complex<double> w = std::polar(1.0, -2.0 * M_PI * k * i / 8192.0);
                exact += c.h[i] * w;
                rounded += c.quantized[static_cast<size_t>(i)] * w;
            }
            peak = std::max(peak, std::abs(std::abs(exact) - std::abs(rounded)));
        }
        EXPECT_NEAR(q.dPeakAmplitudeError, peak, 1e-13) << n;
        EXPECT_EQ(DescribeQuantization(q)[3].str(), c.errorLine);
        ASSERT_EQ(q.exactJudgement.has_value(), c.stopBandDb.has_value()) << n;
        if (c.stopBandDb) {  // attenuations: the negatives of the stop bands' largest magnitudes
            EXPECT_NEAR(-q.exactJudgement->stopLargest->dDb, c.stopBandDb->first, 1e-9);
            EXPECT_NEAR(-q.quantizedJudgement->stopLargest->dDb, c.stopBandDb->second, 1e-9);
        }
    }
    const std::vector<text::CMessage> lines = DescribeQuantization(QuantizeCoefficients(cases[0].h, 15));
    EXPECT_EQ(lines[2].str(), "Rounded to nearest; 1 of 5 values saturated at the format's limits.");
}

TEST(CoefficientExport, Q15HeaderSaysWhatQuantizationDid)
{
    const std::string header = FormatCoefficientExport(array({1.5, -0.6, 0.2}), {ExportFormat::Q15, kDefaultBlockSize});
    EXPECT_EQ(header.rfind("// Coefficients h[0] .. h[2] of an FIR filter with 3 taps, in fixed point.\n", 0), 0u);
    for (const char* line : {"// Scaling: the coefficients are divided by 2^1 = 2 to fit; multiply the filter's output by 2.\n",
             "// Rounded to nearest; 0 of 3 values saturated at the format's limits.\n", "#include <stdint.h>\n",
             "#define BETA_Q15_LENGTH 3\n", "#define BETA_Q15_SCALE_SHIFT 1\n",
             "static const int16_t beta_q15[BETA_Q15_LENGTH] = {\n    24576,\t// h[0]\n    -9830,\t// h[1]\n    3277\t// h[2]\n};\n"})
        EXPECT_TRUE(contains(header, line)) << line;
    const CRealArray back = ParseCoefficientText(header);
    EXPECT_EQ(back[1], -9830.0 / 16384);
    // Coefficients near the largest a filter may have need a large shift, and still read back.
    const CRealArray huge = array({1e99, -1e98});
    const std::string hugeHeader = FormatCoefficientExport(huge, {ExportFormat::Q31, 1});
    EXPECT_TRUE(contains(hugeHeader, "divided by 2^329 to fit; multiply the filter's output by 2^329.")) << hugeHeader;
    EXPECT_NEAR(ParseCoefficientText(hugeHeader)[1] / -1e98, 1.0, 1e-8);
}

TEST(CoefficientExport, HeadersTakeTheirNamesFromTheChoice)
{
    const CRealArray h = array({0.5, -0.25});
    const std::string q15 = FormatCoefficientExport(h, {ExportFormat::Q15, 1, 16, "lowpass"});
    for (const char* part : {"#ifndef LOWPASS_H\n#define LOWPASS_H\n", "#define LOWPASS_LENGTH 2\n",
             "static const int16_t lowpass[LOWPASS_LENGTH] = {"})
        EXPECT_TRUE(contains(q15, part)) << part;
    const std::string dsp = FormatCoefficientExport(h, {ExportFormat::DspQ31, 8, 16, "stage2"});
    for (const char* part : {"#ifndef STAGE2_H\n", "#define STAGE2_STATE_SIZE (STAGE2_NUM_TAPS + STAGE2_BLOCK_SIZE - 1)\n",
             "static const q31_t stage2[STAGE2_NUM_TAPS] = {", "arm_fir_init_q31(&fir, STAGE2_NUM_TAPS, stage2, state"})
        EXPECT_TRUE(contains(dsp, part)) << part;
    // Without a name, as the default file names have always had it.
    EXPECT_TRUE(contains(FormatCoefficientExport(h, {ExportFormat::DspF32}), "float32_t beta_dsp_f32[BETA_DSP_F32_NUM_TAPS]"));
    EXPECT_THROW(FormatCoefficientExport(h, {ExportFormat::Q15, 1, 16, "2nd"}), std::invalid_argument);
}

TEST(ExportName, FromTheFilesBaseNameAlwaysACIdentifier)
{
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"beta_q15.h", "beta_q15"}, {"out/lowpass.h", "lowpass"}, {"/tmp/a.b/high-pass stage.h", "high_pass_stage"},
        {"2nd.h", "filter_2nd"}, {"_x.h", "x"}, {"int.h", "int_"}, {"end.m", "end_"}, {"caf\u00e9.h", "caf_"},
        {"\u30d5\u30a3\u30eb\u30bf.h", "filter_"}, {"noext", "noext"}, {".hidden", "hidden"},
        {"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz.h", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExportNameFromPath(c.path), c.name) << c.path;
        EXPECT_EQ(CheckExportName(ExportNameFromPath(c.path)), "") << c.path;
    }
    for (const char* bad : {"", "2nd", "_x", "a-b", "int", "function", "caf\u00e9",
             "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvw"})
        EXPECT_NE(CheckExportName(bad), "") << bad;
}

TEST(CoefficientExport, DspHeadersHoldTheTapsTimeReversed)
{
    const CRealArray h = minimumPhaseFilter();
    ASSERT_EQ(h.GetSize(), 4);
    ASSERT_NE(h[0], h[3]);
    const std::string f32 = FormatCoefficientExport(h, {ExportFormat::DspF32, 64});
    const size_t first = f32.find(FormatGeneral(static_cast<float>(h[3]), 9) + "f,\t// h[3]\n");
    const size_t last = f32.find(FormatGeneral(static_cast<float>(h[0]), 9) + "f\t// h[0]\n");
    EXPECT_LT(first, last);
    for (const char* line : {"#include \"arm_math.h\"\n", "#define BETA_DSP_F32_NUM_TAPS 4\n", "#define BETA_DSP_F32_BLOCK_SIZE 64\n",
             "#define BETA_DSP_F32_STATE_SIZE (BETA_DSP_F32_NUM_TAPS + BETA_DSP_F32_BLOCK_SIZE - 1)\n",
             "// State buffer: numTaps + blockSize - 1 = 67 samples", "static const float32_t beta_dsp_f32[BETA_DSP_F32_NUM_TAPS] = {\n"})
        EXPECT_TRUE(contains(f32, line)) << line;
    EXPECT_FALSE(contains(f32, "symmetric"));
    // Reading the file back undoes the reversal.
    const CRealArray back = ParseCoefficientText(FormatCoefficientExport(h, {ExportFormat::DspQ31, kDefaultBlockSize}));
    for (int n = 0; n < 4; ++n)
        EXPECT_NEAR(back[n], h[n], 1e-9) << n;
    EXPECT_TRUE(contains(FormatCoefficientExport(array({0.25, 0.5, 0.25}), {ExportFormat::DspQ31, 1}), "symmetric"));
    EXPECT_TRUE(contains(FormatCoefficientExport(array({-1.0, 0.5}), {ExportFormat::DspF32, 1}), "    -1.0f\t// h[0]\n"));
}

TEST(CoefficientExport, Q15ForTheDspLibraryHasAnEvenNumberOfAtLeastFourTaps)
{
    const struct {
        CRealArray h;
        int taps;
    } cases[] = {{array({0.5}), 4}, {array({0.5, 0.25, 0.125}), 4}, {array({0.1, 0.2, 0.3, 0.2, 0.1}), 6}, {array({0.1, 0.2, 0.3, 0.4}), 4}};
    for (const auto& c : cases) {
        const std::string header = FormatCoefficientExport(c.h, {ExportFormat::DspQ15, 8});
        EXPECT_TRUE(contains(header, "#define BETA_DSP_Q15_NUM_TAPS " + std::to_string(c.taps) + "\n")) << c.taps;
        EXPECT_TRUE(contains(header, "= " + std::to_string(c.taps + 7) + " samples")) << c.taps;
        EXPECT_EQ(contains(header, "#define BETA_DSP_Q15_PADDING_TAPS "), c.taps > c.h.GetSize());
        // The import drops the padding again: the filter's own taps, quantized.
        const CRealArray back = ParseCoefficientText(header);
        ASSERT_EQ(back.GetSize(), c.h.GetSize());
        for (int n = 0; n < c.h.GetSize(); ++n)
            EXPECT_EQ(back[n], std::round(c.h[n] * 32768) / 32768);
    }
    EXPECT_TRUE(contains(FormatCoefficientExport(array({0.5}), {ExportFormat::DspQ15, 8}), "    0,\t// zero tap\n"));
}

TEST(CoefficientExport, FullAndCsvReadBackBitForBit)
{
    const CRealArray h = array({0.1, -2.0 / 3.0, 4.9406564584124654e-324, -0.0, 1e100, 1e-300, 12345.678901234567});
    for (ExportFormat format : {ExportFormat::Full, ExportFormat::Csv}) {
        const CRealArray back = ParseCoefficientText(FormatCoefficientExport(h, {format, kDefaultBlockSize}));
        ASSERT_EQ(back.GetSize(), h.GetSize());
        EXPECT_EQ(std::memcmp(back.data(), h.data(), sizeof(double) * h.GetSize()), 0) << ExportFormatName(format);
    }
    EXPECT_EQ(FormatCoefficientExport(array({0.5, -0.25}), {ExportFormat::Csv, 1}), "index,coefficient\n0,0.5\n1,-0.25\n");
    EXPECT_EQ(FormatCoefficientExport(array({0.1}), {ExportFormat::Full, 1}), "0.10000000000000001\n");
}

TEST(CoefficientExport, RefusesWhatItCannotWrite)
{
    EXPECT_THROW(FormatCoefficientExport(CRealArray(0), {ExportFormat::Full, 1}), std::invalid_argument);
    EXPECT_THROW(FormatCoefficientExport(array({INFINITY}), {ExportFormat::Csv, 1}), std::invalid_argument);
    EXPECT_THROW(FormatCoefficientExport(array({1e300}), {ExportFormat::DspF32, 1}), std::invalid_argument);
    EXPECT_THROW(FormatCoefficientExport(array({0.5}), {ExportFormat::DspF32, kMaxBlockSize + 1}), std::invalid_argument);
}

// The largest double needs a scaling of 2^1024, beyond a double, and overflows the response
// of a pair: refused in words, never "2^1024" or "inf" in a file.
TEST(CoefficientExport, RefusesCoefficientsWhoseScalingLeavesTheRange)
{
    for (const CRealArray& h : {array({1.7976931348623157e308}), array({1e308, -1e308, 1e308})}) {
        for (ExportFormat format : {ExportFormat::Q15, ExportFormat::Q31, ExportFormat::DspQ15, ExportFormat::DspQ31}) {
            try {
                FormatCoefficientExport(h, {format});
                ADD_FAILURE() << ExportFormatName(format) << " accepted";
            } catch (const std::invalid_argument& e) {
                EXPECT_TRUE(contains(e.what(), "cannot be scaled into Q")) << e.what();
            }
            EXPECT_THROW(DescribeExport(h, {format}), std::invalid_argument);
        }
    }
    // Just below: 2^1023 is a double, and a single coefficient's response is itself.
    EXPECT_TRUE(contains(FormatCoefficientExport(array({8.98846567431158e307}), {ExportFormat::Q15}), "SCALE_SHIFT 1023"));
}

TEST(DisplayCsv, AbscissaInFractionsOrSamplesOrInHertzAndSecondsAndEveryColumnWithItsUnit)
{
    const CRealArray values = array({1.0, -20.5, 3.0});
    EXPECT_EQ(FormatDisplayCsv(0, false, values, 1.0, 0.0), "index,time_samples,impulse_response\n0,0,1\n1,1,-20.5\n2,2,3\n");
    EXPECT_EQ(FormatDisplayCsv(0, false, values, 1.0, 1000.0), "index,time_s,impulse_response\n0,0,1\n1,0.001,-20.5\n2,0.002,3\n");
    EXPECT_EQ(FormatDisplayCsv(1, true, values, 0.125, 0.0), "index,frequency_fs,amplitude_dB\n0,0,1\n1,0.125,-20.5\n2,0.25,3\n");
    // A point without a value has an empty field.
    EXPECT_EQ(FormatDisplayCsv(5, false, values, 0.125, 8000.0, {false, true, false}),
        "index,frequency_Hz,group_delay_samples\n0,0,1\n1,1000,\n2,2000,3\n");
    const struct {
        int display;
        bool decibel;
        double rate;
        const char* header;
    } headers[] = {{1, false, 0.0, "index,frequency_fs,amplitude"}, {2, true, 0.0, "index,frequency_fs,phase_rad"},
        {3, false, 48000.0, "index,frequency_Hz,real_part"}, {4, false, 0.0, "index,frequency_fs,imaginary_part"},
        {6, false, 0.0, "index,time_samples,step_response"}};
    for (const auto& c : headers)
        EXPECT_EQ(DisplayCsvHeader(c.display, c.decibel, c.rate), c.header) << c.display;
    EXPECT_THROW(FormatDisplayCsv(7, false, values, 1.0, 0.0), std::invalid_argument);
    EXPECT_THROW(FormatDisplayCsv(1, false, values, 0.0, 0.0), std::invalid_argument);
    EXPECT_THROW(FormatDisplayCsv(1, false, values, 0.125, -1.0), std::invalid_argument);
    EXPECT_THROW(FormatDisplayCsv(5, false, values, 0.125, 0.0, {true}), std::invalid_argument);
}

TEST(FixedPoint, SaysWhetherTheQuantizedFilterStillMeetsTheRequirements)
{
    // A window design of 120 dB meets 110 dB in double precision; rounded to Q15 its stop
    // band rises to about -95 dB, to Q31 it stays below -110 dB.
    const CRealArray h = DesignPassBand(LowPass, 301, 0.2, 0.5, 120.0).coefficients;
    const CRequirements r{LowPass, {0.15, 0.25}, 0.1, 110.0};
    const struct {
        int bits;
        bool meets;
    } cases[] = {{15, false}, {31, true}};
    for (const auto& c : cases) {
        const CQuantization q = QuantizeCoefficients(h, c.bits, r);
        ASSERT_TRUE(q.exactJudgement && q.quantizedJudgement);
        EXPECT_TRUE(q.exactJudgement->MeetsRequirements());
        EXPECT_EQ(q.quantizedJudgement->MeetsRequirements(), c.meets) << c.bits;
        const std::string line = DescribeQuantization(q).back().English();
        const std::string name = "Q" + std::to_string(c.bits);
        EXPECT_EQ(line.rfind("Requirements: " + name + (c.meets ? ": meets the requirements" : ": stop band misses by "), 0), 0u) << line;
        EXPECT_TRUE(contains(line, "(double: meets the requirements).")) << line;
    }
    const std::string header = FormatCoefficientExport(h, {ExportFormat::DspQ15, kDefaultBlockSize}, {r});
    EXPECT_TRUE(contains(header, "// Requirements: Q15: stop band misses by ")) << header;
    EXPECT_FALSE(QuantizeCoefficients(h, 15).exactJudgement);
}
