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

namespace {

// The smallest address space (to 4 MiB) in which program starts and tells its version: what
// its libraries map before it reads anything.
size_t StartingAddressSpace(const std::string& program, const std::filesystem::path& folder)
{
    size_t fails = 0, runs = size_t{4} << 30;
    while (runs - fails > (size_t{4} << 20)) {
        RunOptions limited;
        limited.nAddressSpaceBytes = fails + (runs - fails) / 2;
        (RunProgram(program, {"--version"}, folder, limited).status == 0 ? runs : fails) = limited.nAddressSpaceBytes;
    }
    return runs;
}

}  // namespace

TEST_F(CliTest, RunningOutOfMemoryIsALineAndStatusTwo)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves";
    // Reading the file needs more memory than the limit leaves the program.
    const std::string big = folder / "big.txt";
    { std::ofstream create(big); }
    ASSERT_EQ(::truncate(big.c_str(), off_t{48} << 20), 0) << "cannot make " << big;
    RunOptions limited;
    limited.nAddressSpaceBytes = StartingAddressSpace(ProgramBesideTest("filter-cli"), folder.path()) + (size_t{16} << 20);
    const RunResult result = RunProgram(ProgramBesideTest("filter-cli"), {"--coefficients", "big.txt", "--info"},
        folder.path(), limited);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "filter-cli: --coefficients: not enough memory\n");
    EXPECT_EQ(result.out, "");
}
