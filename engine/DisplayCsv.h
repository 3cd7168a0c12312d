#pragma once

#include "CRealArray.h"

#include <string>

// A display array (Display... of Resource.h) as CSV: a header line, then one row per value
// "index,abscissa,value", numbers with 17 significant digits, lines ending in "\n".
// - The time displays (0 impulse response, 6 step response): "index,time,value"; the time
//   of value n is n samples, or n / sampleRateHz seconds when sampleRateHz > 0.
// - The frequency displays (1 to 5): "index,frequency,value"; the frequency of value k is
//   k / (4 coefficientCount) of the sampling frequency, or that times sampleRateHz in Hz
//   when sampleRateHz > 0.
// Values are written as the array holds them (in dB when the display is in dB).
// display 0 .. 6; coefficientCount >= 1 for a frequency display with values; sampleRateHz
// finite and >= 0. Bad arguments: std::invalid_argument.
std::string FormatDisplayCsv(int display, const CRealArray& values, int coefficientCount, double sampleRateHz);
