#pragma once

#include "CFilterDoc.h"

#include <string>

// What filter-cli prints with --json: one JSON document a step, numbers at full precision,
// frequencies as fractions of the sampling frequency and, with a sample rate (Hz, > 0),
// also in Hz under the same key followed by "_hz".

// --info: {"length", "type", "low_cutoff", "high_cutoff", "attenuation_db", "ideal",
// "coefficients", "response" (array sizes, null for none), "display": {"kind", "values"},
// "db"}. typeName and displayName are the names filter-cli's options use.
std::string InfoJson(const CFilterDoc& doc, const std::string& typeName, const std::string& displayName,
    double sampleRate);

// --measure: the measurement (MeasurementJson) with "sample_rate_hz" when there is one.
std::string MeasurementDocument(const CFilterMeasurement& m, double sampleRate);

// --estimate: {"length", "ripple_db", "attenuation_db", "transition_width"}.
std::string LengthEstimateJson(int length, double ripple, double attenuation, double transition, double sampleRate);

// --estimate-equiripple: {"length"}.
std::string EquirippleEstimateJson(int length);

// --zeros: {"zeros": [{"re", "im", "magnitude"}, ...]}.
std::string ZerosJson(const CComplexArray& zeros);
