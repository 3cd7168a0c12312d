// filter-cli's coefficient exports as a user's toolchain takes them: headers of several
// filters in one C program, the formats read back through the import, and what no format
// can represent refused.
#include "CliTestKit.h"
#include "CoefficientText.h"
#include "FileIo.h"
#include "FixedPoint.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <cstring>

namespace {

const std::vector<std::string> kHighPass21 = {"--type", "highpass", "--length", "21", "--low", "0.3", "--design"};

// A stand-in for the DSP library's header: the element types its FIR functions take.
const char* const kArmMath = "#include <stdint.h>\ntypedef float float32_t;\ntypedef int16_t q15_t;\ntypedef int32_t q31_t;\n";

// Includes every header twice (the guards must hold) and prints a value of each array.
const char* const kProgram = R"(#include <stdio.h>
#include "lowpass.h"
#include "highpass.h"
#include "low_dsp.h"
#include "stage_2.h"
#include "lowpass.h"
#include "highpass.h"
#include "low_dsp.h"
#include "stage_2.h"
int main(void)
{
    static q15_t state[LOW_DSP_STATE_SIZE];
    (void)state;
    printf("%d %d %d %d\n", LOWPASS_LENGTH, HIGHPASS_LENGTH, LOW_DSP_NUM_TAPS, MYFILTER_NUM_TAPS);
    printf("%d %d %d %ld\n", lowpass[15], highpass[10], low_dsp[0], (long)myfilter[10]);
    return 0;
}
)";

}  // namespace

TEST_F(CliTest, HeadersOfTwoFiltersCompileAndLinkInOneProgram)
{
    const RunResult low = Cli(kLowPass31 + std::vector<std::string>{"--export", "q15", "lowpass.h", "--export",
        "dsp-q15", "low_dsp.h", "--export", "full", "low.txt"});
    ASSERT_EQ(low.status, 0) << low.err;
    const RunResult high = Cli(kHighPass21 + std::vector<std::string>{"--export", "q15", "highpass.h", "--name",
        "myfilter", "--export", "dsp-q31", "stage_2.h", "--export", "full", "high.txt"});
    ASSERT_EQ(high.status, 0) << high.err;
    exchange::WriteFileAtomically(folder / "arm_math.h", kArmMath);
    exchange::WriteFileAtomically(folder / "main.c", kProgram);
    const RunResult gcc = RunProgram("/usr/bin/gcc", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-o", "prog", "main.c"},
        folder.path());
    ASSERT_EQ(gcc.status, 0) << gcc.err;
    const RunResult run = RunProgram((folder.path() / "prog").string(), {}, folder.path());
    ASSERT_EQ(run.status, 0) << run.err;
    // The values the program sees are those of each filter, quantized independently here.
    const CRealArray lowH = ParseCoefficientText(exchange::ReadFileBytes(folder / "low.txt"));
    const CRealArray highH = ParseCoefficientText(exchange::ReadFileBytes(folder / "high.txt"));
    const std::vector<std::int64_t> low15 = QuantizeCoefficients(lowH, 15).values;
    const std::vector<std::int64_t> high15 = QuantizeCoefficients(highH, 15).values;
    const std::vector<std::int64_t> high31 = QuantizeCoefficients(highH, 31).values;
    std::ostringstream expected;
    expected << "31 21 32 21\n" << low15[15] << " " << high15[10] << " 0 " << high31[10] << "\n";
    EXPECT_EQ(run.out, expected.str());
    EXPECT_NE(low15[15], high15[10]);
}

TEST_F(CliTest, ANameThatIsNoIdentifierIsRefused)
{
    const RunResult result = Cli(kLowPass31 + std::vector<std::string>{"--name", "2nd", "--export", "q15", "x.h"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--export: name: the name must begin with a letter"), std::string::npos) << result.err;
    EXPECT_FALSE(Exists("x.h"));
}

// A coefficient of the largest double cannot be scaled into any fixed-point format nor
// measured: the run fails and nothing claims "2^1024" or "inf".
TEST_F(CliTest, CoefficientsNoFormatCanHoldAreRefused)
{
    exchange::WriteFileAtomically(folder / "huge.txt", "1.7976931348623157e308\n0.5\n");
    for (const char* format : {"q15", "q31", "dsp-q15", "dsp-q31"}) {
        const RunResult result = Cli({"--coefficients", "huge.txt", "--export", format, "out.h"});
        EXPECT_EQ(result.status, 2) << format;
        EXPECT_EQ(result.out.find("2^1024"), std::string::npos);
        EXPECT_EQ(result.err.find("inf"), std::string::npos) << result.err;
        EXPECT_FALSE(Exists("out.h")) << format;
    }
}

namespace {

// Debian's Python with the module named, or empty when it is not there.
std::string pythonWith(const std::string& module)
{
    const std::string python = "/usr/bin/python3";
    if (!std::filesystem::exists(python))
        return {};
    TempFolder scratch;
    return RunProgram(python, {"-c", "import " + module}, scratch.path()).status == 0 ? python : std::string();
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The row vector a MATLAB/Octave script assigns, read as MATLAB reads it: "NAME = [v, v, ...
// v];", each "..." continuing the line.
std::vector<double> matlabRow(const std::string& script, const std::string& name)
{
    const size_t open = script.find("\n" + name + " = [");
    const size_t close = script.find("];", open);
    if (open == std::string::npos || close == std::string::npos)
        return {};
    std::string row = script.substr(script.find('[', open) + 1, close - script.find('[', open) - 1);
    for (size_t dots; (dots = row.find("...")) != std::string::npos;)
        row.erase(dots, row.find('\n', dots) + 1 - dots);
    std::vector<double> values;
    std::istringstream items(row);
    for (std::string item; std::getline(items, item, ',');)
        values.push_back(std::strtod(item.c_str(), nullptr));
    return values;
}

const std::vector<std::string> kAllFormats = {"--bits", "12", "--export", "full", "h.txt", "--export", "npy", "h.npy",
    "--export", "json", "h.json", "--export", "m", "h.m", "--export", "coe", "h.coe", "--export", "mif", "h.mif",
    "--export", "hex", "h.hex"};

}  // namespace

// Every format back through the import of the real program: npy and json bit for bit, the
// word files exactly as the quantized values; the .m file as MATLAB reads it.
TEST_F(CliTest, EveryNewFormatReadsBackThroughTheImport)
{
    const RunResult result = Cli(kHighPass21 + std::vector<std::string>{"--minimum-phase"} + kAllFormats);
    ASSERT_EQ(result.status, 0) << result.err;
    const CRealArray h = ParseCoefficientText(exchange::ReadFileBytes(folder / "h.txt"));
    const std::vector<std::int64_t> q = QuantizeCoefficients(h, 11).values;
    const int shift = QuantizeCoefficients(h, 11).nShift;
    for (const char* file : {"h.npy", "h.json", "h.coe", "h.mif", "h.hex"}) {
        const std::vector<double> back = Printed({"--coefficients", file, "--print"});
        ASSERT_EQ(back.size(), static_cast<size_t>(h.GetSize())) << file;
        const bool exact = std::string(file) == "h.npy" || std::string(file) == "h.json";
        for (size_t n = 0; n < back.size(); ++n) {
            const double expected = exact ? h[static_cast<int>(n)] : std::ldexp(static_cast<double>(q[n]), shift - 11);
            EXPECT_TRUE(sameBits(back[n], expected)) << file << " " << n << ": " << back[n] << " vs " << expected;
        }
    }
    const std::vector<double> row = matlabRow(exchange::ReadFileBytes(folder / "h.m"), "h");
    ASSERT_EQ(row.size(), static_cast<size_t>(h.GetSize()));
    for (size_t n = 0; n < row.size(); ++n)
        EXPECT_TRUE(sameBits(row[n], h[static_cast<int>(n)])) << n;
    // A hex file of another tool, without the comment that states the word length.
    exchange::WriteFileAtomically(folder / "plain.hex", "800\n7FF\n");
    EXPECT_EQ(Printed({"--bits", "12", "--coefficients", "plain.hex", "--print"}), (std::vector<double>{-1.0, 2047.0 / 2048}));
    const RunResult noBits = Cli({"--coefficients", "plain.hex"});
    EXPECT_EQ(noBits.err, "filter-cli: --coefficients: \"plain.hex\": the file does not state its word length (filter-cli: --bits)\n");
    EXPECT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--bits", "33", "--export", "hex", "x.hex"}).err,
        "filter-cli: --export: bits: Please enter an integer between 8 and 32.\n");
    EXPECT_FALSE(Exists("x.hex"));
}

TEST_F(CliTest, NumpyLoadsTheNpyFile)
{
    const std::string python = pythonWith("numpy");
    if (python.empty())
        GTEST_SKIP() << "skipped: /usr/bin/python3 with numpy (python3-numpy) is not installed";
    ASSERT_EQ(Cli(kLowPass31 + kAllFormats).status, 0);
    const RunResult loaded = RunProgram(python, {"-c",
        "import numpy; a = numpy.load('h.npy'); print(a.dtype, a.shape); print('\\n'.join(x.hex() for x in a.tolist()))"},
        folder.path());
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    const CRealArray h = ParseCoefficientText(exchange::ReadFileBytes(folder / "h.txt"));
    std::istringstream lines(loaded.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header, "float64 (31,)");
    int n = 0;
    for (std::string hex; std::getline(lines, hex); ++n)
        EXPECT_TRUE(sameBits(std::strtod(hex.c_str(), nullptr), h[n])) << n << ": " << hex;  // C99 reads Python's hex
    EXPECT_EQ(n, 31);
}

TEST_F(CliTest, TheJsonValidatesAgainstTheSchema)
{
    const std::string python = pythonWith("jsonschema");
    if (python.empty())
        GTEST_SKIP() << "skipped: /usr/bin/python3 with jsonschema (python3-jsonschema) is not installed";
    const std::string check = "import json, sys, jsonschema\nschema = json.load(open(sys.argv[1]))\n"
                              "jsonschema.Draft7Validator.check_schema(schema)\n"
                              "for f in sys.argv[2:]: jsonschema.validate(json.load(open(f)), schema)\n";
    ASSERT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--export", "json", "kaiser.json", "--sample-rate", "48000",
                  "--bands", "0.1,0.15,0.3,0.35", "--type", "bandpass", "--ripple", "0.5", "--attenuation", "50",
                  "--length", "61", "--equiripple", "--export", "json", "equiripple.json"}).status, 0);
    ASSERT_EQ(Cli({"--type", "multiband", "--band", "0,0.1,1", "--band", "0.15,0.25,0", "--band", "0.3,0.5,0.5", "--length",
                  "71", "--equiripple", "--export", "json", "multiband.json", "--type", "differentiator", "--band",
                  "0,0.4,1", "--length", "30", "--equiripple", "--export", "json", "differentiator.json"})
                  .status,
        0);
    exchange::WriteFileAtomically(folder / "h.txt", "0.5 -0.5 0.25");
    ASSERT_EQ(Cli({"--coefficients", "h.txt", "--export", "json", "bare.json"}).status, 0);
    const RunResult valid = RunProgram(python,
        {"-c", check, COEFFICIENTS_SCHEMA, "kaiser.json", "equiripple.json", "multiband.json", "differentiator.json",
            "bare.json"},
        folder.path());
    EXPECT_EQ(valid.status, 0) << valid.err;
    // The schema is no formality: a document without its coefficients fails it.
    exchange::WriteFileAtomically(folder / "broken.json", "{\"format\": \"filter-coefficients\", \"version\": 1}");
    EXPECT_NE(RunProgram(python, {"-c", check, COEFFICIENTS_SCHEMA, "broken.json"}, folder.path()).status, 0);
}

// The response on a grid through the real program: the rows asked for, Nyquist included,
// units in the header, each magnitude that of the coefficients by definition.
TEST_F(CliTest, ResponseExportOnTheGridAsked)
{
    const RunResult result = Cli(kLowPass31 + std::vector<std::string>{"--export", "response", "default.csv", "--points",
        "7", "--range", "0.1,0.3", "--export", "response", "range.csv", "--sample-rate", "48000", "--log", "--range",
        "0.001,0.5", "--export", "response", "log.csv", "--export", "full", "h.txt"});
    ASSERT_EQ(result.status, 0) << result.err;
    const CRealArray h = ParseCoefficientText(exchange::ReadFileBytes(folder / "h.txt"));
    const std::string standard = exchange::ReadFileBytes(folder / "default.csv");
    EXPECT_EQ(std::count(standard.begin(), standard.end(), '\n'), 1025);
    EXPECT_EQ(standard.rfind("frequency (cycles/sample),magnitude,magnitude (dB),phase (rad),group delay (samples)\n0,", 0), 0u);
    EXPECT_NE(standard.find("\n0.5,"), std::string::npos);
    std::istringstream lines(exchange::ReadFileBytes(folder / "range.csv"));
    std::string line;
    std::getline(lines, line);
    int rows = 0;
    for (; std::getline(lines, line); ++rows) {
        const double f = std::stod(line);
        EXPECT_NEAR(f, 0.1 + rows * (0.2 / 6), 1e-15);
        std::complex<double> response;
        for (int n = 0; n < h.GetSize(); ++n)
            response += h[n] * std::polar(1.0, -2 * M_PI * f * n);
        EXPECT_NEAR(std::stod(line.substr(line.find(',') + 1)), std::abs(response), 1e-14) << line;
        EXPECT_NEAR(std::stod(line.substr(line.rfind(',') + 1)), 15.0, 1e-9);  // symmetric: (N - 1) / 2
    }
    EXPECT_EQ(rows, 7);
    const std::string log = exchange::ReadFileBytes(folder / "log.csv");
    EXPECT_EQ(log.rfind("frequency (Hz),magnitude,magnitude (dB),phase (rad),group delay (s)\n48,", 0), 0u) << log.substr(0, 200);
    EXPECT_NE(log.find("\n24000,"), std::string::npos);
    for (const auto& [args, message] : {std::pair<std::vector<std::string>, std::string>{{"--points", "1"},
             "points: Please enter an integer between 2 and 100000."},
             {{"--range", "0.3,0.2"}, "range: Please enter two fractions of the sampling frequency F1,F2 with 0 <= F1 < F2 <= 0.5."},
             {{"--log", "--range", "0,0.5"}, "range: Please enter two fractions of the sampling frequency F1,F2 with 0 < F1 < F2 <= 0.5."}}) {
        const RunResult refused = Cli(kLowPass31 + args + std::vector<std::string>{"--export", "response", "bad.csv"});
        EXPECT_EQ(refused.err, "filter-cli: --export: " + message + "\n");
        EXPECT_FALSE(Exists("bad.csv"));
    }
}

// The import through the real program, of files as editors and other tools leave them, and
// of the DSP headers: the padding tap dropped, float32 values read as the floats they are.
TEST_F(CliTest, ImportTakesFilesAsTheyReallyCome)
{
    exchange::WriteFileAtomically(folder / "bom.txt", "\xEF\xBB\xBF" "0.5\n0.25\n");
    EXPECT_EQ(Printed({"--coefficients", "bom.txt", "--print"}), (std::vector<double>{0.5, 0.25}));
    exchange::WriteFileAtomically(folder / "nul.txt", std::string("0.5\n0.2\0 5\n", 11));
    EXPECT_EQ(Cli({"--coefficients", "nul.txt"}).err, "filter-cli: --coefficients: \"nul.txt\": binary content at line 2, column 4\n");
    exchange::WriteFileAtomically(folder / "comma.txt", "0,5\n0.25\n0.125\n");
    const RunResult comma = Cli({"--coefficients", "comma.txt"});
    EXPECT_EQ(comma.status, 2);
    EXPECT_NE(comma.err.find("line 1, column 1: \"0,5\" is ambiguous"), std::string::npos) << comma.err;

    const RunResult exported = Cli(kLowPass31 + std::vector<std::string>{"--export", "dsp-q15", "q15.h", "--export",
        "dsp-f32", "f32.h", "--export", "full", "h.txt"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const CRealArray h = ParseCoefficientText(exchange::ReadFileBytes(folder / "h.txt"));
    const std::vector<std::int64_t> q = QuantizeCoefficients(h, 15).values;
    const std::vector<double> q15 = Printed({"--coefficients", "q15.h", "--print"});
    ASSERT_EQ(q15.size(), 31u);  // 32 taps in the header, the padding dropped
    const std::vector<double> f32 = Printed({"--coefficients", "f32.h", "--print"});
    ASSERT_EQ(f32.size(), 31u);
    for (size_t n = 0; n < 31; ++n) {
        EXPECT_EQ(q15[n], static_cast<double>(q[n]) / 32768) << n;
        EXPECT_TRUE(sameBits(f32[n], static_cast<double>(static_cast<float>(h[static_cast<int>(n)])))) << n;
    }
}
