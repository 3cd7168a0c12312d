// filter-cli failing as a script meets it: whatever fails, including the standard output
// and the memory, the run ends with one line on standard error and status 2, and no step
// after the failing one runs.
#include "CliTestKit.h"
#include "Sanitizer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

TEST_F(CliTest, OutputThatCannotBeWrittenFailsTheStepThatWroteIt)
{
    const char* const reason = "cannot write the standard output: No space left on device\n";
    RunOptions full;
    full.strOutput = "/dev/full";
    for (const char* step : {"--print", "--info", "--measure", "--help", "--version"}) {
        const bool runsSteps = std::string(step) != "--help" && std::string(step) != "--version";
        const RunResult result = RunProgram(ProgramBesideTest("filter-cli"),
            kLowPass31 + std::vector<std::string>{step, "--save", "a.flt"}, folder.path(), full);
        EXPECT_EQ(result.status, 2) << step;
        EXPECT_EQ(result.err, "filter-cli: " + (runsSteps ? std::string(step) + ": " : "") + reason);
        EXPECT_FALSE(Exists("a.flt")) << step;
    }
}

TEST_F(CliTest, RunningOutOfMemoryIsALineAndStatusTwo)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves";
    // Reading the file needs more memory than the limit leaves the program.
    const std::string big = folder / "big.txt";
    { std::ofstream create(big); }
    ASSERT_EQ(::truncate(big.c_str(), off_t{48} << 20), 0) << "cannot make " << big;
    RunOptions limited;
    limited.nAddressSpaceBytes = size_t{32} << 20;
    const RunResult result = RunProgram(ProgramBesideTest("filter-cli"), {"--coefficients", "big.txt", "--info"},
        folder.path(), limited);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "filter-cli: --coefficients: not enough memory\n");
    EXPECT_EQ(result.out, "");
}
