// filter-cli, run as a user's script runs it.
#include "CoefficientText.h"
#include "FileIo.h"
#include "FilterDesign.h"
#include "RunProgram.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

class CliTest : public ::testing::Test {
protected:
    RunResult Cli(const std::vector<std::string>& args) { return RunProgram(ProgramBesideTest("filter-cli"), args, folder.path()); }

    std::vector<double> Printed(const std::vector<std::string>& args)
    {
        const RunResult result = Cli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        std::istringstream lines(result.out);
        std::vector<double> values;
        for (double v; lines >> v;)
            values.push_back(v);
        return values;
    }

    bool Exists(const std::string& name) { return std::filesystem::exists(folder / name); }

    TempFolder folder;
};

const std::vector<std::string> kLowPass31 = {"--type", "lowpass", "--length", "31", "--low", "0.25", "--design"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(CliTest, HelpVersionAndUsageErrorsRunNoStep)
{
    EXPECT_NE(Cli({"--help"}).out.find("usage: filter-cli"), std::string::npos);
    EXPECT_EQ(Cli({"--version"}).out, "filter-cli 0.12\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--save", "a.flt", "--bogus"}, {"--save", "a.flt", "--estimate", "1", "2"},
             {"--save", "a.flt", "--type", "notch"}, {"--save", "a.flt", "--show", "zeros"}}) {
        const RunResult result = Cli(args);
        EXPECT_EQ(result.status, 1) << args.back();
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_FALSE(Exists("a.flt"));
    }
}

TEST_F(CliTest, DesignsSavesAndPrintsAsTheMenuCommandsDo)
{
    const RunResult result = Cli(kLowPass31 + std::vector<std::string>{"--info", "--save", "low.flt"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("length: 31\ntype: lowpass\nlow cut-off: 0.25\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("response: 124\ndisplay: impulse, 31 values\ndB: off\n"), std::string::npos) << result.out;
    EXPECT_EQ(std::filesystem::file_size(folder / "low.flt"), 2532u);
    const CRealArray h = DesignPassBand(0, 31, 0.25, 0.5, 60.0).coefficients;
    const std::vector<double> printed = Printed({"low.flt", "--print"});
    ASSERT_EQ(printed.size(), 31u);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(printed[static_cast<size_t>(i)], h[i]) << i;  // %.17g reads back exactly
    EXPECT_EQ(Printed({"low.flt", "--show", "amplitude", "--print"}).size(), 62u);
    EXPECT_EQ(Printed({"low.flt", "--show", "real", "--print"}).size(), 124u);
    const std::vector<double> db = Printed({"low.flt", "--show", "amplitude", "--db", "--print"});
    EXPECT_NEAR(db[0], 0.0, 0.01);
}

TEST_F(CliTest, EstimatedLengthAndTypedAttenuationFeedTheNextDesign)
{
    const RunResult result = Cli({"--estimate", "0.5", "80", "0.02", "--design", "--info"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("length: 251\n"), std::string::npos);
    EXPECT_NE(result.out.find("attenuation: 80\nideal: 251\ncoefficients: 251\n"), std::string::npos) << result.out;
}

TEST_F(CliTest, AFailingStepStopsTheRunAndKeepsWhatCameBefore)
{
    const struct {
        std::vector<std::string> failing;
        const char* message;
    } cases[] = {
        {{"--length", "5000", "--design"}, "--design: filter length: Please enter an integer between 1 and 4096.\n"},
        {{"--type", "bandpass", "--low", "0.1", "--design"}, "--design: high cut-off: Please enter a number between 0.1 and 0.5.\n"},
        {{"--attenuation", "inf", "--design"}, "--design: attenuation: Please enter a number between 0 and 1000.\n"},
        {{"--estimate", "0", "60", "0.05"}, "--estimate: No finite filter length meets these conditions: an in-band ripple of 0 dB cannot be reached.\n"},
        {{"--coefficients", "missing.txt"}, "--coefficients: cannot open \"missing.txt\": No such file or directory\n"},
        {{"--save", "no/such/folder.flt"}, "--save: cannot create \"no/such/folder.flt\": No such file or directory\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder / "before.flt");
        const RunResult result = Cli(kLowPass31 + std::vector<std::string>{"--save", "before.flt"} + c.failing
            + std::vector<std::string>{"--save", "after.flt"});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, std::string("filter-cli: ") + c.message);
        EXPECT_TRUE(Exists("before.flt"));
        EXPECT_FALSE(Exists("after.flt"));
    }
}

TEST_F(CliTest, RefusesAFileThatIsNotAFilterDocument)
{
    exchange::WriteFileAtomically(folder / "notes.txt", "these are not the bytes of a filter");
    const RunResult result = Cli({"notes.txt", "--info"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "filter-cli: open: cannot open \"notes.txt\": not a filter document\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, ExportedTextReadsBackAsCoefficients)
{
    ASSERT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--export-text", "beta.txt"}).status, 0);
    const std::string text = exchange::ReadFileBytes(folder / "beta.txt");
    EXPECT_EQ(text.rfind("double beta[] =\r\n{\t", 0), 0u);
    const CRealArray written = ParseCoefficientText(text);
    const std::vector<double> back = Printed({"--coefficients", "beta.txt", "--print"});
    ASSERT_EQ(back.size(), 31u);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(back[static_cast<size_t>(i)], written[i]);
    exchange::WriteFileAtomically(folder / "plain.txt", "1, 0.5\n-0.25");
    EXPECT_EQ(Printed({"--coefficients", "plain.txt", "--show", "real", "--print"}).size(), 12u);
    const RunResult none = Cli({"--export-text", "x.txt"});
    EXPECT_EQ(none.status, 2);
    EXPECT_FALSE(Exists("x.txt"));
}

TEST_F(CliTest, ZerosAndMinimumPhaseGoThroughTheRootFinder)
{
    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");  // zeros 2 and 0.5
    const std::vector<double> zeros = Printed({"--coefficients", "h.txt", "--zeros"});
    ASSERT_EQ(zeros.size(), 4u);
    EXPECT_NEAR(std::min(zeros[0], zeros[2]), 0.5, 1e-14);
    EXPECT_NEAR(std::max(zeros[0], zeros[2]), 2.0, 1e-14);
    EXPECT_EQ(exchange::ReadFileBytes(folder / "beta.bin").size(), 50u);
    exchange::WriteFileAtomically(folder / "g.txt", "1 -2");
    const std::vector<double> minimum = Printed({"--coefficients", "g.txt", "--minimum-phase", "--print"});
    ASSERT_EQ(minimum.size(), 2u);
    EXPECT_NEAR(minimum[0], 2.0, 1e-14);
    EXPECT_NEAR(minimum[1], -1.0, 1e-14);
    exchange::WriteFileAtomically(folder / "zero.txt", "0 0 0");
    const RunResult failed = Cli({"--coefficients", "zero.txt", "--zeros"});
    EXPECT_EQ(failed.status, 2);
    // One line: the step that failed, with the root finder's own reason.
    EXPECT_EQ(failed.err, "filter-cli: --zeros: The root finder zsolve failed: \"beta.bin\": all coefficients are zero.\n");
    EXPECT_EQ(failed.out, "");
}

namespace {

namespace fs = std::filesystem;

// A file that is not a regular one, made at path; false where the machine does not allow
// it. Writes are tried only on those inside the test's folder: a link to /dev/zero is
// only read.
struct OddFile {
    const char* kind;
    std::function<bool(const std::string&)> make;
    const char* reason;
    bool write;
};

bool makeFifo(const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; }

bool makeSparse(const std::string& path)
{
    { std::ofstream create(path); }
    return ::truncate(path.c_str(), off_t{1} << 32) == 0;
}

const OddFile kOddFiles[] = {
    {"FIFO", makeFifo, "it is not a regular file", true},
    {"folder", [](const std::string& p) { return fs::create_directory(p); }, "it is a folder", true},
    {"device", [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0; },
        "it is not a regular file", true},
    {"link to a FIFO", [](const std::string& p) { return makeFifo(p + ".fifo") && ::symlink((p + ".fifo").c_str(), p.c_str()) == 0; },
        "it is not a regular file", true},
    {"link to /dev/zero", [](const std::string& p) { return ::symlink("/dev/zero", p.c_str()) == 0; },
        "it is not a regular file", false},
    {"sparse file of 4 GiB", makeSparse, "it is larger than", false},
};

// A saved low pass of 31 taps with a double field replaced.
std::string WithDouble(const std::string& bytes, size_t offset, double value)
{
    std::string changed = bytes;
    std::memcpy(&changed[offset], &value, sizeof value);
    return changed;
}

}  // namespace

TEST_F(CliTest, ReadersRefuseWhatIsNoRegularFileOrTooLargeWithOneLineAtOnce)
{
    for (const OddFile& odd : kOddFiles) {
        fs::remove_all(folder / "odd");
        fs::remove_all(folder / "odd.fifo");
        if (!odd.make(folder / "odd"))
            continue;
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"odd", "--info"}, {"--coefficients", "odd"}}) {
            const RunResult result = Cli(args);
            EXPECT_EQ(result.status, 2) << odd.kind;
            EXPECT_NE(result.err.find(std::string("\"odd\": ") + odd.reason), std::string::npos) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
            EXPECT_EQ(result.out, "");
        }
    }
}

TEST_F(CliTest, ADocumentHoldingValuesThatAreNotFiniteIsRefusedAsDamaged)
{
    ASSERT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--save", "low.flt"}).status, 0);
    const std::string good = exchange::ReadFileBytes(folder / "low.flt");
    const struct {
        size_t offset;
        double value;
        const char* what;
    } cases[] = {
        {24, std::nan(""), "the high cut-off"},  // once designed through a float-to-int conversion
        {32, INFINITY, "the attenuation"},
        {44 + 8 * 30, -INFINITY, "element 30 of the ideal response"},
        {296 + 8 * 3, std::nan(""), "element 3 of the coefficients"},
        {548 + 16 * 5 + 8, INFINITY, "element 5 of the response"},
    };
    for (const auto& c : cases) {
        exchange::WriteFileAtomically(folder / "bad.flt", WithDouble(good, c.offset, c.value));
        const RunResult result = Cli({"bad.flt", "--design", "--info"});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, std::string("filter-cli: open: cannot open \"bad.flt\": the file is damaged: ") + c.what
            + " is not finite\n");
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(CliTest, WritersLeaveWhatIsNoRegularFileAloneAndTakeTheLongestNames)
{
    for (const OddFile& odd : kOddFiles) {
        fs::remove_all(folder / "odd");
        fs::remove_all(folder / "odd.fifo");
        if (!odd.write || !odd.make(folder / "odd"))
            continue;
        const fs::file_type type = fs::symlink_status(folder / "odd").type();
        for (const char* step : {"--save", "--export-text"}) {
            const RunResult result = Cli(kLowPass31 + std::vector<std::string>{step, "odd"});
            EXPECT_EQ(result.status, 2) << odd.kind << " " << step;
            EXPECT_NE(result.err.find(std::string("cannot write \"odd\": ") + odd.reason), std::string::npos) << result.err;
            EXPECT_EQ(fs::symlink_status(folder / "odd").type(), type) << odd.kind;
        }
    }
    EXPECT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--save", "."}).err,
        "filter-cli: --save: cannot write \".\": it is a folder\n");
    const std::string longest(255, 'n');
    EXPECT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--save", longest}).status, 0);
    EXPECT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--export-text", longest.substr(1) + "t"}).status, 0);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{longest, longest.substr(1) + "t"}));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--export-text", ""}, {"--save", ""}, {"--coefficients", ""}, {"", "--info"}}) {
        const RunResult result = Cli(kLowPass31 + args);
        EXPECT_EQ(result.status, 1) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST_F(CliTest, ControlCharactersInValuesAreEscapedInMessages)
{
    const RunResult usage = Cli({"--type", "\x1b[31mred\nline"});
    EXPECT_EQ(usage.err, "filter-cli: --type: unknown value \"\\x1B[31mred\\nline\" (see filter-cli --help)\n");
    exchange::WriteFileAtomically(folder / "h.txt", "1 \x1b[2J 2");
    const RunResult text = Cli({"--coefficients", "h.txt"});
    EXPECT_EQ(text.err, "filter-cli: --coefficients: \"h.txt\": line 1: \"\\x1B[2J\" is not a finite number\n");
    const RunResult path = Cli({"--coefficients", "no\nsuch"});
    EXPECT_EQ(path.err, "filter-cli: --coefficients: cannot open \"no\\nsuch\": No such file or directory\n");
}

TEST_F(CliTest, ExchangeFilesReplaceALinkInsteadOfWritingThroughIt)
{
    exchange::WriteFileAtomically(folder / "victim", "kept");
    fs::create_symlink("victim", folder / "beta.bin");
    fs::create_symlink("victim", folder / "root.bin");
    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");
    EXPECT_EQ(Printed({"--coefficients", "h.txt", "--zeros"}).size(), 4u);
    EXPECT_EQ(exchange::ReadFileBytes(folder / "victim"), "kept");
    EXPECT_EQ(fs::symlink_status(folder / "beta.bin").type(), fs::file_type::regular);
}

TEST_F(CliTest, APolynomialBeyondTheRangeOfDoubleIsRefusedNotConvertedWithoutAWord)
{
    exchange::WriteFileAtomically(folder / "h.txt", "1e-300 1e10 1");  // zeros -1e-10 and about -1e310
    const RunResult result = Cli({"--coefficients", "h.txt", "--minimum-phase", "--print"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "filter-cli: --minimum-phase: The root finder zsolve failed: \"beta.bin\": "
                          "1 of 2 roots could not be found to double precision.\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, TwoRootFindingsInOneFolderEachPrintTheirOwnZeros)
{
    // filter-cli beside a root finder that takes its time, so that the runs overlap.
    TempFolder tools;
    fs::copy_file(ProgramBesideTest("filter-cli"), tools / "filter-cli");
    exchange::WriteFileAtomically(tools / "zsolve", "#!/bin/sh\nsleep 0.3\nexec " + ProgramBesideTest("zsolve") + " \"$@\"\n");
    fs::permissions(tools / "zsolve", fs::perms::owner_all);
    exchange::WriteFileAtomically(folder / "a.txt", "1 -2.5 1");  // zeros 0.5 and 2
    exchange::WriteFileAtomically(folder / "b.txt", "1 -5 6");    // zeros 2 and 3
    const auto zeros = [&](const std::string& file) {
        return std::async(std::launch::async, [&, file] {
            const RunResult result = RunProgram(tools / "filter-cli", {"--coefficients", file, "--zeros"}, folder.path());
            std::istringstream lines(result.out);
            std::multiset<long> re;
            for (double x, y; lines >> x >> y;)
                re.insert(std::lround(x * 10));
            return std::pair{result.status, re};
        });
    };
    for (int round = 0; round < 3; ++round) {
        auto a = zeros("a.txt"), b = zeros("b.txt");
        EXPECT_EQ(a.get(), (std::pair{0, std::multiset<long>{5, 20}}));
        EXPECT_EQ(b.get(), (std::pair{0, std::multiset<long>{20, 30}}));
    }
}
