// zsolve FILE: reads the polynomial c[0] + c[1] z + ... + c[n-1] z^(n-1) from FILE (a
// count and n complex records, constant term first) and writes its n - 1 roots to
// "root.bin" in the current directory. On any failure it prints one line on stderr,
// exits with a non-zero status and leaves an existing "root.bin" as it was.
#include "RecordFile.h"
#include "RootFinder.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

// The coefficients in the file at path. Throws on a file that cannot be read or that
// ends before the records its count announces.
CComplexArray ReadPolynomial(const std::string& path)
{
    const exchange::RecordFile file = exchange::ReadRecordFile(path);
    if (!file.complete())
        throw exchange::FormatError("\"" + path + "\" ends after " + std::to_string(file.present) + " of " +
                                    std::to_string(file.count) + " coefficients");
    return file.records;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "zsolve: usage: zsolve FILE (writes the roots of the polynomial in FILE to %s)\n",
                     exchange::kRootFile);
        return 2;
    }
    try {
        const CComplexArray coefficients = ReadPolynomial(argv[1]);
        exchange::WriteRecordFile(exchange::kRootFile, zsolve::FindRoots(coefficients));
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "zsolve: \"%s\": %s\n", argv[1], e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zsolve: %s\n", e.what());
        return 1;
    }
    return 0;
}
