#pragma once

#include "CRealArray.h"

#include <string>
#include <vector>

// A display array (DisplaySelection) as CSV: a header line, then one row per value
// "index,abscissa,value", numbers with 17 significant digits, lines ending in "\n".
// The abscissa of value i is i spacing (DisplaySpacing: samples for the time displays,
// fractions of the sampling frequency for the frequency displays), or in seconds or Hz
// when sampleRateHz > 0. The header names the columns with their units:
// "index,time_samples,impulse_response" ... "index,frequency_Hz,amplitude_dB" (DisplayCsvHeader).
// Values are written as the array holds them (in dB when decibel and the display is the
// amplitude); a point marked in undefined (empty, or one flag per value) has an empty value.
// spacing finite and > 0, sampleRateHz finite and >= 0, display a DisplaySelection,
// undefined empty or of the array's size; else std::invalid_argument.
std::string FormatDisplayCsv(int display, bool decibel, const CRealArray& values, double spacing, double sampleRateHz,
    const std::vector<bool>& undefined = {});
// The header line of FormatDisplayCsv, without its "\n": the index, the abscissa named
// time or frequency with its unit (samples or s; fs, a fraction of the sampling frequency,
// or Hz), and the value named after the display with its unit where it has one.
std::string DisplayCsvHeader(int display, bool decibel, double sampleRateHz);
