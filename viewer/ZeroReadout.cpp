#include "ZeroReadout.h"

#include "AxisScale.h"
#include "NumberText.h"
#include "ZPlaneMapping.h"

#include <cmath>
#include <stdexcept>

namespace zplane {

namespace {

// The zero nearest to target within the tolerance, or -1.
int zeroAt(const CComplexArray& zeros, const CComplex& target)
{
    const double tolerance = kPartnerTolerance * std::max(1.0, target.abs());
    int found = -1;
    double nearest = tolerance;
    for (int i = 0; i < zeros.GetSize(); ++i) {
        const double distance = std::hypot(zeros[i].re - target.re, zeros[i].im - target.im);
        if (IsDrawable(zeros[i]) && distance <= nearest) {
            found = i;
            nearest = distance;
        }
    }
    return found;
}

// The partner at target: the zero itself when it lies there, else the nearest other zero.
int partnerAt(const CComplexArray& zeros, int index, const CComplex& target)
{
    const CComplex& zero = zeros[index];
    if (std::hypot(zero.re - target.re, zero.im - target.im) <= kPartnerTolerance * std::max(1.0, target.abs()))
        return index;
    return zeroAt(zeros, target);
}

std::string partnerText(int partner, int index)
{
    return partner < 0 ? "none" : partner == index ? "itself" : "zero " + std::to_string(partner);
}

}  // namespace

CZeroPartners FindPartners(const CComplexArray& zeros, int index)
{
    if (index < 0 || index >= zeros.GetSize())
        throw std::out_of_range("no zero of that index");
    const CComplex& z = zeros[index];
    CZeroPartners partners;
    if (!IsDrawable(z))
        return partners;
    partners.nConjugate = partnerAt(zeros, index, CComplex(z.re, -z.im));
    const double squared = z.re * z.re + z.im * z.im;
    if (squared > 0.0 && std::isfinite(1.0 / squared))
        partners.nMirror = partnerAt(zeros, index, CComplex(z.re / squared, z.im / squared));
    return partners;
}

std::string ZeroReadout(const CComplex& zero, double sampleRate)
{
    const double angle = std::atan2(zero.im, zero.re);
    const std::string imaginary = FormatGeneral(std::fabs(zero.im), 6) + "i";
    return "z = " + FormatGeneral(zero.re, 6) + (std::signbit(zero.im) ? " - " : " + ") + imaginary
        + "   |z| = " + FormatGeneral(std::hypot(zero.re, zero.im), 6) + "   angle = " + FormatGeneral(angle * 180.0 / M_PI, 6)
        + "\u00b0   f = " + FormatFrequency(angle / (2.0 * M_PI), sampleRate);
}

std::string SelectionReadout(const CComplexArray& zeros, int index, double sampleRate)
{
    const CZeroPartners partners = FindPartners(zeros, index);
    return "zero " + std::to_string(index) + ": " + ZeroReadout(zeros[index], sampleRate) + "\nconjugate: "
        + partnerText(partners.nConjugate, index) + "   mirror 1/z*: " + partnerText(partners.nMirror, index);
}

}  // namespace zplane
