#pragma once

#include "CRealArray.h"
#include "FilterDesign.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// One band of a multiband filter or a differentiator: frequencies dFrom .. dTo (fractions
// of the sampling frequency, 0 <= dFrom < dTo <= 0.5), the amplitude wanted there (for a
// differentiator: dGain times the frequency) and the weight of its error (> 0; in a
// differentiator's band of gain other than 0 divided by the frequency, so that the error
// is relative; a band of gain 0 keeps its weight, as there is nothing to be relative to).
struct CEquirippleBand {
    double dFrom = 0.0;
    double dTo = 0.5;
    double dGain = 1.0;
    double dWeight = 1.0;

    bool operator==(const CEquirippleBand& other) const;
};

constexpr int kMaxEquirippleBands = 6;

// What an equiripple (minimax, Parks-McClellan) design is asked for.
struct CEquirippleRequest {
    int nType = 0;    // FilterType or EquirippleType
    int nLength = 0;  // number of coefficients, 1 .. kMaxEquirippleLength
    // Band edges in increasing order, fractions of the sampling frequency: for the four
    // FilterTypes strictly between 0 and 0.5, pass edge and stop edge of a low pass; stop
    // edge and pass edge of a high pass; stop, pass, pass, stop edges of a band pass;
    // pass, stop, stop, pass edges of a band elimination filter. A Hilbert transformer's
    // band F1, F2 (0 < F1 < F2 <= 0.5); a half-band low pass's pass edge F (0 < F < 0.25;
    // its stop edge is 0.5 - F).
    std::vector<double> edges;
    double dRipple = 0.1;        // pass-band ripple in dB (peak to peak), > 0
    double dAttenuation = 60.0;  // stop-band attenuation in dB, > 0
    // For the four FilterTypes: the weight of each band's error (> 0), in increasing
    // frequency, in place of those of ripple and attenuation; empty: pass bands 1, stop
    // bands pass deviation / stop deviation.
    std::vector<double> weights;
    // For Multiband and Differentiator: 1 .. kMaxEquirippleBands bands in increasing
    // order, each ending before the next begins.
    std::vector<CEquirippleBand> bands;
};

constexpr int kMaxEquirippleLength = 4096;

// The designed filter and how it meets the request.
struct CEquirippleDesign {
    CRealArray coefficients{0};
    // The frequencies of the r + 1 alternating extrema of the weighted error (r free
    // cosine terms), increasing, located on the continuous bands, and the weighted error
    // there (pass bands of the four FilterTypes weighted 1 unless weights say otherwise).
    std::vector<double> extremalFrequencies;
    std::vector<double> extremalErrors;
    // The largest |A - D| in each band of the design, in increasing frequency, from the
    // extrema of the error on the continuous bands plus a bound of the rounding of the
    // coefficients, so never below what the coefficients reach; in a differentiator's bands of gain
    // other than 0 relative to the frequency, |A / f - gain|. A half-band filter has its
    // two bands.
    std::vector<double> bandDeviations;
    double dPassDeviation = 0.0;  // the largest of them in bands of gain > 0
    double dStopDeviation = 0.0;  // the largest of them in bands of gain 0
    // How far the largest weighted error on the bands lies above the levelled one,
    // relative to it: at most 1e-6, unless the errors lie so deep that rounding decides.
    double dSpread = 0.0;
    // The errors lie below what double coefficients resolve: the design stopped at the
    // rounding of the arithmetic rather than within 1e-6. Either the exchange levelled
    // them only to that rounding, or the coefficients of the best design would not hold
    // its error (its amplitude between the bands rising far above 1): the design is then
    // the best of that one, the one with its transition bands bounded, and the longest
    // shorter one its coefficients hold padded with zeros at both ends (whose reference
    // has fewer points). Its deviations and spread are then those the coefficients reach.
    bool bAtRoundingFloor = false;
    int nIterations = 0;  // exchange iterations of the full-length design
};

// A request that cannot be designed as it stands; what() says why and what would work.
class CEquirippleRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The deviations a ripple and an attenuation in dB allow: (10^(R/20) - 1) / (10^(R/20) + 1)
// about 1 in the pass bands, 10^(-A/20) in the stop bands.
double PassDeviation(double rippleDb);
double StopDeviation(double attenuationDb);

// Throws std::invalid_argument unless the request is well formed: a known type, length
// 1 .. kMaxEquirippleLength, the type's edges or bands in increasing order within their
// ranges, finite gains, positive finite weights (as many as the type has bands, or none),
// positive finite ripple and attenuation.
void CheckEquirippleRequest(const CEquirippleRequest& request);

// Why a well-formed request cannot have its length, or empty when it can: an even
// symmetric filter is zero at half the sampling frequency (no high pass, band elimination
// or band of gain other than 0 there); an odd antisymmetric one is zero there too (a
// Hilbert transformer or differentiator band reaching 0.5 needs an even length); a
// half-band filter has 4k - 1 coefficients. Says what length would do.
std::string EquirippleLengthProblem(const CEquirippleRequest& request);

// The linear-phase filter of the request with the smallest largest weighted error, by the
// Remez exchange with the extrema of the error located on the continuous bands.
// Where double coefficients cannot hold the best design's error, the best design they
// hold, with bAtRoundingFloor set. Malformed requests: std::invalid_argument. A length
// the type cannot have, or a design that converges neither at this length nor at any
// shorter one: CEquirippleRefusal.
CEquirippleDesign DesignEquiripple(const CEquirippleRequest& request);
// The same, with nullopt for a refused design.
std::optional<CEquirippleDesign> TryDesignEquiripple(const CEquirippleRequest& request);

// A length whose equiripple design meets the request (nLength ignored) for the four
// FilterTypes, the half-band filter (its pass and stop deviations the smaller of the two)
// and the Hilbert transformer (as the half-band filter it is a shifted copy of, transition
// twice its distance from 0 and 0.5). First Herrmann's formula from the two deviations and
// the narrowest transition band, made a length the type can have; then checked by
// designing the filter and raised by 8% at a time (up to 8 designs) until the design meets
// the request: every band within the deviation its ripple or attenuation allows. With
// the request's own weights w_b the design levels w_b times each band's deviation, so the
// formula takes the deviations that meet every band at that level (min w_b d_b / w_b,
// the smallest of pass and of stop bands), and the check is the same, since the formula falls short of some requests by up to two fifths. Lengths
// above kMaxEquirippleLength are not checked. Takes a few designs' time. Malformed
// requests: std::invalid_argument; a formula's length that is not finite or exceeds
// 65535, or a type without an estimate (multiband, differentiator): strError says so.
CLengthEstimate EstimateEquirippleLength(const CEquirippleRequest& request);
