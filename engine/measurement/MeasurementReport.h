#pragma once

#include "FilterMeasurement.h"

#include <string>
#include <vector>

// One figure of a measurement as the user reads it.
struct CReportLine {
    std::string strName;
    std::string strValue;
    bool bMarked = false;  // a figure that misses what the design asked for
};

// The measurement as named figures in a fixed order: length, design and its values (or
// which of them cannot be known), the achieved pass-band ripple and stop-band attenuation,
// the -3 dB and -6 dB edges, the transition widths, DC gain, sum of |h|, symmetry and
// group delay. Frequencies are fractions of the sampling frequency and, with a sample
// rate (Hz, > 0), also in Hz; sampleRate 0 means none.
std::vector<CReportLine> MeasurementReport(const CFilterMeasurement& m, double sampleRate);

// The lines as filter-cli prints them: "name: value", one a line.
std::string FormatReport(const std::vector<CReportLine>& lines);
