#pragma once

#include "CComplexArray.h"
#include "CRealArray.h"

#include <string>
#include <utility>

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

// The vertical range the graph gives the values of display: their smallest and largest
// value. For the displays beyond the five described ones (group delay, step response) the
// range is widened about its middle to at least kMinimumRelativeSpan of the largest
// magnitude, so that rounding noise on a constant reads as a flat line with round ticks.
constexpr double kMinimumRelativeSpan = 0.1;
std::pair<double, double> DisplayValueRange(int display, const CRealArray& values);

// The frequency response of the coefficients h[0 .. N-1]: the DFT of h followed by 3 N
// zeros, 4 N points; point k belongs to the frequency k / (4 N) of the sampling frequency.
CComplexArray FrequencyResponse(const CRealArray& coefficients);
