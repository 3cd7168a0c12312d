#include "CCliUi.h"

#include "CProcessHandle.h"
#include "DataExchange.h"
#include "NumberText.h"
#include "Resource.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace {

// The label of each dialog field, to name it in a message.
std::string fieldName(int nControl)
{
    static const std::map<int, std::string> names = {{IDC_LOWCUT, "low cut-off"},
        {IDC_HIGHCUT, "high cut-off"}, {IDC_LENGTH, "filter length"},
        {IDC_ATTENUATION, "attenuation"}, {IDC_RIPPLE, "in-band ripple"},
        {IDC_TRANSITION, "transition width"}, {IDC_SAMPLERATE, "sample rate"}, {IDC_EDGE1, "band edge 1"},
        {IDC_EDGE2, "band edge 2"}, {IDC_EDGE3, "band edge 3"}, {IDC_EDGE4, "band edge 4"},
        {IDC_WEIGHTS, "band weights"}};
    return names.at(nControl);
}

}  // namespace

std::string CCliUi::TakeError()
{
    std::string error;
    error.swap(m_strError);
    return error;
}

std::optional<CFilterMeasurement> CCliUi::TakeMeasurement()
{
    std::optional<CFilterMeasurement> measurement;
    measurement.swap(m_measurement);
    return measurement;
}

bool CCliUi::Refused(const std::optional<CExchangeFailure>& failure)
{
    if (failure)
        ShowError(fieldName(failure->nControl) + ": " + failure->strMessage);
    return failure.has_value();
}

bool CCliUi::DoPassBandDialog(CPassBandData& data)
{
    CPassBandTexts texts = WritePassBand(data);
    texts.nType = m_passBand.nType.value_or(0);
    texts.strLow = m_passBand.strLow.value_or(texts.strLow);
    texts.strHigh = m_passBand.strHigh.value_or(texts.strHigh);
    texts.strLength = m_passBand.strLength.value_or(texts.strLength);
    texts.strAttenuation = m_passBand.strAttenuation.value_or(texts.strAttenuation);
    m_passBand = PassBandFields();
    return !Refused(ReadPassBand(texts, data));
}

bool CCliUi::DoLengthEstimateDialog(CLengthEstimateData& data)
{
    return !Refused(ReadLengthEstimate(m_lengthEstimate, data));
}

std::optional<CEquirippleTexts> CCliUi::EquirippleTexts(const CEquirippleData& data)
{
    CEquirippleTexts texts = WriteEquiripple(data, 0.0);
    texts.nType = m_passBand.nType.value_or(texts.nType);
    texts.strRipple = m_passBand.strRipple.value_or(texts.strRipple);
    texts.strAttenuation = m_passBand.strAttenuation.value_or(texts.strAttenuation);
    texts.strLength = m_passBand.strLength.value_or(texts.strLength);
    texts.strWeights = m_passBand.strWeights.value_or(texts.strWeights);
    if (!m_passBand.strBands)
        return texts;
    std::vector<std::string> edges;
    std::istringstream list(*m_passBand.strBands);
    for (std::string edge; std::getline(list, edge, ',');)
        edges.push_back(edge);
    const size_t wanted = static_cast<size_t>(EquirippleEdgeCount(texts.nType));
    if (edges.size() != wanted) {
        ShowError("--bands gives " + std::to_string(edges.size()) + " edge(s); this filter type needs " + std::to_string(wanted));
        return std::nullopt;
    }
    std::copy(edges.begin(), edges.end(), texts.strEdges.begin());
    return texts;
}

bool CCliUi::DoEquirippleDialog(CEquirippleData& data)
{
    const std::optional<CEquirippleTexts> texts = EquirippleTexts(data);
    m_passBand = PassBandFields();
    return texts && !Refused(ReadEquiripple(*texts, 0.0, data));
}

std::optional<int> CCliUi::EstimateEquiripple(const CEquirippleData& data)
{
    const std::optional<CEquirippleTexts> texts = EquirippleTexts(data);
    CEquirippleData read = data;
    if (!texts || Refused(ReadEquirippleConditions(*texts, 0.0, read)))
        return std::nullopt;
    const CLengthEstimate estimate = EstimateEquirippleLength(EquirippleRequestOf(read));
    if (!estimate.strError.empty()) {
        ShowError(estimate.strError);
        return std::nullopt;
    }
    return estimate.nLength;
}

std::string CCliUi::AskTextExportPath(const std::string&) { return m_strExportPath; }

bool CCliUi::DoExportDialog(const CRealArray&, const CDesignRecord&, CCoefficientExportChoice& choice)
{
    const std::optional<int> blockSize = ParseInt(m_strBlockSize);
    if (!blockSize || *blockSize < 1 || *blockSize > kMaxBlockSize) {
        ShowError("block size: Please enter an integer between 1 and " + std::to_string(kMaxBlockSize) + ".");
        return false;
    }
    choice.format = m_exportFormat;
    choice.nBlockSize = *blockSize;
    return true;
}

bool CCliUi::WaitForRootFinder(CProcessHandle& process) { return process.WaitFor(-1); }

void CCliUi::ShowError(const std::string& message)
{
    if (m_strError.empty())
        m_strError = message;
}

void CCliUi::ShowStatusError(const std::string& message) { ShowError(message); }
