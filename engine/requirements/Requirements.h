#pragma once

#include <string>
#include <vector>

struct CEquirippleRequest;

// What a filter must achieve: its requirements. They belong to the document but not to its
// file; every design sets them, and the measurements judge the coefficients against them.

// The requirements as the user states them: the filter type (FilterType), the band edges as
// fractions of the sampling frequency in the order the equiripple design takes them (pass
// and stop edge of a low pass; stop and pass edge of a high pass; stop, pass, pass, stop
// edges of a band pass; pass, stop, stop, pass edges of a band elimination filter), the
// pass-band ripple in dB peak to peak and the stop-band attenuation in dB.
struct CRequirements {
    int nType = 0;
    std::vector<double> edges{0.2, 0.25};
    double dRipple = 0.1;
    double dAttenuation = 60.0;

    bool operator==(const CRequirements& other) const;
    bool operator!=(const CRequirements& other) const { return !(*this == other); }
};

// The largest pass-band ripple and stop-band attenuation requirements hold, in dB.
constexpr double kMaxRequirementRipple = 100.0;
constexpr double kMaxRequirementAttenuation = 1000.0;

// A band over which a filter is judged: from dFrom to dTo (fractions of the sampling
// frequency, dFrom <= dTo), where the magnitude |H| must lie within dGain +- dTolerance.
// A stop band has gain 0: there |H| must be at most dTolerance.
struct CRequirementBand {
    double dFrom = 0.0;
    double dTo = 0.0;
    double dGain = 0.0;
    double dTolerance = 0.0;

    bool IsStop() const { return dGain == 0.0; }
};

// The number of band edges of a filter type: 2 for low and high pass, 4 for the band types.
int RequirementEdgeCount(int type);

// Throws std::invalid_argument with a short reason unless r is well formed: type 0 .. 3, the
// type's number of edges, each edge finite within 0 .. 0.5 and none below the one before,
// ripple above 0 up to kMaxRequirementRipple, attenuation 0 .. kMaxRequirementAttenuation.
void CheckRequirements(const CRequirements& r);

// The bands of r (well formed), in increasing frequency: the bands between 0, the edges and
// 0.5, pass bands of gain 1 within the ripple's deviation (PassDeviation), stop bands within
// the attenuation's (StopDeviation).
std::vector<CRequirementBand> RequirementBands(const CRequirements& r);

// The narrowest transition between a pass and a stop edge of r (well formed).
double NarrowestTransition(const CRequirements& r);

// The ripple in dB of a pass band that deviates from 1 as far as a stop band of attenuation
// dB (>= 0) rises above 0, at most kMaxRequirementRipple: what a Kaiser window gives, whose
// deviations are alike in both.
double KaiserRipple(double attenuation);

// The requirements a window design of type with cut-offs low and high (high for the band
// types only) and attenuation dB sets: each cut-off the middle of a transition of width
// (> 0), the edges held within 0 .. 0.5, a band between two transitions that is narrower
// than their widths shrunk to its middle; ripple in dB as given, at most
// kMaxRequirementRipple. Arguments as DesignPassBand takes them, else std::invalid_argument.
CRequirements PassBandRequirements(int type, double low, double high, double attenuation, double width,
    double ripple);

// The requirements an equiripple request states: its type, edges, ripple and attenuation.
CRequirements EquirippleRequirements(const CEquirippleRequest& request);

// The type's name as filter-cli and the requirements file write it: "lowpass", "highpass",
// "bandpass", "bandstop"; and back, -1 for any other name.
std::string FilterTypeName(int type);
int FilterTypeFromName(const std::string& name);
