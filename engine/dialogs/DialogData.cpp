#include "DialogData.h"

#include "ControlIds.h"
#include "FilterDesign.h"
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
        return ExchangeDouble(IDC_HIGHCUT, texts.strHigh, data.m_dLow, 0.5, data.m_dHigh);
    return std::nullopt;
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
    if (auto failure = ExchangeDouble(IDC_RIPPLE, texts.strRipple, 0.0, 200.0, data.m_dInbandRipple))
        return failure;
    if (auto failure = ExchangeDouble(IDC_TRANSITION, texts.strTransition, 0.000001, 0.5, data.m_dTransition))
        return failure;
    const CLengthEstimate estimate = EstimateLength(data.m_dInbandRipple, data.m_dOutbandAttn, data.m_dTransition);
    if (estimate.strError.empty())
        return std::nullopt;
    return CExchangeFailure{data.m_dInbandRipple == 0.0 ? IDC_RIPPLE : IDC_TRANSITION, estimate.strError};
}

std::string WriteSampleRate(double sampleRate) { return sampleRate > 0.0 ? FormatDouble(sampleRate) : std::string(); }

std::optional<CExchangeFailure> ReadSampleRate(int nControl, const std::string& text, double& sampleRate)
{
    if (text.find_first_not_of(" \t") == std::string::npos || text == "none") {
        sampleRate = 0.0;
        return std::nullopt;
    }
    return ExchangeDouble(nControl, text, 0.0, kMaxSampleRate, sampleRate);
}
