#pragma once

#include "CRealArray.h"

#include <vector>

// The frequency response of coefficients h[0 .. N-1] at any frequency, by the direct sum
// H(f) = sum h[n] e^(-j 2 pi f n), taken about the middle c = (N - 1) / 2 (a factor of
// modulus 1), which keeps the derivatives as small as the magnitude's own ripples allow.
// Frequencies are fractions of the sampling frequency. Each evaluation costs O(N).
class CResponseProbe {
public:
    // |H(f)|^2 and its first two derivatives with respect to f.
    struct CSquare {
        double value;
        double slope;
        double curvature;
    };

    // Copies the coefficients (N >= 1, else std::invalid_argument).
    explicit CResponseProbe(const CRealArray& h);

    int GetLength() const { return static_cast<int>(m_h.size()); }
    // |H(f)|, for any finite f.
    double Magnitude(double f) const;
    CSquare Square(double f) const;

private:
    std::vector<double> m_h;
    double m_dCentre;
};
