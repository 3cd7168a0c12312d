// filter-cli's coefficient exports as a user's toolchain takes them: headers of several
// filters in one C program, the formats read back through the import, and what no format
// can represent refused.
#include "CliTestKit.h"
#include "CoefficientText.h"
#include "FileIo.h"
#include "FixedPoint.h"

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
