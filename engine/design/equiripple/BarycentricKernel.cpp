#include "BarycentricKernel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace equiripple {

namespace {

// Products are brought back to [0.5, 1) after this many factors: factors lie within
// [-2, 2], so no run of them leaves the range of a double.
constexpr size_t kBlock = 32;

// Each of kLanes values v = mantissa 2^e, the mantissa in [0.5, 1) in size: the
// exponent field replaced, e added to exponent. 0, subnormal and non-finite values stay.
void normalizeLanes(void* values, int* exponent)
{
    constexpr std::int64_t kField = std::int64_t{0x7ff} << 52;
    std::int64_t bits[kLanes];
    std::memcpy(bits, values, sizeof bits);
    for (size_t i = 0; i < kLanes; ++i) {
        const std::int64_t field = (bits[i] & kField) >> 52;
        const bool normal = field != 0 && field != 0x7ff;
        exponent[i] += normal ? static_cast<int>(field) - 1022 : 0;
        bits[i] = normal ? (bits[i] & ~kField) | (std::int64_t{1022} << 52) : bits[i];
    }
    std::memcpy(values, bits, sizeof bits);
}

// Eight doubles, one AVX-512 register (two AVX2 ones), and the same as bits.
typedef double Vector __attribute__((vector_size(64)));
typedef std::int64_t Bits __attribute__((vector_size(64)));
constexpr size_t kWidth = 8;
constexpr size_t kVectors = kLanes / kWidth;

}  // namespace

__attribute__((target_clones("avx512f", "avx2", "default"))) CLaneSums SumOverNodes(const double* x,
    const double* nodes, const double* c, size_t m)
{
    Vector p[kVectors], s[kVectors], z[kVectors], at[kVectors];
    CLaneSums out{};
    for (size_t v = 0; v < kVectors; ++v)
        p[v] = Vector{} + 1.0, s[v] = Vector{}, z[v] = Vector{}, std::memcpy(&at[v], x + v * kWidth, sizeof at[v]);
    const Bits sign = Bits{} + INT64_MAX;
    for (size_t begin = 0; begin < m; begin += kBlock) {
        const size_t end = std::min(begin + kBlock, m);
        for (size_t k = begin; k < end; ++k) {
            const Vector xk = Vector{} + nodes[k], ck = Vector{} + c[k];
            for (size_t v = 0; v < kVectors; ++v) {
                const Vector d = at[v] - xk;
                const Vector t = ck / d;
                p[v] *= d;
                s[v] += t;
                z[v] += reinterpret_cast<Vector>(reinterpret_cast<Bits>(t) & sign);
            }
        }
        normalizeLanes(p, out.exponent);
    }
    std::memcpy(out.product, p, sizeof out.product);
    std::memcpy(out.sum, s, sizeof out.sum);
    std::memcpy(out.size, z, sizeof out.size);
    return out;
}

__attribute__((target_clones("avx512f", "avx2", "default"))) void ProductsOfDifferences(const double* x,
    const double* nodes, size_t m, double* product, int* exponent)
{
    Vector p[kVectors], at[kVectors];
    std::fill(exponent, exponent + kLanes, 0);
    for (size_t v = 0; v < kVectors; ++v)
        p[v] = Vector{} + 1.0, std::memcpy(&at[v], x + v * kWidth, sizeof at[v]);
    for (size_t begin = 0; begin < m; begin += kBlock) {
        const size_t end = std::min(begin + kBlock, m);
        for (size_t k = begin; k < end; ++k) {
            const Vector xk = Vector{} + nodes[k];
            for (size_t v = 0; v < kVectors; ++v) {
                const Vector d = at[v] - xk;
                p[v] *= d == 0.0 ? Vector{} + 1.0 : d;
            }
        }
        normalizeLanes(p, exponent);
    }
    std::memcpy(product, p, kLanes * sizeof(double));
}

}  // namespace equiripple
