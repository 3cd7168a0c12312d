#include "CRealArray.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace {

size_t checkedSize(int n)
{
    if (n < 0)
        throw std::invalid_argument("array size must not be negative");
    return static_cast<size_t>(n);
}

}  // namespace

CRealArray::CRealArray(int n) : m_data(checkedSize(n), 0.0) {}

CRealArray& CRealArray::operator=(const CRealArray& s)
{
    const size_t n = std::min(m_data.size(), s.m_data.size());
    std::copy_n(s.m_data.begin(), n, m_data.begin());
    return *this;
}

double CRealArray::GetMax() const
{
    return m_data.empty() ? 0.0 : *std::max_element(m_data.begin(), m_data.end());
}

double CRealArray::GetMin() const
{
    return m_data.empty() ? 0.0 : *std::min_element(m_data.begin(), m_data.end());
}

double CRealArray::rms() const
{
    if (m_data.empty())
        return 0.0;
    const double sumSquares = std::inner_product(m_data.begin(), m_data.end(), m_data.begin(), 0.0);
    return std::sqrt(sumSquares / static_cast<double>(m_data.size()));
}

CRealArray CRealArray::log10() const
{
    CRealArray result(GetSize());
    std::transform(m_data.begin(), m_data.end(), result.m_data.begin(),
        [](double x) { return std::log10(x); });
    return result;
}

void CRealArray::scale(double k)
{
    for (double& x : m_data)
        x *= k;
}

void CRealArray::win(const CRealArray& w)
{
    if (w.m_data.size() != m_data.size())
        throw std::invalid_argument("window and array sizes differ");
    std::transform(m_data.begin(), m_data.end(), w.m_data.begin(), m_data.begin(),
        [](double x, double wk) { return x * wk; });
}
