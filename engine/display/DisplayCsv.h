#pragma once

#include "CRealArray.h"

#include <string>

// A display array (DisplaySelection) as CSV: a header line, then one row per value
// "index,abscissa,value", numbers with 17 significant digits, lines ending in "\n".
// The abscissa of value i is i spacing (DisplaySpacing: samples for the time displays,
// fractions of the sampling frequency for the frequency displays), or in seconds or Hz
// when sampleRateHz > 0. The header names it "time" for the impulse and step responses and
// "frequency" for the others. Values are written as the array holds them (in dB when the
// display is in dB). spacing finite and > 0, sampleRateHz finite and >= 0, display a
// DisplaySelection; else std::invalid_argument.
std::string FormatDisplayCsv(int display, const CRealArray& values, double spacing, double sampleRateHz);
