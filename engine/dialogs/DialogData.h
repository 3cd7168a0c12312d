#pragma once

#include "DataExchange.h"

#include <optional>
#include <string>

// The longest filter the pass-band dialog accepts.
constexpr int kMaxDesignLength = 4096;

// The values of the pass-band dialog, and their defaults.
struct CPassBandData {
    double m_dHigh = 0.5;
    double m_dLow = 0.0;
    int m_nType = 0;
    int m_nFilterLength = 0;
    double m_dOutbandAttn = 0.0;
};

// What the pass-band dialog's controls hold: the edits' texts and the radio index.
struct CPassBandTexts {
    std::string strLow;
    std::string strLength;
    std::string strAttenuation;
    std::string strHigh;
    int nType = 0;
};

// The controls as the dialog opens on data. The High edit is written only for the band
// types (type > 1); otherwise it stays empty.
CPassBandTexts WritePassBand(const CPassBandData& data);
// Reads and checks the controls in exchange order: Low (0 .. 0.5), type, Filter Length
// (1 .. 4096), Outband Attn (0 .. 1000), and for the band types High (above Low, at most
// 0.5: a band of no width passes or stops nothing); then refuses a pass band that holds
// none of the design's bins (PassBandHoldsABin) at High for a band pass, at Low for a high
// pass. Fields
// read before a failure keep their new values in data; the first failure is returned.
std::optional<CExchangeFailure> ReadPassBand(const CPassBandTexts& texts, CPassBandData& data);
// The same for every field but the Filter Length, what the Shortest button needs; the
// length becomes the one typed when it is valid, else 0.
std::optional<CExchangeFailure> ReadPassBandConditions(const CPassBandTexts& texts, CPassBandData& data);

// The values of the length-estimation dialog.
struct CLengthEstimateData {
    double m_dOutbandAttn = 0.0;
    double m_dInbandRipple = 0.0;
    double m_dTransition = 0.0;
};

// What the length-estimation dialog's edits hold.
struct CLengthEstimateTexts {
    std::string strRipple;
    std::string strAttenuation;
    std::string strTransition;
};

CLengthEstimateTexts WriteLengthEstimate(const CLengthEstimateData& data);
// Reads and checks in exchange order: Outband Attn (0.0001 .. 100000 dB), Inband Ripple
// (above 0, up to 200 dB: no length reaches a ripple of 0), Transient Band Width
// (0.000001 .. 0.5); then refuses values for which EstimateLength gives no length, at the
// Transient Band Width, with EstimateLength's reason.
std::optional<CExchangeFailure> ReadLengthEstimate(const CLengthEstimateTexts& texts,
    CLengthEstimateData& data);

// The sample rate as its dialog and filter-cli's --sample-rate take it: a frequency in Hz
// from kMinSampleRate to kMaxSampleRate, within which every time and frequency derived
// from it stays a finite number; or 0 (or empty) for none (frequencies as fractions of the
// sampling frequency).
constexpr double kMinSampleRate = 1e-3;
constexpr double kMaxSampleRate = 1e12;
// True for 0 (none) and the rates from kMinSampleRate to kMaxSampleRate.
bool IsSampleRate(double sampleRate);
// The text of the sample rate: empty for none, else FormatDouble's.
std::string WriteSampleRate(double sampleRate);
// Reads text as a sample rate: empty, "none" or 0 for none, else a number in 0.001 .. 1e12.
std::optional<CExchangeFailure> ReadSampleRate(int nControl, const std::string& text, double& sampleRate);
