#include "CComplexArray.h"

#include <algorithm>
#include <stdexcept>

namespace {

size_t checkedSize(int n)
{
    if (n < 0)
        throw std::invalid_argument("array size must not be negative");
    return static_cast<size_t>(n);
}

template <class Part>
CRealArray parts(const CComplexArray& a, Part part)
{
    CRealArray result(a.GetSize());
    std::transform(a.data(), a.data() + a.GetSize(), result.data(), part);
    return result;
}

}  // namespace

CComplexArray::CComplexArray(int n) : m_data(checkedSize(n)) {}

CComplexArray& CComplexArray::operator=(const CRealArray& s)
{
    const int n = std::min(GetSize(), s.GetSize());
    std::transform(s.data(), s.data() + n, m_data.begin(), [](double x) { return CComplex(x); });
    std::fill(m_data.begin() + n, m_data.end(), CComplex());
    return *this;
}

void CComplexArray::Fill(int from, int to, CComplex c)
{
    if (from >= to)
        return;
    if (from < 0 || to > GetSize())
        throw std::invalid_argument("fill range outside the array");
    std::fill(m_data.begin() + from, m_data.begin() + to, c);
}

void CComplexArray::Shift(int k)
{
    const int n = GetSize();
    if (n == 0)
        return;
    const int s = ((k % n) + n) % n;
    std::rotate(m_data.begin(), m_data.end() - s, m_data.end());
}

CComplexArray CComplexArray::fft() const
{
    CComplexArray result(GetSize());
    if (GetSize() > 0)
        mathlib::detail::transform(data(), result.data(), GetSize(), -1);
    return result;
}

CComplexArray CComplexArray::ifft() const
{
    CComplexArray result(GetSize());
    if (GetSize() == 0)
        return result;
    mathlib::detail::transform(data(), result.data(), GetSize(), +1);
    const double factor = 1.0 / GetSize();
    for (CComplex& x : result.m_data) {
        x.re *= factor;
        x.im *= factor;
    }
    return result;
}

CRealArray CComplexArray::abs() const
{
    return parts(*this, [](const CComplex& z) { return z.abs(); });
}

CRealArray CComplexArray::Real() const
{
    return parts(*this, [](const CComplex& z) { return z.re; });
}

CRealArray CComplexArray::Imag() const
{
    return parts(*this, [](const CComplex& z) { return z.im; });
}
