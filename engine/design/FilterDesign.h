#pragma once

#include "CRealArray.h"
#include "FilterLimits.h"

#include <optional>
#include <string>

// Kaiser window parameter for an out-of-band attenuation of a dB (a >= 0):
// 0 up to 21 dB, 0.5842 (a-21)^0.4 + 0.07886 (a-21) up to 50 dB, 0.1102 (a-8.7) above.
double KaiserBeta(double attenuation);

// Kaiser's transition width of a window design of length n (>= 2) whose stop band is
// attenuation dB (>= 0) down: D / (n - 1), with D = (a - 7.95) / 14.36 above 21 dB and
// 0.9222 up to 21 dB; a fraction of the sampling frequency. Bad arguments:
// std::invalid_argument.
double KaiserTransitionWidth(double attenuation, int n);

struct CPassBandDesign {
    CRealArray ideal;        // the centred ideal impulse response
    CRealArray coefficients; // ideal times the Kaiser window
};

// The highest attenuation the design takes, in dB: the pass-band dialog's limit, well
// below where the Kaiser window's Bessel function would overflow.
constexpr double kMaxAttenuation = 1000.0;

// Linear-phase FIR filter by the window method: the ideal response of the type
// (FilterType) sampled at n bins (a cut-off's bin, trunc(f n), belongs to the band below
// it), transformed back, shifted by n/2 and windowed by Kaizer(n, KaiserBeta(attenuation)).
// 1 <= n <= kMaxFilterLength; 0 <= low <= 0.5; high finite, and for the band types
// low .. 0.5 (the other types do not use it); 0 <= attenuation <= kMaxAttenuation dB;
// cut-offs are fractions of the sampling frequency. Any other argument, NaN included, and
// a pass band that holds no bin (all coefficients would be 0): std::invalid_argument with a
// short reason.
CPassBandDesign DesignPassBand(int type, int n, double low, double high, double attenuation);

// DesignPassBand where a pass band that holds no bin at length n is no design (nullopt)
// rather than an error; other bad arguments throw as there.
std::optional<CPassBandDesign> TryDesignPassBand(int type, int n, double low, double high, double attenuation);
// True when the pass band of DesignPassBand's type, n, low and high holds at least one of
// its n bins: a design without one would give all-zero coefficients. Bad arguments, as
// DesignPassBand takes them: std::invalid_argument.
bool PassBandHoldsABin(int type, int n, double low, double high);

struct CLengthEstimate {
    // The odd length, when strError is empty; with strError, the estimate's length rounded
    // when it is finite but too long to be designed (0 otherwise).
    int nLength = 0;
    std::string strError; // why no length can be given
};

// Kaiser's estimate of the filter length for an in-band ripple (dB, >= 0), an out-of-band
// attenuation (dB, > 0) and a transition width (fraction of the sampling frequency, > 0):
// the smallest odd number above trunc(D / width). A result that is not finite or exceeds
// 65535 (a ripple of 0 dB, for one) is refused with the reason in strError.
CLengthEstimate EstimateLength(double ripple, double attenuation, double transition);
