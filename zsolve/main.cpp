// zsolve [--progress] FILE: reads the polynomial c[0] + c[1] z + ... + c[n-1] z^(n-1) from
// FILE (a count and n complex records, constant term first: the filter coefficients
// h[n-1] .. h[0]) and writes its n - 1 roots to "root.bin" in the current directory. On
// any failure, running out of memory included, it prints one line on stderr, exits with
// status 2 (1 for a wrong command line) and leaves an existing "root.bin" as it was. With
// --progress it also prints on stderr, as the count changes (at most every tenth of a
// second, and once at the end of each stage), the lines "zsolve: F of N roots found" and
// then "zsolve: C of N roots certified". "zsolve --help" and "zsolve --version" print
// what they say.
#include "Failure.h"
#include "Printable.h"
#include "RecordFile.h"
#include "RootFinder.h"
#include "Version.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

// "\"path\": what", with the path's control characters escaped.
std::string Named(const std::string& path, const std::string& what)
{
    return "\"" + exchange::PrintableText(path) + "\": " + what;
}

// The coefficients in the file at path. Throws on a file that cannot be read, that ends
// before the records its count announces, or that holds a value that is not finite,
// numbered as the filter's coefficients: record k holds h[n-1-k].
CComplexArray ReadPolynomial(const std::string& path)
{
    const exchange::RecordFile file = exchange::ReadRecordFile(path);
    if (!file.complete())
        throw exchange::FormatError(Named(path, "the file ends after " + std::to_string(file.present) + " of "
                                                    + std::to_string(file.count) + " coefficients"));
    for (int k = 0; k < file.count; ++k)
        if (!std::isfinite(file.records[k].re) || !std::isfinite(file.records[k].im))
            throw exchange::FormatError(
                Named(path, "coefficient h[" + std::to_string(file.count - 1 - k) + "] is not finite"));
    return file.records;
}

// Prints the progress lines of --progress: a line when the count of the current stage
// changes and a tenth of a second has passed since the last line, and always the last
// count of a stage.
class CProgressLines {
public:
    void operator()(const zsolve::RootProgress& progress)
    {
        const bool certifying = progress.found == progress.total;
        const int count = certifying ? progress.certified : progress.found;
        const auto now = std::chrono::steady_clock::now();
        const bool stageEnds = count == progress.total;
        if (!stageEnds && now - m_last < std::chrono::milliseconds(100))
            return;
        if (certifying && !m_announcedFound)
            Print(progress.total, progress.total, "found");
        Print(count, progress.total, certifying ? "certified" : "found");
        m_last = now;
    }

private:
    void Print(int count, int total, const char* what)
    {
        m_announcedFound = m_announcedFound || std::strcmp(what, "certified") == 0 || count == total;
        std::fprintf(stderr, "zsolve: %d of %d roots %s\n", count, total, what);
        std::fflush(stderr);
    }

    std::chrono::steady_clock::time_point m_last{};
    bool m_announcedFound = false;
};

// The roots of the polynomial in the file at path; every message names the file.
CComplexArray Roots(const std::string& path, bool progress)
{
    const CComplexArray coefficients = ReadPolynomial(path);
    try {
        CProgressLines lines;
        return progress ? zsolve::FindRoots(coefficients, [&lines](const zsolve::RootProgress& p) { lines(p); })
                        : zsolve::FindRoots(coefficients);
    } catch (const std::exception& e) {
        throw std::runtime_error(Named(path, e.what()));
    }
}

const char* const kHelp = R"(usage: zsolve [--progress] FILE
Finds the roots of the polynomial in FILE, in the format of "beta.bin" that the workbench
filter writes, and writes them to "root.bin" in the current folder.
  FILE       a count and that many complex coefficients, constant term first
  --progress print the roots found, then the roots certified, of all on standard error
  --help     show this text
  --version  show the version
Exit status: 0 done; 1 usage error; 2 FILE could not be read or the roots could not be
found or written ("root.bin" is left as it was).
)";

// Writes text to the standard output: 0 when it was written, else 2 with the reason.
int Show(const std::string& text)
{
    errno = 0;
    std::fputs(text.c_str(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "zsolve: cannot write the standard output: %s\n", errno ? std::strerror(errno) : "write error");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string word = argc == 2 ? argv[1] : "";
    if (word == "--help" || word == "--version")
        return Show(word == "--help" ? kHelp : VersionLine("zsolve"));
    const bool progress = argc == 3 && std::strcmp(argv[1], "--progress") == 0;
    if (argc != 2 + progress) {
        std::fprintf(stderr, "zsolve: usage: zsolve [--progress] FILE (writes the roots of the polynomial in FILE to %s)\n",
                     exchange::kRootFile);
        return 1;
    }
    try {
        exchange::WriteRecordFile(exchange::kRootFile, Roots(argv[argc - 1], progress));
    } catch (...) {
        std::fprintf(stderr, "zsolve: %s\n", text::DescribeCurrentException().English().c_str());
        return 2;
    }
    return 0;
}
