#include "Kaizer.h"

#include <cmath>
#include <stdexcept>

CRealArray Kaizer(int n, double beta)
{
    if (!(beta >= 0.0) || !std::isfinite(beta))
        throw std::invalid_argument("Kaiser beta must be finite and not negative");
    CRealArray w(n < 0 ? 0 : n);
    if (n == 1)
        w[0] = 1.0;
    if (n <= 1)
        return w;
    const double i0Beta = std::cyl_bessel_i(0.0, beta);
    // The window is symmetric: compute the first half and mirror it.
    for (int k = 0; k <= (n - 1) / 2; ++k) {
        const double x = 2.0 * k / (n - 1) - 1.0;
        w[k] = std::cyl_bessel_i(0.0, beta * std::sqrt(1.0 - x * x)) / i0Beta;
        w[n - 1 - k] = w[k];
    }
    return w;
}
