#pragma once

#include "CComplex.h"
#include "CComplexArray.h"

#include <string>

// What the zero viewer's scale reads out about a zero: its coordinates, and the zeros that
// belong with it in a real filter (its conjugate) and in a linear-phase one (its mirror in
// the unit circle, 1/z*).
namespace zplane {

// A zero's partners among the zeros: the index of the zero at its conjugate and at its
// mirror 1/z*, the zero's own index where it is its own conjugate (on the real axis) or
// mirror (on the unit circle), and -1 where no zero lies there (a zero at 0 has no mirror).
struct CZeroPartners {
    int nConjugate = -1;
    int nMirror = -1;
};

// Partners lie within kPartnerTolerance of where they belong, relative to that point's
// modulus (at least 1): the root finder's zeros are that close or closer.
constexpr double kPartnerTolerance = 1e-6;

// The partners of zero index (0 .. size - 1, else std::out_of_range) among zeros; none for a
// zero that is not finite. The nearest zero within the tolerance is the partner.
CZeroPartners FindPartners(const CComplexArray& zeros, int index);

// "z = 0.5 + 0.5i   |z| = 0.707107   angle = 45°   f = 0.125 fs": real and imaginary part,
// radius, angle in degrees (-180 .. 180) and the frequency of that angle, angle / 360 of the
// sampling frequency, in Hz .. GHz when sampleRate (Hz) > 0; 6 significant digits.
std::string ZeroReadout(const CComplex& zero, double sampleRate);
// "zero 3: ...ZeroReadout...\nconjugate: zero 4   mirror 1/z*: none" for the zero chosen
// by a click; "itself" for a partner that is the zero itself.
std::string SelectionReadout(const CComplexArray& zeros, int index, double sampleRate);

}  // namespace zplane
