#include "CCliUi.h"

#include "CProcessHandle.h"
#include "DataExchange.h"
#include "Resource.h"

#include <map>

namespace {

// The label of each dialog field, to name it in a message.
std::string fieldName(int nControl)
{
    static const std::map<int, std::string> names = {{IDC_LOWCUT, "low cut-off"},
        {IDC_HIGHCUT, "high cut-off"}, {IDC_LENGTH, "filter length"},
        {IDC_ATTENUATION, "attenuation"}, {IDC_RIPPLE, "in-band ripple"},
        {IDC_TRANSITION, "transition width"}, {IDC_SAMPLERATE, "sample rate"}};
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
