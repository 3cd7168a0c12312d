#pragma once

#include "DataExchange.h"
#include "EquirippleDesign.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The values of the equiripple dialog. Edges are fractions of the sampling frequency; a
// low or high pass and a Hilbert transformer use the first two, a half-band filter the
// first (its pass edge); a multiband filter and a differentiator use bands instead.
struct CEquirippleData {
    int m_nType = 0;  // FilterType or EquirippleType
    std::array<double, 4> m_dEdges{0.2, 0.25, 0.3, 0.35};
    double m_dRipple = 0.1;
    double m_dAttenuation = 60.0;
    int m_nLength = 0;
    // The weight of each band's error in increasing frequency (2 for low and high pass, 3
    // for the band types), or empty: weights from ripple and attenuation. Kept, unused,
    // while the type takes no weights.
    std::vector<double> m_weights;
    // The bands of a multiband filter or differentiator, in increasing frequency.
    std::vector<CEquirippleBand> m_bands{{0.0, 0.2, 1.0, 1.0}, {0.25, 0.5, 0.0, 1.0}};
};

// What the dialog's controls hold: the type's radio index and the edits' texts, the edges
// in Hz when a sample rate is set.
struct CEquirippleTexts {
    int nType = 0;
    std::array<std::string, 4> strEdges;
    std::string strRipple;
    std::string strAttenuation;
    std::string strLength;
    std::string strWeights;  // separated by commas; empty for those of ripple and attenuation
    // A multiband filter's or differentiator's bands, each "F1,F2,GAIN[,WEIGHT]" (edges in
    // the units of strEdges), separated by ';'.
    std::string strBands{};
};

// The number of band edges of a type's edit fields: 2 for low and high pass and the Hilbert
// transformer, 4 for the band types, 1 for the half-band filter, 0 for the types of bands.
int EquirippleEdgeCount(int type);
// The number of weights the Band Weights field takes: 2 for low and high pass, 3 for the
// band types, 0 for the rest (a multiband filter's weights follow each band's gain).
int EquirippleBandCount(int type);
// Whether the type takes its bands from the Bands field: multiband filter, differentiator.
bool EquirippleTakesBands(int type);
// The design request of the values.
CEquirippleRequest EquirippleRequestOf(const CEquirippleData& data);

// The controls as the dialog opens on data; sampleRateHz > 0 shows the edges in Hz, 0 as
// fractions of the sampling frequency. Edges a type does not use stay written.
CEquirippleTexts WriteEquiripple(const CEquirippleData& data, double sampleRateHz);
// Reads and checks the controls in exchange order: type, the type's edges (each above the
// one before, the first above 0, all below half the sampling frequency; a Hilbert
// transformer's last at most half of it, a half-band filter's pass edge below a quarter),
// Bands (multiband filter and differentiator: 1 .. kMaxEquirippleBands bands, each
// F1,F2,GAIN[,WEIGHT] with 0 <= F1 < F2 <= half the sampling frequency, each starting
// above the end of the one before, |GAIN| <= 1e6, WEIGHT 1e-06 .. 1e+06), Inband Ripple
// (1e-05 .. 100 dB), Outband Attn. (1 .. 300 dB; the rounding of double coefficients
// lies below -300 dB), Band Weights (empty, or one number in 1e-6 .. 1e6 for each band of
// the four types, separated by commas; empty for the others, whose data keep their
// weights), Filter Length (1 .. 4096, one the type can have: EquirippleLengthProblem).
// Fields read before a failure keep their new values in data; the first failure is
// returned.
std::optional<CExchangeFailure> ReadEquiripple(const CEquirippleTexts& texts, double sampleRateHz,
    CEquirippleData& data);
// The same for every field but the length: what the length estimate needs.
std::optional<CExchangeFailure> ReadEquirippleConditions(const CEquirippleTexts& texts, double sampleRateHz,
    CEquirippleData& data);
// Whether a filter of length is so much shorter than the estimate for its conditions (a
// CLengthEstimate's nLength, 0 for none) that its design will miss them by far: below
// kFarBelowEstimate of it. The estimate has a margin of a few percent, never a quarter.
constexpr double kFarBelowEstimate = 0.75;
bool IsFarBelowEstimate(int length, int estimate);
// The length estimate of the conditions the controls hold; nullopt while one of them is
// not a valid value.
std::optional<CLengthEstimate> EquirippleEstimateOf(const CEquirippleTexts& texts, double sampleRateHz);
