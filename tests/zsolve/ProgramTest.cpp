// The program zsolve run as the workbench runs it: in a fresh folder, on a "beta.bin",
// judged by its exit status, its message and the "root.bin" it leaves.
#include "FileIo.h"
#include "PolynomialKit.h"
#include "RecordFile.h"
#include "RootFinder.h"
#include "RunProgram.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sys/stat.h>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace zsolve_test;

class ZsolveProgram : public testing::Test {
protected:
    RunResult Run(const std::vector<std::string>& args)
    {
        return RunProgram(ProgramBesideTest("zsolve"), args, m_folder.path().string());
    }

    // Writes coefficients as "beta.bin" and runs zsolve on it.
    RunResult Solve(const CComplexArray& c)
    {
        exchange::WriteRecordFile(m_folder / "beta.bin", c);
        return Run({"beta.bin"});
    }

    exchange::RecordFile Roots() const { return exchange::ReadRecordFile(m_folder / "root.bin"); }
    bool HasRoots() const { return m_folder.Entries().count("root.bin") == 1; }

    TempFolder m_folder;
};

TEST_F(ZsolveProgram, WritesTheRootsOfTheWorkbenchExample)
{
    // Filter h = (1, 2, 3) becomes the records (3, 0), (2, 0), (1, 0): 3 + 2 z + z^2,
    // whose roots are -1 +- i sqrt(2).
    CComplexArray c(3);
    c[0] = 3.0;
    c[1] = 2.0;
    c[2] = 1.0;
    const RunResult run = Solve(c);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const exchange::RecordFile roots = Roots();
    ASSERT_EQ(roots.count, 2);
    ASSERT_TRUE(roots.complete());
    EXPECT_EQ(exchange::ReadFileBytes(m_folder / "root.bin").size(), 2u + 2 * 16);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(roots.records[i].re, -1.0, 1e-15);
        EXPECT_NEAR(std::fabs(roots.records[i].im), std::sqrt(2.0), 1e-15);
    }
    EXPECT_EQ(roots.records[0].im, -roots.records[1].im);
}

TEST_F(ZsolveProgram, WritesWhatTheSolverFinds)
{
    const CComplexArray c = KaiserLowPassPolynomial(255);
    ASSERT_EQ(Solve(c).status, 0);
    const exchange::RecordFile roots = Roots();
    const CComplexArray expected = zsolve::FindRoots(c);
    ASSERT_EQ(roots.count, 254);
    for (int i = 0; i < roots.count; ++i) {
        EXPECT_EQ(roots.records[i].re, expected[i].re);
        EXPECT_EQ(roots.records[i].im, expected[i].im);
    }
}

TEST_F(ZsolveProgram, ProgressGoesToStandardErrorAndLeavesTheRootsAsTheyAre)
{
    const CComplexArray c = KaiserLowPassPolynomial(2049);
    ASSERT_EQ(Solve(c).status, 0);
    const std::string quiet = exchange::ReadFileBytes(m_folder / "root.bin");
    const RunResult run = Run({"--progress", "beta.bin"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(exchange::ReadFileBytes(m_folder / "root.bin"), quiet);
    // Counts of roots found, then of roots certified, each rising to all 2048.
    std::istringstream lines(run.err);
    std::string line, stage = "found";
    int last = -1;
    std::vector<std::string> ends;
    while (std::getline(lines, line)) {
        int count = -1, total = -1;
        char word[16] = {};
        ASSERT_EQ(std::sscanf(line.c_str(), "zsolve: %d of %d roots %15s", &count, &total, word), 3) << line;
        EXPECT_EQ(total, 2048);
        if (word != stage) {
            ASSERT_EQ(stage, "found") << line;
            EXPECT_EQ(std::string(word), "certified");
            stage = word;
            last = -1;
        }
        EXPECT_GE(count, last) << line;
        last = count;
        if (count == total)
            ends.push_back(word);
    }
    EXPECT_EQ(ends, (std::vector<std::string>{"found", "certified"}));
}

TEST_F(ZsolveProgram, ConstantPolynomialGivesAnEmptyRootFile)
{
    CComplexArray c(1);
    c[0] = -2.5;
    EXPECT_EQ(Solve(c).status, 0);
    EXPECT_EQ(exchange::ReadFileBytes(m_folder / "root.bin"), std::string(2, '\0'));
}

TEST_F(ZsolveProgram, ALinkPlantedAsRootFileIsReplacedNotWrittenThrough)
{
    exchange::WriteFileAtomically(m_folder / "victim", "kept");
    std::filesystem::create_symlink("victim", m_folder / "root.bin");
    CComplexArray c(2);
    c[0] = c[1] = 1.0;
    ASSERT_EQ(Solve(c).status, 0);
    EXPECT_EQ(exchange::ReadFileBytes(m_folder / "victim"), "kept");
    EXPECT_FALSE(std::filesystem::is_symlink(m_folder / "root.bin"));
    EXPECT_EQ(Roots().records[0].re, -1.0);
}

TEST_F(ZsolveProgram, RootsAtZeroAndInfinityAreWritten)
{
    // z (z + 1) with a zero leading coefficient: roots 0, -1 and infinity.
    CComplexArray c(4);
    c[1] = 1.0;
    c[2] = 1.0;
    ASSERT_EQ(Solve(c).status, 0);
    const exchange::RecordFile roots = Roots();
    ASSERT_EQ(roots.count, 3);
    EXPECT_EQ(roots.records[0].re, 0.0);
    EXPECT_EQ(roots.records[0].im, 0.0);
    EXPECT_NEAR(roots.records[1].re, -1.0, 1e-15);
    EXPECT_EQ(roots.records[2].re, std::numeric_limits<double>::infinity());
    EXPECT_EQ(roots.records[2].im, 0.0);
}

// What stands as "beta.bin" in a run that must fail.
enum class Beta { Bytes, Missing, Fifo, Folder, DeviceLink };

// A run that must fail: its arguments, what "beta.bin" is (its bytes for Beta::Bytes) and
// a part of the one line the program must print.
struct Failure {
    const char* name;
    std::vector<std::string> args;
    std::string beta;
    Beta kind;
    const char* reason;
};

void PrintTo(const Failure& failure, std::ostream* out)
{
    *out << failure.name;
}

std::string Records(const std::vector<double>& parts, int count)
{
    std::string bytes{static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)};
    for (const double part : parts)
        bytes.append(reinterpret_cast<const char*>(&part), sizeof part);
    return bytes;
}

void MakeBeta(const Failure& failure, const std::string& path)
{
    switch (failure.kind) {
    case Beta::Bytes: exchange::WriteFileAtomically(path, failure.beta); break;
    case Beta::Fifo: ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); break;
    case Beta::Folder: std::filesystem::create_directory(path); break;
    case Beta::DeviceLink: std::filesystem::create_symlink("/dev/zero", path); break;
    case Beta::Missing: break;
    }
}

class ZsolveFailure : public ZsolveProgram, public testing::WithParamInterface<Failure> {};

TEST_P(ZsolveFailure, ReportsOneLineAndLeavesTheOldRootFile)
{
    const Failure& failure = GetParam();
    MakeBeta(failure, m_folder / "beta.bin");
    const RunResult run = Run(failure.args);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err.rfind("zsolve: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(failure.reason), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(HasRoots());

    // With a "root.bin" from an earlier run, the same failure leaves it byte for byte.
    const std::string earlier = Records({1.0, 2.0}, 1);
    exchange::WriteFileAtomically(m_folder / "root.bin", earlier);
    EXPECT_NE(Run(failure.args).status, 0);
    EXPECT_EQ(exchange::ReadFileBytes(m_folder / "root.bin"), earlier);
    EXPECT_EQ(m_folder.Entries().size(), failure.kind == Beta::Missing ? 1u : 2u);
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, ZsolveFailure,
    testing::Values(Failure{"AllZero", {"beta.bin"}, Records({0, 0, 0, 0, 0, 0}, 3), Beta::Bytes, "all coefficients are zero"},
                    Failure{"CountZero", {"beta.bin"}, Records({}, 0), Beta::Bytes, "no coefficients"},
                    Failure{"ShortRecords", {"beta.bin"}, Records({1, 0, 2, 0}, 3), Beta::Bytes, "ends after 2 of 3"},
                    Failure{"NoCount", {"beta.bin"}, std::string(1, '\3'), Beta::Bytes, "too short to hold a count"},
                    Failure{"EmptyFile", {"beta.bin"}, "", Beta::Bytes, "too short to hold a count"},
                    // Numbered as the filter's coefficients: the last record is h[0].
                    Failure{"NanCoefficient", {"beta.bin"}, Records({1, 0, kNan, 0, 1, 0}, 3), Beta::Bytes, "h[1] is not finite"},
                    Failure{"InfiniteCoefficient", {"beta.bin"}, Records({1, 0, 0, kInf}, 2), Beta::Bytes, "h[0] is not finite"},
                    // Roots beyond the range of double: -1e-10 and about -1e310, and about
                    // -1e-310 and -1e310; once written as -65536 and 0 with success.
                    Failure{"RootBeyondRange", {"beta.bin"}, Records({1, 0, 1e10, 0, 1e-300, 0}, 3), Beta::Bytes, "could not be found to double precision"},
                    Failure{"RootsAtBothEndsOfTheRange", {"beta.bin"}, Records({1e-310, 0, 1, 0, 1e-310, 0}, 3), Beta::Bytes, "could not be found to double precision"},
                    // Roots near 1e-207, where Horner's rule runs in subnormal numbers.
                    Failure{"SubnormalValuesAtTheRoots", {"beta.bin"}, Records({0x0.000000027p-1022, 0, 0x0.00099p-1022,
                        0x0.0000000004p-1022, 0x0.01effffffp-1022, 0x0.0c008p-1022, -0x1p+1009, 0x0.03ffp-1022}, 4),
                        Beta::Bytes, "could not be found to double precision"},
                    Failure{"MagnitudesBeyondTheRange", {"beta.bin"}, Records({1e-320, 0, 1, 0, 1e300, 0, 1e307, 0}, 4), Beta::Bytes, "span more than double precision"},
                    Failure{"Fifo", {"beta.bin"}, "", Beta::Fifo, "it is not a regular file"},
                    Failure{"Folder", {"beta.bin"}, "", Beta::Folder, "it is a folder"},
                    Failure{"LinkToADevice", {"beta.bin"}, "", Beta::DeviceLink, "it is not a regular file"},
                    Failure{"MissingFile", {"beta.bin"}, "", Beta::Missing, "No such file"},
                    Failure{"NoArgument", {}, "", Beta::Missing, "usage"},
                    Failure{"TwoArguments", {"beta.bin", "beta.bin"}, Records({1, 0, 1, 0}, 2), Beta::Bytes, "usage"}),
    [](const testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

}  // namespace
