#pragma once

#include "DataExchange.h"
#include "EquirippleDesign.h"

#include <array>
#include <optional>
#include <string>

// The values of the equiripple dialog. Edges are fractions of the sampling frequency; a
// low or high pass uses the first two.
struct CEquirippleData {
    int m_nType = 0;
    std::array<double, 4> m_dEdges{0.2, 0.25, 0.3, 0.35};
    double m_dRipple = 0.1;
    double m_dAttenuation = 60.0;
    int m_nLength = 0;
};

// What the dialog's controls hold: the type's radio index and the edits' texts, the edges
// in Hz when a sample rate is set.
struct CEquirippleTexts {
    int nType = 0;
    std::array<std::string, 4> strEdges;
    std::string strRipple;
    std::string strAttenuation;
    std::string strLength;
};

// The number of band edges of a filter type: 2 for low and high pass, 4 for the band types.
int EquirippleEdgeCount(int type);
// The design request of the values.
CEquirippleRequest EquirippleRequestOf(const CEquirippleData& data);

// The controls as the dialog opens on data; sampleRateHz > 0 shows the edges in Hz, 0 as
// fractions of the sampling frequency. Edges a type does not use stay written.
CEquirippleTexts WriteEquiripple(const CEquirippleData& data, double sampleRateHz);
// Reads and checks the controls in exchange order: type, the type's edges (each above the
// one before, the first above 0, all below half the sampling frequency), Inband Ripple
// (1e-05 .. 100 dB), Outband Attn. (1 .. 300 dB; the rounding of double coefficients
// lies below -300 dB), Filter Length (1 .. 4096, odd for high pass and band elimination).
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
