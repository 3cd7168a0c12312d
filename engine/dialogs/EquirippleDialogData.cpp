#include "EquirippleDialogData.h"

#include "ControlIds.h"
#include "FilterTypes.h"
#include "Message.h"
#include "NumberText.h"

#include <algorithm>
#include <sstream>

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

// The weights as typed: empty, or `count` numbers in 1e-6 .. 1e6 separated by commas.
std::optional<CExchangeFailure> exchangeWeights(const std::string& text, int count, std::vector<double>& weights)
{
    std::vector<double> read;
    std::istringstream list(text.find_first_not_of(" \t") == std::string::npos ? std::string() : text);
    for (std::string field; std::getline(list, field, ',');) {
        const std::optional<double> parsed = ParseDouble(field);
        read.push_back(parsed && *parsed >= 1e-6 && *parsed <= 1e6 ? *parsed : 0.0);
    }
    const bool valid = std::none_of(read.begin(), read.end(), [](double w) { return w == 0.0; });
    if (!read.empty() && (!valid || read.size() != static_cast<size_t>(count)))
        return CExchangeFailure{IDC_WEIGHTS,
            text::Tr("EquirippleDialogData",
                "Please enter %1 weights, one for each band, from 1e-06 to 1e+06 and separated by commas, "
                "or nothing for the weights of ripple and attenuation.")
                .arg(count)};
    weights = std::move(read);
    return std::nullopt;
}

std::string joined(const std::vector<double>& values)
{
    std::string text;
    for (double v : values)
        text += (text.empty() ? "" : ",") + FormatDouble(v);
    return text;
}

}  // namespace

int EquirippleEdgeCount(int type) { return type >= BandPass ? 4 : 2; }

int EquirippleBandCount(int type) { return type >= BandPass ? 3 : 2; }

CEquirippleRequest EquirippleRequestOf(const CEquirippleData& data)
{
    CEquirippleRequest request;
    request.nType = data.m_nType;
    request.nLength = data.m_nLength;
    request.edges.assign(data.m_dEdges.begin(), data.m_dEdges.begin() + EquirippleEdgeCount(data.m_nType));
    request.dRipple = data.m_dRipple;
    request.dAttenuation = data.m_dAttenuation;
    request.weights = data.m_weights;
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
    texts.strWeights = joined(data.m_weights);
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
    if (auto failure = ExchangeDouble(IDC_ATTENUATION, texts.strAttenuation, 1.0, 300.0, data.m_dAttenuation))
        return failure;
    return exchangeWeights(texts.strWeights, EquirippleBandCount(data.m_nType), data.m_weights);
}

std::optional<CExchangeFailure> ReadEquiripple(const CEquirippleTexts& texts, double sampleRateHz,
    CEquirippleData& data)
{
    if (auto failure = ReadEquirippleConditions(texts, sampleRateHz, data))
        return failure;
    if (auto failure = ExchangeInt(IDC_LENGTH, texts.strLength, 1, kMaxEquirippleLength, data.m_nLength))
        return failure;
    if (const std::string problem = EquirippleLengthProblem(EquirippleRequestOf(data)); !problem.empty())
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
