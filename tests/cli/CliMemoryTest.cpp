// The readers of untrusted files, fed inputs of 1, 16 and 64 MiB in the shapes an attacker
// would choose, through the real programs: each refuses or reads them within its own
// footprint plus at most twice the input, and the readers that stop at what a file
// announces (the document, the exchange files) within its footprint plus 8 MiB whatever
// the size. Files are written a piece at a time, so that the test's own memory, which a
// started program's peak includes, stays small.
#include "CliTestKit.h"
#include "FileIo.h"
#include "Sanitizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace {

constexpr size_t kMiB = size_t{1} << 20;

// A file of exactly size bytes: head, then unit repeated, then tail (the last unit cut
// short where it does not fit).
void writeRepeated(const std::string& path, const std::string& head, const std::string& unit, size_t size,
    const std::string& tail = "")
{
    std::ofstream out(path, std::ios::binary);
    out << head;
    std::string piece;
    while (piece.size() < 64 * 1024)
        piece += unit;
    for (size_t left = size - head.size() - tail.size(); left > 0;) {
        const size_t n = std::min(left, piece.size());
        out.write(piece.data(), static_cast<std::streamsize>(n));
        left -= n;
    }
    out << tail;
}

// A file of size bytes that begins with head and holds zeros after it, without writing them.
void writeSparse(const std::string& path, const std::string& head, size_t size)
{
    std::ofstream(path, std::ios::binary) << head;
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0) << path;
}

template <class T>
std::string bytesOf(T value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// The fields of a document up to its first count: marker, length, type, cut-offs,
// attenuation.
std::string documentHead()
{
    return bytesOf(0.123456789) + bytesOf(int32_t{31}) + bytesOf(int32_t{0}) + bytesOf(0.25) + bytesOf(0.5)
        + bytesOf(60.0);
}

std::string reals(int32_t count, double value)
{
    std::string bytes = bytesOf(count);
    for (int32_t i = 0; i < count; ++i)
        bytes += bytesOf(value);
    return bytes;
}

// One adversarial input: written to a path at a size, then read by a program.
struct CShape {
    const char* name;
    std::function<void(const std::string& path, size_t size)> write;
};

class ReaderMemoryTest : public CliTest {
protected:
    void SetUp() override
    {
        if (kAddressSanitizer)
            GTEST_SKIP() << "AddressSanitizer's shadow and quarantine make peaks of memory meaningless";
    }

    // Peak resident memory in KiB of program run on args in the test's folder.
    long Peak(const std::string& program, const std::vector<std::string>& args)
    {
        const RunResult result = RunProgram(ProgramBesideTest(program), args, folder.path());
        EXPECT_NE(result.signal, SIGKILL) << program << " was killed";
        EXPECT_NE(result.signal, SIGABRT) << program << " aborted: " << result.err;
        return result.peakKiB;
    }

    // Feeds each shape at each size to program (args with "INPUT" replaced by the file) and
    // checks its peak against its footprint (the peak on a tiny valid input) plus
    // inputFactor times the input plus slackMiB.
    void Check(const std::string& program, const std::vector<std::string>& args, const std::vector<CShape>& shapes,
        const std::vector<size_t>& sizesMiB, double inputFactor, long slackMiB, const std::string& tinyInput)
    {
        const long footprint = Peak(program, withInput(args, tinyInput));
        for (const CShape& shape : shapes) {
            for (size_t mib : sizesMiB) {
                const std::string path = folder / "input";
                shape.write(path, mib * kMiB);
                const long peak = Peak(program, withInput(args, "input"));
                const long bound = footprint + static_cast<long>(inputFactor * static_cast<double>(mib) * 1024) + slackMiB * 1024;
                EXPECT_LE(peak, bound) << shape.name << ", " << mib << " MiB: " << peak << " KiB against a footprint of "
                                       << footprint << " KiB";
                ::unlink(path.c_str());
            }
        }
    }

private:
    static std::vector<std::string> withInput(std::vector<std::string> args, const std::string& input)
    {
        std::replace(args.begin(), args.end(), std::string("INPUT"), input);
        return args;
    }
};

}  // namespace

TEST_F(ReaderMemoryTest, CoefficientTextTakesAtMostTwiceItsSize)
{
    exchange::WriteFileAtomically(folder / "tiny.txt", "0.5 0.25 0.5");
    const auto repeated = [](std::string head, std::string unit, std::string tail = "") {
        return [=](const std::string& path, size_t size) { writeRepeated(path, head, unit, size, tail); };
    };
    const std::vector<CShape> shapes = {
        {"one line of comma-separated names", repeated("", "a,")},
        {"one line of blank-separated names", repeated("", "a ")},
        {"a header of two columns and rows beyond the most values", repeated("index,value\n", "0,1\n")},
        {"numbers beyond the most values", repeated("", "1\n")},
        {"one number of digits", repeated("", "1")},
        {"a comment never closed", repeated("/*", " ")},
        {"a directive of one long line", repeated("#define H_SCALE_SHIFT ", "a")},
        {"lines and nothing else", repeated("", "\n")},
        {"zeros", [](const std::string& path, size_t size) { writeSparse(path, "", size); }},
    };
    Check("filter-cli", {"--coefficients", "INPUT", "--info"}, shapes, {1, 16, 64}, 2.0, 4, "tiny.txt");
}

TEST_F(ReaderMemoryTest, DocumentOpenReadsNoFurtherThanItsFields)
{
    ASSERT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--save", "tiny.flt"}).status, 0);
    const std::string small = documentHead() + reals(31, 0.0) + reals(31, 0.01);
    const std::vector<CShape> shapes = {
        {"no marker", [](const std::string& path, size_t size) { writeSparse(path, "junk", size); }},
        {"a count beyond what the workbench takes",
            [](const std::string& path, size_t size) { writeSparse(path, documentHead() + bytesOf(int32_t{0}) + bytesOf(static_cast<int32_t>(size / 8)), size); }},
        {"the largest ideal response, then junk", [](const std::string& path, size_t size) {
             writeSparse(path, documentHead() + reals(65535, 0.5) + bytesOf(int32_t{-1}), size);
         }},
        {"a small filter and a long tail", [small](const std::string& path, size_t size) {
             writeSparse(path, small + bytesOf(int32_t{124}) + std::string(124 * 16, '\0'), size);
         }},
    };
    Check("filter-cli", {"INPUT", "--info"}, shapes, {1, 16, 64, 1024}, 0.0, 8, "tiny.flt");
}

TEST_F(ReaderMemoryTest, TheRootFinderReadsNoFurtherThanTheCountAnnounces)
{
    const auto records = [](uint16_t count, double value) {
        std::string bytes = bytesOf(count);
        for (int i = 0; i < count; ++i)
            bytes += bytesOf(value) + bytesOf(0.0);
        return bytes;
    };
    exchange::WriteFileAtomically(folder / "tiny.bin", records(3, 1.0));
    const std::vector<CShape> shapes = {
        {"the most records, not finite, then junk",
            [&](const std::string& path, size_t size) { writeSparse(path, records(65535, std::nan("")), size); }},
        {"three records and a long tail",
            [&](const std::string& path, size_t size) { writeSparse(path, records(3, 1.0), size); }},
    };
    Check("zsolve", {"INPUT"}, shapes, {1, 16, 64}, 0.0, 8, "tiny.bin");
}
