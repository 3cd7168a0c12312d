#pragma once

#include "CComplex.h"
#include "CRealArray.h"
#include "detail/FftwAllocator.h"

#include <cstddef>
#include <vector>

// A fixed-size array of complex numbers, stored contiguously as (re, im) pairs of doubles.
// Size is set at construction; copies are deep.
class CComplexArray {
public:
    // n elements, all 0. n >= 0, else std::invalid_argument.
    explicit CComplexArray(int n);
    CComplexArray(const CComplexArray&) = default;
    CComplexArray(CComplexArray&&) = default;
    CComplexArray& operator=(const CComplexArray&) = default;
    CComplexArray& operator=(CComplexArray&&) = default;
    // Keeps its own size: element i becomes (s[i], 0) below the size of s, 0 beyond it.
    CComplexArray& operator=(const CRealArray& s);

    int GetSize() const { return static_cast<int>(m_data.size()); }
    CComplex& operator[](int i) { return m_data[static_cast<size_t>(i)]; }
    const CComplex& operator[](int i) const { return m_data[static_cast<size_t>(i)]; }
    CComplex* data() { return m_data.data(); }
    const CComplex* data() const { return m_data.data(); }

    // Sets elements from .. to-1 to c; nothing when from >= to. 0 <= from, to <= size.
    void Fill(int from, int to, CComplex c);
    // Circular shift: the element at i moves to (i + k) mod size; any k, also negative.
    void Shift(int k);
    // X[k] = sum over n of x[n] e^(-2 pi i k n / M), unscaled, M = size (any M >= 0).
    CComplexArray fft() const;
    // The inverse transform with the factor 1/M: ifft(fft(x)) == x up to rounding.
    CComplexArray ifft() const;
    // Moduli, real parts, imaginary parts; each of the same size as this array.
    CRealArray abs() const;
    CRealArray Real() const;
    CRealArray Imag() const;

private:
    std::vector<CComplex, mathlib::detail::FftwAllocator<CComplex>> m_data;
};
