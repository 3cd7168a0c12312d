#pragma once

#include "CComplexArray.h"
#include "CRealArray.h"

#include <string>

// The arrays the views show, computed from a filter's L-point frequency response H.
// Every value is finite, so the views never meet NaN or infinity:
// - a magnitude of exactly 0 shows as kZeroMagnitudeDb in dB;
// - a bin whose real and imaginary parts are both 0 repeats the phase of the bin before
//   it (0 at bin 0), so unwrapping sees no step there;
// - any other value that is not finite (overflow of huge coefficients) is clamped to
//   +-DBL_MAX, NaN to 0.

// The dB value of a zero magnitude: that of 1e-20, below the rounding floor of any
// double-precision response of unit gain.
constexpr double kZeroMagnitudeDb = -400.0;

// |H[k]| for k = 0 .. L/2 - 1, or 20 log10 |H[k]| when decibel.
CRealArray AmplitudeDisplay(const CComplexArray& response, bool decibel);
// atan(Im H[k] / Re H[k]) for k = 0 .. L/2 - 1, unwrapped by steps of pi wherever two
// neighbours differ by more than pi/2.
CRealArray PhaseDisplay(const CComplexArray& response);
// Re H[k] and Im H[k] for the whole period, k = 0 .. L - 1.
CRealArray RealDisplay(const CComplexArray& response);
CRealArray ImagDisplay(const CComplexArray& response);
// The impulse response: a copy of the coefficients, made finite.
CRealArray ImpulseDisplay(const CRealArray& coefficients);

// The magnitude |H| and the group delay (in samples) of the coefficients h[0 .. N-1] at the
// frequencies k / L of the sampling frequency, k = 0 .. L / 2, from the L-point transforms
// of h[n] and of n h[n]: the delay is the real part of the second over the first. Where |H|
// is below 1e-8 of its largest value (zeros on or near the unit circle) the delay repeats
// its neighbour below (above, before the first usable one); all zero coefficients give
// zero delays. L >= N and L >= 1, else std::invalid_argument.
struct CGridResponse {
    CRealArray magnitude;
    CRealArray delay;
};
CGridResponse GridResponse(const CRealArray& coefficients, int length);
// The first count (0 .. L / 2 + 1) delays of GridResponse, else std::invalid_argument.
CRealArray GroupDelay(const CRealArray& coefficients, int length, int count);
// The group delay display: GroupDelay over 0 up to half the sampling frequency, 2 N points
// of the 4 N-point transform, like the amplitude (none for no coefficients).
CRealArray GroupDelayDisplay(const CRealArray& coefficients);
// The step response: the running sum of the coefficients, N points; the last is the DC gain.
CRealArray StepDisplay(const CRealArray& coefficients);

// True for the displays over time (impulse and step response), false for those over
// frequency.
bool IsTimeDisplay(int display);
// The abscissa distance between neighbouring points of display: 1 sample for the time
// displays; for the frequency displays 1 / L of the sampling frequency, L being the length
// of the transform they come from: responseSize for amplitude, phase, real and imaginary
// part, 4 coefficientCount for the group delay. The size used must be positive and the
// display a DisplaySelection, else std::invalid_argument.
double DisplaySpacing(int display, int coefficientCount, int responseSize);
// The unit of display's values: "dB" (amplitude in dB), "rad", "samples" (group delay, in
// the user's language), or empty for plain numbers.
std::string DisplayValueUnit(int display, bool decibel);

// The frequency response of the coefficients h[0 .. N-1]: the DFT of h followed by 3 N
// zeros, 4 N points; point k belongs to the frequency k / (4 N) of the sampling frequency.
CComplexArray FrequencyResponse(const CRealArray& coefficients);
