#pragma once

#include "CFilterUi.h"
#include "FilterMeasurement.h"

#include <optional>
#include <string>

// Answers the document's questions from the command line: the dialogs take the fields
// given by the options, checked as the dialogs check them, and failures are recorded.
class CCliUi : public CFilterUi {
public:
    // Fields of the next pass-band design, as typed; unset ones keep the dialog's texts.
    struct PassBandFields {
        std::optional<int> nType;
        std::optional<std::string> strLow, strHigh, strLength, strAttenuation;
    };

    PassBandFields& PassBand() { return m_passBand; }
    void SetLengthEstimate(const CLengthEstimateTexts& texts) { m_lengthEstimate = texts; }
    void SetTextExportPath(const std::string& path) { m_strExportPath = path; }
    // The first failure since the last call, or empty; clears it.
    std::string TakeError();
    // The measurement the last Filter Properties command showed, if any; clears it.
    std::optional<CFilterMeasurement> TakeMeasurement();

    bool DoPassBandDialog(CPassBandData& data) override;
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override;
    std::string AskTextExportPath(const std::string& defaultName) override;
    bool WaitForRootFinder(CProcessHandle& process) override;
    void ShowError(const std::string& message) override;
    void ShowStatusError(const std::string& message) override;
    // Results told in passing are not printed: --info shows what they change.
    void ShowStatus(const std::string&) override {}
    void ShowFilterProperties(const CFilterMeasurement& measurement) override { m_measurement = measurement; }

    // Records failure, if any, as a failure naming its field; true when there was one.
    bool Refused(const std::optional<CExchangeFailure>& failure);

private:

    PassBandFields m_passBand;
    CLengthEstimateTexts m_lengthEstimate;
    std::string m_strExportPath;
    std::string m_strError;
    std::optional<CFilterMeasurement> m_measurement;
};
