#pragma once

#include "FilterMeasurement.h"
#include "Message.h"

#include <string>
#include <vector>

// One figure of a measurement as the user reads it.
struct CReportLine {
    std::string strName;
    std::string strValue;
    bool bMarked = false;  // a figure that misses the requirements
};

// The measurement as named figures in a fixed order: length, design and its values, the
// requirements, the achieved pass-band ripple and deviation and stop-band attenuation each
// with where it occurs and its verdict ("meets" or "misses by X dB at F"), the overall
// verdict, the transition widths, the -3 dB and -6 dB edges (below the peak gain), DC
// gain, sum of |h|, symmetry and group delay. Frequencies are fractions of the sampling
// frequency and, with a sample rate (Hz, > 0), also in Hz; sampleRate 0 means none.
std::vector<CReportLine> MeasurementReport(const CFilterMeasurement& m, double sampleRate);

// The verdict in a few words, as the status bar shows it: "Meets the requirements", or
// "Misses: stop band by 3.2 dB at 22.0898 kHz" (each band kind that misses, its worst
// excess); frequencies in Hz with a sample rate, else as fractions. Empty without
// requirements.
std::string VerdictText(const CFilterMeasurement& m, double sampleRate);

// The verdict as part of a sentence: "meets the requirements", or for each band kind that
// misses "stop band misses by 5.8 dB at 0.302", joined by "; "; frequencies as VerdictText
// writes them. Empty without requirements.
text::CMessage VerdictSummary(const CFilterMeasurement& m, double sampleRate);

// One line per kind of band that misses its tolerance: "pass band: misses by 0.777 dB at
// 0.416667", then "stop band: ...". None when the filter meets its requirements.
std::vector<std::string> MissLines(const CFilterMeasurement& m, double sampleRate);

// The requirements in one line: "low pass; pass band 0 .. 0.2, stop band 0.25 .. 0.5;
// ripple 0.1 dB; attenuation 60 dB", frequencies as FormatFrequency writes them.
std::string DescribeRequirements(const CRequirements& r, double sampleRate);

// The lines as filter-cli prints them: "name: value", one a line.
std::string FormatReport(const std::vector<CReportLine>& lines);
