// Values filter-cli holds to what they can mean: fixed-point headers to their declaration,
// coefficients to what their response can represent, sample rates and band edges to what
// a design can use. Each refusal is one line naming the place or the field.
#include "CliTestKit.h"
#include "FileIo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>

TEST_F(CliTest, FixedPointHeadersAreHeldToTheirTypeLengthAndDefines)
{
    const struct {
        const char* text;
        const char* refusal;  // null: read as values
        std::vector<double> values;
    } cases[] = {
        {"static const int16_t h[2] = {99999, 1};", "line 1, column 30: \"99999\" is outside the range of int16_t, -32768 to 32767", {}},
        {"const q15_t h[] = {1, -40000};", "line 1, column 23: \"-40000\" is outside the range of q15_t, -32768 to 32767", {}},
        {"const int16_t h[] = {-32768, 32767};", nullptr, {-1.0, 32767.0 / 32768}},
        {"const int32_t h[] = {2147483648};", "line 1, column 22: \"2147483648\" is outside the range of int32_t, -2147483648 to 2147483647", {}},
        {"const int16_t h[] = {1, 17.75};", "line 1, column 25: \"17.75\" is not a whole number, as an element of int16_t must be", {}},
        {"const double h[] = {1, 17.75};", nullptr, {1.0, 17.75}},
        {"#define H_LENGTH 3\nconst int16_t h[H_LENGTH] = {1, 2, 3, 4};", "line 1, column 1: H_LENGTH gives 3 values, but the text holds 4", {}},
        {"#define H_NUM_TAPS x\n{1}", "line 1, column 1: the length \"x\" is not a whole number", {}},
        {"const int16_t h[2] = {1, 2, 3};", "line 1, column 17: the array is declared with \"2\" elements, but holds 3", {}},
        {"#define H_LENGTH 2\nconst int16_t h[H_LENGTH] = {16384, 8192};", nullptr, {0.5, 0.25}},
        {"#define H_SCALE_SHIFT 0\n #define H_SCALE_SHIFT 2\n{1}", "line 2, column 2: H_SCALE_SHIFT defines the scale shift a second time (first on line 1)", {}},
        {"#define A_TIME_REVERSED 1\n#define B_TIME_REVERSED 0\n{1}", "line 2, column 1: B_TIME_REVERSED defines the time reversal a second time (first on line 1)", {}},
        {"#define H_LENGTH 2\n#define H_NUM_TAPS 2\n{1, 2}", "line 2, column 1: H_NUM_TAPS defines the length a second time (first on line 1)", {}},
    };
    for (const auto& c : cases) {
        exchange::WriteFileAtomically(folder / "h.h", c.text);
        const RunResult result = Cli({"--coefficients", "h.h", "--print"});
        if (c.refusal) {
            EXPECT_EQ(result.status, 2) << c.text;
            EXPECT_EQ(result.err, std::string("filter-cli: --coefficients: \"h.h\": ") + c.refusal + "\n");
        } else {
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(Printed({"--coefficients", "h.h", "--print"}), c.values) << c.text;
        }
    }
}

namespace {

// Every word of text that reads as a number, and whether text names a value that is not.
std::vector<double> numbersIn(const std::string& text)
{
    std::istringstream words(text);
    std::vector<double> numbers;
    for (std::string word; words >> word;) {
        char* end = nullptr;
        const double x = std::strtod(word.c_str(), &end);
        if (end != word.c_str() && *end == '\0')
            numbers.push_back(x);
    }
    return numbers;
}

}  // namespace

TEST_F(CliTest, CoefficientsBeyondWhatTheResponseCanHoldAreRefusedAndTheRestGiveFiniteFigures)
{
    exchange::WriteFileAtomically(folder / "huge.txt", "1 1.7976931348623157e308 1");
    EXPECT_EQ(Cli({"--coefficients", "huge.txt", "--measure"}).err,
        "filter-cli: --coefficients: \"huge.txt\": line 1, column 3: \"1.7976931348623157e308\" is beyond \u00b11e+100, "
        "the largest magnitude a coefficient may have\n");
    ASSERT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--save", "low.flt"}).status, 0);
    std::string document = exchange::ReadFileBytes(folder / "low.flt");
    const double huge = 1e300;
    std::memcpy(&document[296 + 8 * 3], &huge, sizeof huge);  // coefficient 3
    exchange::WriteFileAtomically(folder / "huge.flt", document);
    EXPECT_EQ(Cli({"huge.flt", "--measure"}).err, "filter-cli: open: cannot open \"huge.flt\": coefficient 3 is beyond "
                                                  "\u00b11e+100, the largest magnitude a coefficient may have\n");
    // The largest coefficients taken, the smallest doubles and zeros: every figure and
    // every display value is a finite number of its own, none clamped to the largest double.
    for (const char* text : {"1e100 -1e100 1e100 1e100 -1e100", "4.9e-324 0 -4.9e-324 1e-320", "0 0 0"}) {
        exchange::WriteFileAtomically(folder / "h.txt", text);
        const RunResult result = Cli({"--coefficients", "h.txt", "--measure", "--show", "amplitude", "--db", "--print",
            "--show", "groupdelay", "--print", "--show", "phase", "--print", "--show", "step", "--print"});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out.find("nan"), std::string::npos) << result.out;
        EXPECT_EQ(result.out.find("inf"), std::string::npos) << result.out;
        for (double x : numbersIn(result.out))
            EXPECT_LT(std::fabs(x), 1e200) << text;
    }
}

TEST_F(CliTest, SampleRatesAreThoseWhoseTimesAndFrequenciesStayFinite)
{
    for (const char* rate : {"4.9e-324", "1e-308", "0.0009", "1e13", "-1", "inf"}) {
        const RunResult result = Cli({"--sample-rate", rate});
        EXPECT_EQ(result.status, 2) << rate;
        EXPECT_EQ(result.err, "filter-cli: --sample-rate: sample rate: Please enter 0 for none or a number between 0.001 "
                              "and 1e+12.\n");
    }
    for (const char* rate : {"0.001", "1e12", "0", "none"}) {
        const RunResult result = Cli(kLowPass31 + std::vector<std::string>{"--sample-rate", rate, "--measure", "--show",
            "groupdelay", "--export", "display", "d.csv"});
        ASSERT_EQ(result.status, 0) << rate << ": " << result.err;
        const std::string csv = exchange::ReadFileBytes(folder / "d.csv");
        for (const std::string& text : {result.out, csv}) {
            EXPECT_EQ(text.find("inf"), std::string::npos) << rate << ": " << text;
            EXPECT_EQ(text.find("nan"), std::string::npos) << rate << ": " << text;
        }
    }
}

TEST_F(CliTest, ABandOfNoWidthOrOfNoFrequencyPointIsNotDesigned)
{
    const struct {
        std::vector<std::string> design;
        const char* message;
    } cases[] = {
        {{"--type", "bandpass", "--low", "0.2", "--high", "0.2"}, "high cut-off: Please enter a number greater than 0.2 and at most 0.5."},
        {{"--type", "bandstop", "--low", "0.3", "--high", "0.3"}, "high cut-off: Please enter a number greater than 0.3 and at most 0.5."},
        // Both edges between the same two of the 31 points: kL = kH = 6.
        {{"--type", "bandpass", "--low", "0.2", "--high", "0.22"}, "high cut-off: The pass band holds none of the 31 "
            "frequency points the design samples; widen it or lengthen the filter."},
        {{"--type", "highpass", "--low", "0.49"}, "low cut-off: The pass band holds none of the 31 frequency points the "
            "design samples; widen it or lengthen the filter."},
    };
    for (const auto& c : cases) {
        const RunResult result = Cli(c.design + std::vector<std::string>{"--length", "31", "--design", "--save", "a.flt"});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, std::string("filter-cli: --design: ") + c.message + "\n");
        EXPECT_FALSE(Exists("a.flt"));
    }
}
