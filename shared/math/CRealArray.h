#pragma once

#include <cstddef>
#include <vector>

// A fixed-size array of doubles. Size is set at construction; copies are deep.
class CRealArray {
public:
    // n elements, all 0. n >= 0, else std::invalid_argument.
    explicit CRealArray(int n);
    CRealArray(const CRealArray&) = default;
    CRealArray(CRealArray&&) = default;
    // Keeps its own size and takes s[i] for every i below both sizes, also from a
    // temporary (so there is no move assignment that would take the size of s).
    CRealArray& operator=(const CRealArray& s);

    int GetSize() const { return static_cast<int>(m_data.size()); }
    double& operator[](int i) { return m_data[static_cast<size_t>(i)]; }
    const double& operator[](int i) const { return m_data[static_cast<size_t>(i)]; }
    double* data() { return m_data.data(); }
    const double* data() const { return m_data.data(); }

    // Largest and smallest element; 0 for an empty array.
    double GetMax() const;
    double GetMin() const;
    // Root of the mean of the squares; 0 for an empty array.
    double rms() const;
    // Base-10 logarithm of each element: -inf for 0, NaN for a negative element.
    CRealArray log10() const;
    // Multiplies each element by k.
    void scale(double k);
    // Multiplies element i by w[i]; the sizes must be equal, else std::invalid_argument.
    void win(const CRealArray& w);

private:
    std::vector<double> m_data;
};
