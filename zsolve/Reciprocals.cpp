#include "Reciprocals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zsolve {

__attribute__((target_clones("avx2", "default"))) void AddReciprocals(const double* xr, const double* xi, int begin,
                                                                      int end, Complex z, double scale, double* sr,
                                                                      double* si)
{
    const double zr = z.real(), zi = z.imag();
    double ar[kLanes] = {}, ai[kLanes] = {};
    int j = begin;
    for (; j + kLanes <= end; j += kLanes) {
        for (int l = 0; l < kLanes; ++l) {
            const double dx = (zr - xr[j + l]) * scale, dy = (zi - xi[j + l]) * scale;
            const double q = 1.0 / (dx * dx + dy * dy);
            ar[l] += dx * q;
            ai[l] -= dy * q;
        }
    }
    for (; j < end; ++j) {
        const double dx = (zr - xr[j]) * scale, dy = (zi - xi[j]) * scale;
        const double q = 1.0 / (dx * dx + dy * dy);
        ar[0] += dx * q;
        ai[0] -= dy * q;
    }
    for (int l = 0; l < kLanes; ++l) {
        sr[l] += ar[l];
        si[l] += ai[l];
    }
}

double ReciprocalScale(Complex z)
{
    const double magnitude = std::fmax(std::fabs(z.real()), std::fabs(z.imag()));
    // A point that is 0, infinite or not a number has no power of two to bring it near 1
    // (ilogb would give INT_MIN or INT_MAX); 1 leaves its sums as they are.
    if (magnitude == 0.0 || !std::isfinite(magnitude))
        return 1.0;
    // A subnormal point would need a power of two beyond the double range: the largest one.
    return std::ldexp(1.0, std::min(-std::ilogb(magnitude), std::numeric_limits<double>::max_exponent - 1));
}

}  // namespace zsolve
