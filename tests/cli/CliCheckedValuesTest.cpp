// Values filter-cli holds to what they can mean: fixed-point headers to their declaration,
// coefficients to what their response can represent, sample rates and band edges to what
// a design can use. Each refusal is one line naming the place or the field.
#include "CliTestKit.h"
#include "FileIo.h"

#include <gtest/gtest.h>

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
