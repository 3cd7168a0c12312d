// zsolve's reader and root finder on any bytes. A polynomial it takes must give n - 1
// roots: exact zeros for the vanishing low coefficients first, (+inf, 0) for the vanishing
// high ones last, and in between finite roots at which |p| lies within a small multiple
// of the rounding-error bound of Horner's rule, checked here in long double.
#include "FuzzCheck.h"
#include "RecordFile.h"
#include "RootFinder.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

using LongComplex = std::complex<long double>;

// |p(z)| <= kBound (d + 1) eps sum |c_k| |z|^k, with eps the unit roundoff of double.
constexpr long double kBound = 32.0L;

// |p(z)| and sum |c_k| |z|^k, as the ratio of the two, evaluated on p itself for |z| <= 1
// and on the reversed polynomial at 1 / z beyond, so that no power overflows.
long double relativeResidual(const std::vector<LongComplex>& c, LongComplex z)
{
    const bool outside = std::abs(z) > 1.0L;
    const LongComplex w = outside ? 1.0L / z : z;
    LongComplex value = 0.0L;
    long double bound = 0.0L;
    for (size_t i = 0; i < c.size(); ++i) {
        const LongComplex coefficient = outside ? c[i] : c[c.size() - 1 - i];
        value = value * w + coefficient;
        bound = bound * std::abs(w) + std::abs(coefficient);
    }
    return std::abs(value) / bound;
}

void checkRoots(const CComplexArray& c, const CComplexArray& roots)
{
    const int n = c.GetSize();
    FUZZ_CHECK(roots.GetSize() == n - 1);
    int low = 0, high = n - 1;
    while (c[low].re == 0.0 && c[low].im == 0.0)
        ++low;
    while (c[high].re == 0.0 && c[high].im == 0.0)
        --high;
    std::vector<LongComplex> proper;
    for (int k = low; k <= high; ++k)
        proper.emplace_back(c[k].re, c[k].im);
    const long double limit = kBound * (high - low + 1) * std::numeric_limits<double>::epsilon() / 2;
    for (int i = 0; i < n - 1; ++i) {
        const CComplex& z = roots[i];
        if (i < low)
            FUZZ_CHECK(z.re == 0.0 && z.im == 0.0);
        else if (i >= high)
            FUZZ_CHECK(z.re == std::numeric_limits<double>::infinity() && z.im == 0.0);
        else
            FUZZ_CHECK(std::isfinite(z.re) && std::isfinite(z.im) && relativeResidual(proper, {z.re, z.im}) <= limit);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    exchange::RecordFile file;
    try {
        file = exchange::DecodeRecords(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const exchange::FormatError&) {
        return 0;
    }
    if (!file.complete())
        return 0;
    try {
        checkRoots(file.records, zsolve::FindRoots(file.records));
    } catch (const std::invalid_argument&) {
    } catch (const zsolve::RootFindingError&) {
    }
    return 0;
}
