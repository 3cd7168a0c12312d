#pragma once

// A complex number stored as exactly two doubles, real part first, so that a run of
// them has the layout of the 16-byte records of the exchange files and of fftw_complex.
class CComplex {
public:
    double re;
    double im;

    constexpr CComplex(double x = 0.0, double y = 0.0) : re(x), im(y) {}
    CComplex& operator=(double x)
    {
        re = x;
        im = 0.0;
        return *this;
    }

    // Modulus, computed without intermediate overflow.
    double abs() const;
    // Argument in radians, -pi .. pi.
    double phase() const;
};

static_assert(sizeof(CComplex) == 2 * sizeof(double), "CComplex must be two packed doubles");
