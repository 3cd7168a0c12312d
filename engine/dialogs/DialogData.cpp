#include "DialogData.h"

#include "ControlIds.h"
#include "FilterDesign.h"
#include "FilterTypes.h"
#include "Message.h"
#include "NumberText.h"

CPassBandTexts WritePassBand(const CPassBandData& data)
{
    CPassBandTexts texts;
    texts.strLow = FormatDouble(data.m_dLow);
    texts.nType = data.m_nType;
    texts.strLength = FormatInt(data.m_nFilterLength);
    texts.strAttenuation = FormatDouble(data.m_dOutbandAttn);
    if (data.m_nType > 1)
        texts.strHigh = FormatDouble(data.m_dHigh);
    return texts;
}

namespace {

// The High edit of the band types: above Low (a band of no width passes or stops nothing),
// at most 0.5.
std::optional<CExchangeFailure> readHighCutoff(const std::string& text, CPassBandData& data)
{
    const std::optional<double> high = ParseDouble(text);
    if (!high || !(*high > data.m_dLow && *high <= 0.5))
        return CExchangeFailure{IDC_HIGHCUT, text::Tr("DialogData", "Please enter a number greater than %1 and at most 0.5.")
                                                 .arg(FormatGeneral(data.m_dLow, 6))};
    data.m_dHigh = *high;
    return std::nullopt;
}

}  // namespace

std::optional<CExchangeFailure> ReadPassBand(const CPassBandTexts& texts, CPassBandData& data)
{
    if (auto failure = ExchangeDouble(IDC_LOWCUT, texts.strLow, 0.0, 0.5, data.m_dLow))
        return failure;
    data.m_nType = texts.nType;
    if (auto failure = ExchangeInt(IDC_LENGTH, texts.strLength, 1, kMaxDesignLength, data.m_nFilterLength))
        return failure;
    if (auto failure = ExchangeDouble(IDC_ATTENUATION, texts.strAttenuation, 0.0, 1000.0, data.m_dOutbandAttn))
        return failure;
    if (data.m_nType > 1)
        if (auto failure = readHighCutoff(texts.strHigh, data))
            return failure;
    if (PassBandHoldsABin(data.m_nType, data.m_nFilterLength, data.m_dLow, data.m_dHigh))
        return std::nullopt;
    return CExchangeFailure{data.m_nType == BandPass ? IDC_HIGHCUT : IDC_LOWCUT,
        text::Tr("DialogData", "The pass band holds none of the %1 frequency points the design samples; widen it "
                               "or lengthen the filter.")
            .arg(data.m_nFilterLength)};
}

std::optional<CExchangeFailure> ReadPassBandConditions(const CPassBandTexts& texts, CPassBandData& data)
{
    int typed = 0;
    const bool lengthValid = !ExchangeInt(IDC_LENGTH, texts.strLength, 1, kMaxDesignLength, typed);
    CPassBandTexts conditions = texts;
    conditions.strLength = lengthValid ? texts.strLength : "1";
    if (auto failure = ReadPassBand(conditions, data))
        return failure;
    data.m_nFilterLength = lengthValid ? typed : 0;
    return std::nullopt;
}

CLengthEstimateTexts WriteLengthEstimate(const CLengthEstimateData& data)
{
    return {FormatDouble(data.m_dInbandRipple), FormatDouble(data.m_dOutbandAttn),
        FormatDouble(data.m_dTransition)};
}

std::optional<CExchangeFailure> ReadLengthEstimate(const CLengthEstimateTexts& texts,
    CLengthEstimateData& data)
{
    if (auto failure = ExchangeDouble(IDC_ATTENUATION, texts.strAttenuation, 0.0001, 100000.0, data.m_dOutbandAttn))
        return failure;
    if (auto failure = ExchangeDoubleAbove(IDC_RIPPLE, texts.strRipple, 0.0, 200.0, data.m_dInbandRipple))
        return failure;
    if (auto failure = ExchangeDouble(IDC_TRANSITION, texts.strTransition, 0.000001, 0.5, data.m_dTransition))
        return failure;
    const CLengthEstimate estimate = EstimateLength(data.m_dInbandRipple, data.m_dOutbandAttn, data.m_dTransition);
    if (estimate.strError.empty())
        return std::nullopt;
    return CExchangeFailure{IDC_TRANSITION, estimate.strError};
}

std::string WriteSampleRate(double sampleRate) { return sampleRate > 0.0 ? FormatDouble(sampleRate) : std::string(); }

std::optional<CExchangeFailure> ReadSampleRate(int nControl, const std::string& text, double& sampleRate)
{
    if (text.find_first_not_of(" \t") == std::string::npos || text == "none") {
        sampleRate = 0.0;
        return std::nullopt;
    }
    const std::optional<double> rate = ParseDouble(text);
    if (!rate || !IsSampleRate(*rate))
        return CExchangeFailure{nControl,
            text::Tr("DialogData", "Please enter 0 for none or a number between %1 and %2.")
                .arg(FormatGeneral(kMinSampleRate, 6))
                .arg(FormatGeneral(kMaxSampleRate, 6))};
    sampleRate = *rate;
    return std::nullopt;
}

bool IsSampleRate(double sampleRate)
{
    return sampleRate == 0.0 || (sampleRate >= kMinSampleRate && sampleRate <= kMaxSampleRate);
}
