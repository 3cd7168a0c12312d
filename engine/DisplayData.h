#pragma once

#include "CComplexArray.h"
#include "CRealArray.h"

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

// The frequency response of the coefficients h[0 .. N-1]: the DFT of h followed by 3 N
// zeros, 4 N points; point k belongs to the frequency k / (4 N) of the sampling frequency.
CComplexArray FrequencyResponse(const CRealArray& coefficients);
