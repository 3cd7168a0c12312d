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
// A multiband filter, differentiator or Hilbert transformer (EquirippleType) states bands
// instead: edges holds each band's two edges in increasing order (bands may leave gaps,
// which nothing judges), and gains the gain of each band (>= 0; a differentiator's is the
// gain per unit of frequency, its magnitude wanted f times the gain). Bands of gain 0 must
// stay below the attenuation, the others within the ripple of their gain. The four
// FilterTypes leave gains empty.
struct CRequirements {
    int nType = 0;
    std::vector<double> edges{0.2, 0.25};
    double dRipple = 0.1;
    double dAttenuation = 60.0;
    std::vector<double> gains{};

    bool operator==(const CRequirements& other) const;
    bool operator!=(const CRequirements& other) const { return !(*this == other); }
};

// The largest pass-band ripple and stop-band attenuation requirements hold, in dB.
constexpr double kMaxRequirementRipple = 100.0;
constexpr double kMaxRequirementAttenuation = 1000.0;

// A band over which a filter is judged: from dFrom to dTo (fractions of the sampling
// frequency, dFrom <= dTo), where the magnitude |H| must lie within dGain +- dTolerance.
// A stop band has gain 0: there |H| must be at most dTolerance. A band bPerFrequency (a
// differentiator's) scales both with the frequency: |H(f)| / f within dGain +- dTolerance.
struct CRequirementBand {
    double dFrom = 0.0;
    double dTo = 0.0;
    double dGain = 0.0;
    double dTolerance = 0.0;
    bool bPerFrequency = false;

    bool IsStop() const { return dGain == 0.0; }
    // The magnitude wanted at f and how far |H| may lie from it there.
    double GainAt(double f) const { return bPerFrequency ? dGain * f : dGain; }
    double ToleranceAt(double f) const { return bPerFrequency ? dTolerance * f : dTolerance; }
};

// The most bands requirements of bands state.
constexpr int kMaxRequirementBands = 6;

// The number of band edges of a filter type: 2 for low and high pass, 4 for the band types.
int RequirementEdgeCount(int type);
// Whether requirements of type state bands and gains (multiband, differentiator, Hilbert).
bool RequirementsTakeBands(int type);

// Throws std::invalid_argument with a short reason unless r is well formed: type 0 .. 3, the
// type's number of edges, each edge finite within 0 .. 0.5 and none below the one before,
// ripple above 0 up to kMaxRequirementRipple, attenuation 0 .. kMaxRequirementAttenuation;
// for the types of bands (RequirementsTakeBands), 1 .. kMaxRequirementBands bands each
// ending above its start, a finite gain >= 0 for each (a Hilbert transformer's 1), and no
// gains for the others.
void CheckRequirements(const CRequirements& r);

// The bands of r (well formed), in increasing frequency: the bands between 0, the edges and
// 0.5, pass bands of gain 1 within the ripple's deviation (PassDeviation), stop bands within
// the attenuation's (StopDeviation). For the types of bands, the bands stated, those of gain
// g > 0 within g times the ripple's deviation (a differentiator's per frequency).
std::vector<CRequirementBand> RequirementBands(const CRequirements& r);

// The narrowest transition between a pass and a stop edge of r (well formed); for the
// types of bands, the narrowest gap between two bands, or 0.5 when there is none.
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

// The requirements an equiripple request (well formed) states: its type, edges, ripple and
// attenuation; a multiband filter's or differentiator's bands with the size of their gains;
// a Hilbert transformer's band of gain 1; a half-band filter as the low pass it is, pass
// edge F and stop edge 0.5 - F.
CRequirements EquirippleRequirements(const CEquirippleRequest& request);

// The type's name as filter-cli and the requirements file write it: "lowpass", "highpass",
// "bandpass", "bandstop", "multiband", "differentiator", "hilbert"; and back, -1 for any
// other name.
std::string FilterTypeName(int type);
int FilterTypeFromName(const std::string& name);
