// filter-cli given files and folders that are not what they seem, as an attacker would.
#include "CoefficientText.h"
#include "EquirippleDesign.h"
#include "FileIo.h"
#include "FilterDesign.h"
#include "CliTestKit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <numeric>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

// A document of a low pass with nIdeal, nCoef and nResponse elements, the coefficients
// 0, 1, 2 ..., the other arrays 0; the counts as announced, the arrays as given.
std::string DocumentWithCounts(int32_t nIdeal, int32_t nCoef, int32_t nResponse, int32_t nWritten)
{
    std::string bytes(44, '\0');
    const double header[] = {0.123456789, 0.25, 0.5, 60.0};
    std::memcpy(&bytes[0], &header[0], 8);
    std::memcpy(&bytes[8], &nCoef, 4);
    std::memcpy(&bytes[16], &header[1], 24);
    std::memcpy(&bytes[40], &nIdeal, 4);
    bytes.append(8 * static_cast<size_t>(std::min(nIdeal, nWritten)), '\0');
    bytes.append(reinterpret_cast<const char*>(&nCoef), 4);
    for (int32_t i = 0; i < std::min(nCoef, nWritten); ++i) {
        const double value = i;
        bytes.append(reinterpret_cast<const char*>(&value), 8);
    }
    bytes.append(reinterpret_cast<const char*>(&nResponse), 4);
    return bytes.append(16 * static_cast<size_t>(std::min(nResponse, nWritten)), '\0');
}

}  // namespace

TEST_F(CliTest, ADocumentOfMoreElementsThanTheWorkbenchTakesIsRefusedBeforeTheyAreRead)
{
    const struct {
        int32_t nIdeal, nCoef, nResponse;
        const char* message;
    } cases[] = {
        {65536, 31, 124, "the file announces 65536 elements of the ideal response; the workbench takes at most 65535"},
        {31, 67108865, 124, "the file announces 67108865 elements of the coefficients; the workbench takes at most 65535"},
        {31, 31, 262141, "the file announces 262141 elements of the response; the workbench takes at most 262140"},
    };
    for (const auto& c : cases) {
        exchange::WriteFileAtomically(folder / "big.flt", DocumentWithCounts(c.nIdeal, c.nCoef, c.nResponse, 31));
        const RunResult result = Cli({"big.flt", "--info"});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, std::string("filter-cli: open: cannot open \"big.flt\": ") + c.message + "\n");
    }
    // The largest arrays load whole, through every piece the file is read in.
    exchange::WriteFileAtomically(folder / "largest.flt", DocumentWithCounts(65535, 65535, 262140, 262140));
    const std::vector<double> printed = Printed({"largest.flt", "--print"});
    ASSERT_EQ(printed.size(), 65535u);
    for (size_t i = 0; i < printed.size(); ++i)
        ASSERT_EQ(printed[i], static_cast<double>(i));
}

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
    // The requirements go beside the document under its name and ".requirements.json": the
    // longest name that leaves room for that saves both; a longer one saves the document
    // and says that its requirements could not follow.
    const std::string longest(255, 'n'), longestWithRequirements(255 - 18, 'r');
    EXPECT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--save", longestWithRequirements}).status, 0);
    const RunResult tooLong = Cli(kLowPass31 + std::vector<std::string>{"--save", longest});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_NE(tooLong.err.find("The document was saved, but not its requirements: "), std::string::npos) << tooLong.err;
    EXPECT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--export-text", longest.substr(1) + "t"}).status, 0);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{longest, longest.substr(1) + "t", longestWithRequirements,
                                    longestWithRequirements + ".requirements.json"}));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--export-text", ""},
             {"--save", ""}, {"--coefficients", ""}, {"", "--info"}, {"--export", "full", ""}, {"--export", "csv", ""},
             {"--export", "q15", ""}, {"--export", "display", ""}}) {
        const RunResult result = Cli(kLowPass31 + args);
        EXPECT_EQ(result.status, 1) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST_F(CliTest, ControlCharactersInValuesAreEscapedInMessages)
{
    const RunResult usage = Cli({"--type", "\x1b[31mred\nline"});
    EXPECT_EQ(usage.err, "filter-cli: --type: unknown value \"\\x1B[31mred\\nline\" (see filter-cli --help)\n");
    exchange::WriteFileAtomically(folder / "h.txt", "1 \x1b(2J 2");
    const RunResult text = Cli({"--coefficients", "h.txt"});
    // A control character in a text is binary content: named by its place, never shown.
    EXPECT_EQ(text.err, "filter-cli: --coefficients: \"h.txt\": binary content at line 1, column 3\n");
    const RunResult path = Cli({"--coefficients", "no\nsuch"});
    EXPECT_EQ(path.err, "filter-cli: --coefficients: cannot open \"no\\nsuch\": No such file or directory\n");
}

TEST_F(CliTest, ExchangeFilesReplaceALinkInsteadOfWritingThroughIt)
{
    exchange::WriteFileAtomically(folder / "victim", "kept");
    fs::create_symlink("victim", folder / "beta.bin");
    fs::create_symlink("victim", folder / "root.bin");
    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");
    EXPECT_EQ(Printed({"--coefficients", "h.txt", "--zeros", "--exchange-dir", "."}).size(), 4u);
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
    // Both exchange in the folder they run in, where the lock keeps them apart.
    // filter-cli beside a root finder that takes its time, so that the runs overlap.
    TempFolder tools;
    fs::copy_file(ProgramBesideTest("filter-cli"), tools / "filter-cli");
    exchange::WriteFileAtomically(tools / "zsolve", "#!/bin/sh\nsleep 0.3\nexec " + ProgramBesideTest("zsolve") + " \"$@\"\n");
    fs::permissions(tools / "zsolve", fs::perms::owner_all);
    exchange::WriteFileAtomically(folder / "a.txt", "1 -2.5 1");  // zeros 0.5 and 2
    exchange::WriteFileAtomically(folder / "b.txt", "1 -5 6");    // zeros 2 and 3
    const auto zeros = [&](const std::string& file) {
        return std::async(std::launch::async, [&, file] {
            const RunResult result = RunProgram(tools / "filter-cli", {"--coefficients", file, "--zeros", "--exchange-dir", "."},
                                                folder.path());
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
