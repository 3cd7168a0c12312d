#pragma once

#include "CRealArray.h"
#include "FilterTypes.h"

#include <optional>
#include <vector>

// What the coefficients of a filter achieve, measured on a dense frequency grid, against
// the design they came from when that is known.

// How a set of coefficients was designed, as the document records it.
struct CDesignRecord {
    int nMethod = DesignNone;   // DesignNone: nothing below is known to belong to them
    int nType = LowPass;        // FilterType
    double dLow = 0.0;          // cut-offs, fractions of the sampling frequency; the high
    double dHigh = 0.5;         // one is used by the band types only
    double dAttenuation = 0.0;  // the stop-band attenuation asked for, dB
};

// A band of a design, dFrom .. dTo (fractions of the sampling frequency), where the
// response should pass (gain 1) or stop (gain 0). Empty when dFrom > dTo.
struct CFilterBand {
    double dFrom = 0.0;
    double dTo = 0.0;
    bool bPass = false;
};

// The bands a design is judged in: one band more than transitions, in increasing
// frequency, transition k lying between bands k and k + 1.
struct CDesignBands {
    std::vector<double> centres;  // the middle of each transition
    double dWidth = 0.0;          // the width excluded around each centre
    std::vector<CFilterBand> bands;
};

// The bands of design for a filter of n coefficients. The middle of each transition is
// where the method puts it: for a Kaiser design the cut-off as DesignedCutoff places it
// between two bins, for other methods the recorded cut-off. The excluded width is Kaiser's
// transition width for the asked attenuation and the length (KaiserTransitionWidth): what
// the length estimate promised, and an upper bound for methods that need less length than
// the Kaiser window for the same attenuation (infinite for n = 1, which leaves every band
// empty). No transitions and no bands for DesignNone. n >= 1; a record
// whose type, cut-offs or attenuation are out of range: std::invalid_argument.
CDesignBands DesignBands(const CDesignRecord& design, int n);

enum Symmetry : int { Asymmetric = 0, Symmetric = 1, Antisymmetric = 2 };

struct CFilterMeasurement {
    int nLength = 0;
    CDesignRecord design;
    CDesignBands bands;
    // Over the pass bands: peak-to-peak ripple and the largest deviation from 0 dB (unity
    // gain), in dB. Over the stop bands: -20 log10 of the largest magnitude, in dB. Unset
    // when the design is not known or its bands of that kind are empty.
    std::optional<double> passRipple;
    std::optional<double> passDeviation;
    std::optional<double> stopAttenuation;
    // Where the magnitude crosses 3 dB and 6 dB below its largest value, increasing
    // fractions of the sampling frequency (linear interpolation between grid points).
    std::vector<double> edges3dB;
    std::vector<double> edges6dB;
    // For each transition: the distance between the first frequencies, walking from its
    // centre into the neighbouring bands, where the response meets the asked attenuation's
    // tolerance 10^(-A/20): within it of 1 in the pass band, at most it in the stop band.
    // Unset where a walk finds none in its band (or the band is empty).
    std::vector<std::optional<double>> transitionWidths;
    double dDcGain = 0.0;  // the sum of the coefficients
    double dAbsSum = 0.0;  // the sum of their magnitudes, the largest gain of any input
    int nSymmetry = Asymmetric;
    // The group delay in samples: (N - 1) / 2 for both when the filter is symmetric or
    // antisymmetric; else its range where the magnitude is within 3 dB of its largest.
    double dDelayMin = 0.0;
    double dDelayMax = 0.0;

    // True when the achieved stop-band attenuation falls more than 1 dB short of the asked.
    bool AttenuationMissed() const;
};

// The number of points of the measurement grid for n coefficients: the smallest power of
// two of at least 16 n and at least 8192. The grid holds the frequencies k / M, k = 0 .. M / 2.
int MeasurementGridSize(int n);

// Measures coefficients (N >= 1) designed as design says. Coefficients are taken as
// symmetric when h[i] and h[N-1-i] differ by at most 1e-9 of the largest |h| (and as
// antisymmetric when their sum does). Bad arguments: std::invalid_argument.
CFilterMeasurement MeasureFilter(const CRealArray& coefficients, const CDesignRecord& design);
