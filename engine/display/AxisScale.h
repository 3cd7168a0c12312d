#pragma once

#include <string>
#include <vector>

// Units and round values for reading a display: the graph's scale and readout, the
// measurements and the exports all write abscissas and values through these.

// A unit of an axis: a value v of the base quantity (a fraction of the sampling frequency,
// or a number of samples) reads as v * dFactor strName.
struct CAxisUnit {
    double dFactor = 1.0;
    std::string strName;
};

// The unit for frequencies up to largest (a fraction of the sampling frequency, >= 0).
// Without a sample rate (sampleRate 0) the fraction itself, named "fs"; with a sample
// rate in Hz (> 0) the largest of Hz, kHz, MHz and GHz in which largest reads at least 1
// (Hz for smaller values).
CAxisUnit FrequencyUnit(double sampleRate, double largest);
// The unit for times up to largest (samples, >= 0). Without a sample rate samples, named
// "samples" (in the user's language); with one the largest of s, ms, µs and ns in which largest reads at least 1
// (ns for smaller values).
CAxisUnit TimeUnit(double sampleRate, double largest);
// A frequency given as a fraction of the sampling frequency, with 6 significant digits in
// the unit FrequencyUnit picks for it alone: "0.25 fs", "12 kHz".
std::string FormatFrequency(double fraction, double sampleRate);
// A time given in samples, as FormatFrequency does: "12 samples", "250 µs".
std::string FormatTime(double samples, double sampleRate);

// The step of the scale over from .. to (from <= to, both finite): 1, 2 or 5 times a
// power of ten, the smallest that puts at most maxCount (>= 1) multiples of itself in the
// range. A range of one value gives the power of ten at or below it (1 for 0). Bad
// arguments: std::invalid_argument.
double RoundStep(double from, double to, int maxCount);
// The multiples of RoundStep(from, to, maxCount) that lie in from .. to, in increasing order.
std::vector<double> RoundTicks(double from, double to, int maxCount);
// A tick value written with the decimals its step (> 0) needs: "0.25", "-40", "1e-07".
std::string FormatTick(double value, double step);
