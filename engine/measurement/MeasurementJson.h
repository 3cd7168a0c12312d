#pragma once

#include "FilterMeasurement.h"
#include "JsonText.h"

// The measurement, the requirements and the design record as JSON values, for scripts:
// numbers at full precision, levels in dB, frequencies as fractions of the sampling
// frequency under a key ending in "_frequency" (or "edges", "widths") and, with a sample
// rate (Hz, > 0), also in Hz under the same key followed by "_hz".

// Sets key to the fraction f and, with a sample rate, key + "_hz" to f times it.
void SetFrequency(text::CJson& object, const std::string& key, double f, double sampleRate);

// {"type", "edges"[, "edges_hz"], "ripple_db", "attenuation_db"}.
text::CJson RequirementsJson(const CRequirements& r, double sampleRate);

// {"method": "kaiser" | "equiripple", "type", "low_cutoff"[, "high_cutoff"],
// "attenuation_db"}; null when the method is DesignNone (nothing known).
text::CJson DesignJson(const CDesignRecord& d, double sampleRate);

// Every figure of m: "length", "design", "requirements" (null without), "bands" (each
// band's kind, edges, largest and smallest level, excess and verdict), "pass_band" and
// "stop_band" (null without requirements or such bands), "meets_requirements" (null without
// requirements), "transition_widths", "peak", "edges_3db", "edges_6db", "dc_gain",
// "abs_sum", "symmetry", "group_delay_samples" {"min", "max"} (and "_seconds" with a sample rate).
text::CJson MeasurementJson(const CFilterMeasurement& m, double sampleRate);
