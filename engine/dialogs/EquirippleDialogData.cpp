#include "EquirippleDialogData.h"

#include "ControlIds.h"
#include "FilterTypes.h"
#include "Message.h"
#include "NumberText.h"

namespace {

// An edge of a filter with the given sample rate, as typed: Hz, or a fraction of the
// sampling frequency when the rate is 0.
double scaleOf(double sampleRateHz) { return sampleRateHz > 0.0 ? sampleRateHz : 1.0; }

// Reads an edge that must lie strictly between lo and hi, in the units shown.
std::optional<CExchangeFailure> exchangeEdge(int nControl, const std::string& text, double lo, double hi,
    double& shown)
{
    const std::optional<double> parsed = ParseDouble(text);
    if (!parsed || !(*parsed > lo && *parsed < hi))
        return CExchangeFailure{nControl,
            text::Tr("EquirippleDialogData", "Please enter a number greater than %1 and less than %2.")
                .arg(FormatGeneral(lo, 6))
                .arg(FormatGeneral(hi, 6))};
    shown = *parsed;
    return std::nullopt;
}

}  // namespace

int EquirippleEdgeCount(int type) { return type >= BandPass ? 4 : 2; }

CEquirippleRequest EquirippleRequestOf(const CEquirippleData& data)
{
    CEquirippleRequest request;
    request.nType = data.m_nType;
    request.nLength = data.m_nLength;
    request.edges.assign(data.m_dEdges.begin(), data.m_dEdges.begin() + EquirippleEdgeCount(data.m_nType));
    request.dRipple = data.m_dRipple;
    request.dAttenuation = data.m_dAttenuation;
    return request;
}

CEquirippleTexts WriteEquiripple(const CEquirippleData& data, double sampleRateHz)
{
    CEquirippleTexts texts;
    texts.nType = data.m_nType;
    for (size_t i = 0; i < texts.strEdges.size(); ++i)
        texts.strEdges[i] = FormatDouble(data.m_dEdges[i] * scaleOf(sampleRateHz));
    texts.strRipple = FormatDouble(data.m_dRipple);
    texts.strAttenuation = FormatDouble(data.m_dAttenuation);
    texts.strLength = FormatInt(data.m_nLength);
    return texts;
}

std::optional<CExchangeFailure> ReadEquirippleConditions(const CEquirippleTexts& texts, double sampleRateHz,
    CEquirippleData& data)
{
    data.m_nType = texts.nType;
    const double scale = scaleOf(sampleRateHz);
    double previous = 0.0;
    for (int i = 0; i < EquirippleEdgeCount(data.m_nType); ++i) {
        double shown = 0.0;
        if (auto failure = exchangeEdge(IDC_EDGE1 + i, texts.strEdges[static_cast<size_t>(i)], previous, 0.5 * scale, shown))
            return failure;
        data.m_dEdges[static_cast<size_t>(i)] = shown / scale;
        previous = shown;
    }
    if (auto failure = ExchangeDouble(IDC_RIPPLE, texts.strRipple, 0.00001, 100.0, data.m_dRipple))
        return failure;
    return ExchangeDouble(IDC_ATTENUATION, texts.strAttenuation, 1.0, 300.0, data.m_dAttenuation);
}

std::optional<CExchangeFailure> ReadEquiripple(const CEquirippleTexts& texts, double sampleRateHz,
    CEquirippleData& data)
{
    if (auto failure = ReadEquirippleConditions(texts, sampleRateHz, data))
        return failure;
    if (auto failure = ExchangeInt(IDC_LENGTH, texts.strLength, 1, kMaxEquirippleLength, data.m_nLength))
        return failure;
    if (const std::string problem = EquirippleLengthProblem(data.m_nType, data.m_nLength); !problem.empty())
        return CExchangeFailure{IDC_LENGTH, problem};
    return std::nullopt;
}

bool IsFarBelowEstimate(int length, int estimate) { return estimate > 0 && length < kFarBelowEstimate * estimate; }

std::optional<CLengthEstimate> EquirippleEstimateOf(const CEquirippleTexts& texts, double sampleRateHz)
{
    CEquirippleData data;
    if (ReadEquirippleConditions(texts, sampleRateHz, data))
        return std::nullopt;
    return EstimateEquirippleLength(EquirippleRequestOf(data));
}
