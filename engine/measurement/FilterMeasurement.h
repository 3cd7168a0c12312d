#pragma once

#include "BandExtremes.h"
#include "CRealArray.h"
#include "FilterTypes.h"
#include "Requirements.h"

#include <optional>
#include <vector>

// What the coefficients of a filter achieve, judged against its requirements when it has
// them: every band edge evaluated exactly and every extremum inside a band located, so
// that no figure is better than the filter.

// How a set of coefficients was designed, as the document records it.
struct CDesignRecord {
    int nMethod = DesignNone;   // DesignNone: nothing below is known to belong to them
    int nType = LowPass;        // FilterType, or an equiripple design's EquirippleType
    double dLow = 0.0;          // cut-offs, fractions of the sampling frequency; the high
    double dHigh = 0.5;         // one is used by the band types only
    double dAttenuation = 0.0;  // the stop-band attenuation the design asked for, dB
    // An equiripple design that stopped where the rounding of double coefficients, not the
    // exchange, decides its error: the figures are what the coefficients reach.
    bool bAtRoundingFloor = false;
};

// A figure in dB and the frequency where the filter has it (a fraction of the sampling
// frequency).
struct CFigure {
    double dDb = 0.0;
    double dFrequency = 0.0;
};

// The filter over one band of its requirements: its largest and smallest magnitude in dB
// (a stop band's smallest only estimated from the grid: nothing judges it; a band per
// frequency's of |H| / f), and how far it leaves the band's tolerance at worst (dB outside
// the limit, where; <= 0 when it stays inside).
struct CBandResult {
    CRequirementBand band;
    CFigure largest;
    CFigure smallest;
    CFigure excess;

    bool Meets() const { return excess.dDb <= 0.0; }
};

enum Symmetry : int { Asymmetric = 0, Symmetric = 1, Antisymmetric = 2 };

struct CFilterMeasurement {
    int nLength = 0;
    CDesignRecord design;
    std::optional<CRequirements> requirements;
    std::vector<CBandResult> bands;  // one per band of the requirements
    // Over the pass bands together: the largest and smallest magnitude, peak-to-peak
    // ripple (largest - smallest), the largest deviation from the gain asked (0 dB) and the
    // worst excess over the tolerance. Unset without requirements.
    std::optional<CFigure> passLargest, passSmallest, passDeviation, passExcess;
    std::optional<double> passRipple;
    // Over the stop bands together: the largest magnitude (the attenuation is its
    // negative) and the worst excess over the tolerance.
    std::optional<CFigure> stopLargest, stopExcess;
    // For each transition between a pass and a stop band (neither per frequency), in
    // increasing frequency: the distance between the last frequency inside the pass-band
    // tolerance and the first inside the stop-band tolerance, walking out of the
    // transition; unset where the filter never comes inside one of them within the
    // neighbouring band.
    std::vector<std::optional<double>> transitionWidths;
    // The largest magnitude on the grid, and where the magnitude crosses 3 dB and 6 dB below
    // it, in increasing frequency (linear interpolation between grid points).
    CFigure peak;
    std::vector<double> edges3dB;
    std::vector<double> edges6dB;
    double dDcGain = 0.0;  // the sum of the coefficients
    double dAbsSum = 0.0;  // the sum of their magnitudes, the largest gain of any input
    int nSymmetry = Asymmetric;
    // The group delay in samples: (N - 1) / 2 for both when the filter is symmetric or
    // antisymmetric; else its range where the magnitude is within 3 dB of its largest
    // (NaN for both when the delay is undefined at every such point).
    double dDelayMin = 0.0;
    double dDelayMax = 0.0;

    // True when the filter has requirements and stays within the tolerance of every band.
    bool MeetsRequirements() const;
    bool PassMissed() const { return passExcess && passExcess->dDb > 0.0; }
    bool StopMissed() const { return stopExcess && stopExcess->dDb > 0.0; }
};

// The number of points of the measurement grid for n coefficients: the smallest power of
// two of at least 16 n and at least 8192. The grid holds the frequencies k / M, k = 0 .. M / 2.
int MeasurementGridSize(int n);

// The dB value of a magnitude; kZeroMagnitudeDb for 0, and never infinite or NaN.
double MagnitudeDb(double magnitude);

// Measures coefficients (N >= 1, finite) against requirements (well formed) when given;
// design only says how they were made. Coefficients are taken as symmetric when h[i] and
// h[N-1-i] differ by at most 1e-9 of the largest |h| (and as antisymmetric when their sum
// does). Bad arguments: std::invalid_argument.
CFilterMeasurement MeasureFilter(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
    const CDesignRecord& design = {});

// Whether the coefficients meet the requirements, measured as MeasureFilter does but
// without the figures the judgement does not need.
CFilterMeasurement JudgeFilter(const CRealArray& coefficients, const CRequirements& requirements);
