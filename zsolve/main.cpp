// zsolve FILE: reads the polynomial c[0] + c[1] z + ... + c[n-1] z^(n-1) from FILE (a
// count and n complex records, constant term first: the filter coefficients h[n-1] ..
// h[0]) and writes its n - 1 roots to "root.bin" in the current directory. On any
// failure, running out of memory included, it prints one line on stderr, exits with
// status 2 (1 for a wrong command line) and leaves an existing "root.bin" as it was.
// "zsolve --help" and "zsolve --version" print what they say.
#include "Failure.h"
#include "Printable.h"
#include "RecordFile.h"
#include "RootFinder.h"
#include "Version.h"

#include <cerrno>
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

// The roots of the polynomial in the file at path; every message names the file.
CComplexArray Roots(const std::string& path)
{
    const CComplexArray coefficients = ReadPolynomial(path);
    try {
        return zsolve::FindRoots(coefficients);
    } catch (const std::exception& e) {
        throw std::runtime_error(Named(path, e.what()));
    }
}

const char* const kHelp = R"(usage: zsolve FILE
Finds the roots of the polynomial in FILE, in the format of "beta.bin" that the workbench
filter writes, and writes them to "root.bin" in the current folder.
  FILE       a count and that many complex coefficients, constant term first
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
    if (argc != 2) {
        std::fprintf(stderr, "zsolve: usage: zsolve FILE (writes the roots of the polynomial in FILE to %s)\n",
                     exchange::kRootFile);
        return 1;
    }
    try {
        exchange::WriteRecordFile(exchange::kRootFile, Roots(argv[1]));
    } catch (...) {
        std::fprintf(stderr, "zsolve: %s\n", text::DescribeCurrentException().English().c_str());
        return 2;
    }
    return 0;
}
