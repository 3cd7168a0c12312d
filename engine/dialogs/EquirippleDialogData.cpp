#include "EquirippleDialogData.h"

#include "ControlIds.h"
#include "FilterTypes.h"
#include "Message.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

namespace {

// An edge of a filter with the given sample rate, as typed: Hz, or a fraction of the
// sampling frequency when the rate is 0.
double scaleOf(double sampleRateHz) { return sampleRateHz > 0.0 ? sampleRateHz : 1.0; }

// Reads an edge that must lie above lo and below hi (at most hi when reached), in the units
// shown.
std::optional<CExchangeFailure> exchangeEdge(int nControl, const std::string& text, double lo, double hi,
    bool reached, double& shown)
{
    const std::optional<double> parsed = ParseDouble(text);
    if (!parsed || !(*parsed > lo && (*parsed < hi || (reached && *parsed == hi))))
        return CExchangeFailure{nControl,
            (reached ? text::Tr("EquirippleDialogData", "Please enter a number greater than %1 and at most %2.")
                     : text::Tr("EquirippleDialogData", "Please enter a number greater than %1 and less than %2."))
                .arg(FormatGeneral(lo, 6))
                .arg(FormatGeneral(hi, 6))};
    shown = *parsed;
    return std::nullopt;
}

// The weights as typed: empty, or `count` numbers in 1e-6 .. 1e6 separated by commas; a
// type of count 0 takes none.
std::optional<CExchangeFailure> exchangeWeights(const std::string& text, int count, std::vector<double>& weights)
{
    const bool blank = text.find_first_not_of(" \t") == std::string::npos;
    if (count == 0 && !blank)
        return CExchangeFailure{IDC_WEIGHTS,
            text::Tr("EquirippleDialogData",
                "This filter type takes no band weights; leave the field empty (a multiband filter's or "
                "differentiator's weight follows each band's gain).")};
    if (count == 0)
        return std::nullopt;  // the weights stay for the types that take them
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

// The fields of text separated by separator; none for a text of blanks.
std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    std::istringstream list(text.find_first_not_of(" \t") == std::string::npos ? std::string() : text);
    for (std::string field; std::getline(list, field, separator);)
        fields.push_back(field);
    return fields;
}

// One band as typed, "F1,F2,GAIN[,WEIGHT]" with edges in the units shown (divided by
// scale); nullopt unless each field is a number in its range and F1 lies above previous
// (the end of the band before, or -1 for the first).
std::optional<CEquirippleBand> readBand(const std::string& text, double scale, double previous)
{
    const std::vector<std::string> fields = split(text, ',');
    if (fields.size() != 3 && fields.size() != 4)
        return std::nullopt;
    std::vector<double> v;
    for (const std::string& field : fields)
        if (const std::optional<double> parsed = ParseDouble(field))
            v.push_back(*parsed);
    if (v.size() != fields.size())
        return std::nullopt;
    CEquirippleBand band{v[0] / scale, v[1] / scale, v[2], v.size() == 4 ? v[3] : 1.0};
    const bool edges = band.dFrom >= 0.0 && band.dFrom > previous && band.dTo > band.dFrom && band.dTo <= 0.5;
    if (!edges || !(std::fabs(band.dGain) <= 1e6) || !(band.dWeight >= 1e-6 && band.dWeight <= 1e6))
        return std::nullopt;
    return band;
}

// The bands as typed: 1 .. kMaxEquirippleBands of readBand's, separated by ';'.
std::optional<CExchangeFailure> exchangeBands(const std::string& text, double scale, std::vector<CEquirippleBand>& bands)
{
    std::vector<CEquirippleBand> read;
    for (const std::string& field : split(text, ';')) {
        const std::optional<CEquirippleBand> band = readBand(field, scale, read.empty() ? -1.0 : read.back().dTo);
        if (!band)
            break;
        read.push_back(*band);
    }
    if (read.empty() || read.size() > static_cast<size_t>(kMaxEquirippleBands) || read.size() != split(text, ';').size())
        return CExchangeFailure{IDC_BANDS,
            text::Tr("EquirippleDialogData",
                "Please enter 1 to %1 bands separated by ';', each as F1,F2,GAIN or F1,F2,GAIN,WEIGHT: edges from 0 "
                "to %2 with F1 below F2, each band starting above the end of the one before, a gain of size at most "
                "1e+06 and a weight from 1e-06 to 1e+06.")
                .arg(kMaxEquirippleBands)
                .arg(FormatGeneral(0.5 * scale, 6))};
    bands = std::move(read);
    return std::nullopt;
}

// The bands as the Bands field shows them, edges multiplied by scale.
std::string bandsText(const std::vector<CEquirippleBand>& bands, double scale)
{
    std::string text;
    for (const CEquirippleBand& b : bands)
        text += (text.empty() ? "" : ";") + FormatDouble(b.dFrom * scale) + "," + FormatDouble(b.dTo * scale) + ","
            + FormatDouble(b.dGain) + (b.dWeight != 1.0 ? "," + FormatDouble(b.dWeight) : "");
    return text;
}

// The highest value edge i of type may take, in the units shown, and whether it may be
// equal to it: half the sampling frequency, reached by a Hilbert transformer's upper edge;
// a quarter below which a half-band filter's pass edge lies.
std::pair<double, bool> edgeCeiling(int type, int i, double scale)
{
    if (type == HalfBand)
        return {0.25 * scale, false};
    return {0.5 * scale, type == Hilbert && i == 1};
}

std::string joined(const std::vector<double>& values)
{
    std::string text;
    for (double v : values)
        text += (text.empty() ? "" : ",") + FormatDouble(v);
    return text;
}

}  // namespace

int EquirippleEdgeCount(int type)
{
    switch (type) {
    case BandPass: case BandElimination: return 4;
    case HalfBand: return 1;
    case Multiband: case Differentiator: return 0;
    default: return 2;
    }
}

int EquirippleBandCount(int type) { return type > BandElimination ? 0 : type >= BandPass ? 3 : 2; }

bool EquirippleTakesBands(int type) { return type == Multiband || type == Differentiator; }

CEquirippleRequest EquirippleRequestOf(const CEquirippleData& data)
{
    CEquirippleRequest request;
    request.nType = data.m_nType;
    request.nLength = data.m_nLength;
    request.edges.assign(data.m_dEdges.begin(), data.m_dEdges.begin() + EquirippleEdgeCount(data.m_nType));
    request.dRipple = data.m_dRipple;
    request.dAttenuation = data.m_dAttenuation;
    if (EquirippleBandCount(data.m_nType) > 0)
        request.weights = data.m_weights;
    if (EquirippleTakesBands(data.m_nType))
        request.bands = data.m_bands;
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
    texts.strBands = bandsText(data.m_bands, scaleOf(sampleRateHz));
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
        const auto [ceiling, reached] = edgeCeiling(data.m_nType, i, scale);
        if (auto failure = exchangeEdge(IDC_EDGE1 + i, texts.strEdges[static_cast<size_t>(i)], previous, ceiling, reached, shown))
            return failure;
        data.m_dEdges[static_cast<size_t>(i)] = shown / scale;
        previous = shown;
    }
    if (EquirippleTakesBands(data.m_nType))
        if (auto failure = exchangeBands(texts.strBands, scale, data.m_bands))
            return failure;
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
