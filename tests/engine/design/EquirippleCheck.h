#pragma once

// Independent checks of equiripple designs: the weighted error of a request computed here
// from its bands (not through the design's own approximation), the amplitude of the
// coefficients summed by its definition in long double, and the reference designs that
// tests/data/equiripple/generate.py writes.
#include "EquirippleDesign.h"

#include <string>
#include <vector>

namespace equiripple_check {

// A design of the reference data: the request its header line describes and the
// coefficients the independent implementation made of it.
struct CReferenceDesign {
    std::string header;
    CEquirippleRequest request;
    std::vector<double> coefficients;
};

// The designs of file (a generate.py output). Throws std::runtime_error where it cannot
// be read or a header names an unknown type.
std::vector<CReferenceDesign> ReadReferenceDesigns(const std::string& file);

// The amplitude of h at f (fractions of the sampling frequency), the delay (N - 1) / 2
// taken out: sum h[n] cos(2 pi f (n - (N - 1) / 2)), or for an antisymmetric filter sum
// h[n] sin(2 pi f ((N - 1) / 2 - n)).
double Amplitude(const std::vector<double>& h, bool antisymmetric, double f);

// The largest weighted error |W(f) (D(f) - A(f))| of h over the bands of request, found on
// a grid of 8 points per coefficient (over 0 .. 0.5) and refined between grid points by golden-section
// search; band edges included. D and W: pass bands 1 and 1, stop bands 0 and pass
// deviation / stop deviation (or the request's weights); a multiband filter's gains and
// weights; a differentiator's gain times f and weight / f in bands of gain other than 0;
// a Hilbert transformer 1 and 1; a half-band filter 1 on [0, F] and 0 on [0.5 - F, 0.5],
// both weighted 1.
double PeakWeightedError(const CEquirippleRequest& request, const std::vector<double>& h);

// The largest weighted error of h in each band of request (as PeakWeightedError finds it),
// in increasing frequency.
std::vector<double> BandPeaks(const CEquirippleRequest& request, const std::vector<double>& h);

// The same divided by each band's weight W: |D - A|, or in a differentiator's bands of gain
// other than 0 |A / f - gain|, as CEquirippleDesign::bandDeviations states them.
std::vector<double> BandDeviations(const CEquirippleRequest& request, const std::vector<double>& h);

std::vector<double> ToVector(const CRealArray& h);

// A request of type (FilterType) for n coefficients with those edges, ripple and attenuation.
CEquirippleRequest Request(int type, int n, std::vector<double> edges, double ripple, double attenuation);

}  // namespace equiripple_check
