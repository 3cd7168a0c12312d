#include "MinimumPhase.h"

#include "rt2poly.h"

#include <cmath>

int MirrorOutsideZeros(CComplexArray& zeros)
{
    int count = 0;
    for (int i = 0; i < zeros.GetSize(); ++i) {
        const double r = zeros[i].abs();
        if (r > 1.0) {
            const double phi = zeros[i].phase();
            zeros[i] = CComplex(std::cos(phi) * (1.0 / r), std::sin(phi) * (1.0 / r));
            ++count;
        }
    }
    return count;
}

CRealArray CoefficientsFromZeros(const CComplexArray& zeros, double rms)
{
    const int n = zeros.GetSize() + 1;
    CComplexArray polynomial(n);
    rt2poly(n - 1, CComplex(1.0), zeros, polynomial);
    CRealArray h(n);
    for (int i = 0; i < n; ++i)
        h[i] = polynomial[n - 1 - i].re;
    h.scale(rms / h.rms());
    return h;
}
