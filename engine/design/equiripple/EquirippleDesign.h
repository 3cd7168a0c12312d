#pragma once

#include "CRealArray.h"
#include "FilterDesign.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// What an equiripple (minimax, Parks-McClellan) design is asked for.
struct CEquirippleRequest {
    int nType = 0;       // FilterType: low pass, high pass, band pass, band elimination
    int nLength = 0;     // number of coefficients, 1 .. kMaxEquirippleLength
    // Band edges in increasing order, fractions of the sampling frequency strictly between
    // 0 and 0.5: pass edge and stop edge of a low pass; stop edge and pass edge of a high
    // pass; stop, pass, pass, stop edges of a band pass; pass, stop, stop, pass edges of
    // a band elimination filter.
    std::vector<double> edges;
    double dRipple = 0.1;        // pass-band ripple in dB (peak to peak), > 0
    double dAttenuation = 60.0;  // stop-band attenuation in dB, > 0
};

constexpr int kMaxEquirippleLength = 4096;

// The designed filter and how it meets the request.
struct CEquirippleDesign {
    CRealArray coefficients{0};
    // The frequencies of the r + 1 alternating extrema of the weighted error (r free
    // cosine terms: (N + 1) / 2 for odd N, N / 2 for even N), increasing, and the weighted
    // error there in units of the pass-band deviation (stop bands weighted by
    // pass deviation / stop deviation).
    std::vector<double> extremalFrequencies;
    std::vector<double> extremalErrors;
    double dPassDeviation = 0.0;  // largest |A - 1| in the pass bands on the design grid
    double dStopDeviation = 0.0;  // largest |A| in the stop bands on the design grid
    // How far the largest weighted error on the grid lies above the levelled one,
    // relative to it: at most 1e-6, unless the errors lie so deep that rounding decides.
    double dSpread = 0.0;
    int nIterations = 0;          // exchange iterations of the full-length design
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

// Throws std::invalid_argument unless the request is well formed: type 0 .. 3, length
// 1 .. kMaxEquirippleLength, the type's number of edges, increasing strictly between 0 and
// 0.5, positive finite ripple and attenuation.
void CheckEquirippleRequest(const CEquirippleRequest& request);

// Why a filter of type cannot have length n, or empty when it can: an even length has a
// zero at half the sampling frequency, so no high pass or band elimination filter.
std::string EquirippleLengthProblem(int type, int n);

// The linear-phase filter of the request with the smallest largest weighted error, by the
// Remez exchange on a dense grid. Malformed requests (type, length, edge count and order,
// deviations): std::invalid_argument. A length the type cannot have, or a design that
// does not converge: CEquirippleRefusal.
CEquirippleDesign DesignEquiripple(const CEquirippleRequest& request);
// The same, with nullopt for a refused design.
std::optional<CEquirippleDesign> TryDesignEquiripple(const CEquirippleRequest& request);

// A length whose equiripple design meets the request (nLength ignored): first Herrmann's
// formula from the two deviations and the narrowest transition band, odd for the types
// that need an odd length; then checked by designing the filter and raised by 8% at a
// time (up to 8 designs) until the design meets the request with a margin of 5%, since
// the formula falls short of some requests by up to two fifths. Lengths above
// kMaxEquirippleLength are not checked. Takes a few designs' time: up to about a second
// at 4096 coefficients. Malformed requests: std::invalid_argument; a formula's length
// that is not finite or exceeds 65535: strError says so.
CLengthEstimate EstimateEquirippleLength(const CEquirippleRequest& request);
