#pragma once

#include "CFilterUi.h"

#include <optional>
#include <string>

// Answers the document's questions from the command line: the dialogs take the fields
// given by the options, checked as the dialogs check them, and failures are recorded.
class CCliUi : public CFilterUi {
public:
    // Fields of the next design (--design or --equiripple), as typed; unset ones keep the
    // dialog's texts. strBands holds the equiripple band edges, separated by commas.
    struct PassBandFields {
        std::optional<int> nType;
        std::optional<std::string> strLow, strHigh, strLength, strAttenuation;
        std::optional<std::string> strBands, strRipple;
    };

    PassBandFields& PassBand() { return m_passBand; }
    void SetLengthEstimate(const CLengthEstimateTexts& texts) { m_lengthEstimate = texts; }
    void SetTextExportPath(const std::string& path) { m_strExportPath = path; }
    // The first failure since the last call, or empty; clears it.
    std::string TakeError();

    bool DoPassBandDialog(CPassBandData& data) override;
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override;
    bool DoEquirippleDialog(CEquirippleData& data) override;
    // The equiripple length estimate of the fields given so far, the rest as the dialog
    // would open on data; nullopt (and a failure recorded) when a field is refused.
    std::optional<int> EstimateEquiripple(const CEquirippleData& data);
    std::string AskTextExportPath(const std::string& defaultName) override;
    bool WaitForRootFinder(CProcessHandle& process) override;
    void ShowError(const std::string& message) override;
    void ShowStatusError(const std::string& message) override;

private:
    bool Refused(const std::optional<CExchangeFailure>& failure);
    // The equiripple dialog's texts on data with the fields given; nullopt (and a failure
    // recorded) when --bands does not give the type's number of edges.
    std::optional<CEquirippleTexts> EquirippleTexts(const CEquirippleData& data);

    PassBandFields m_passBand;
    CLengthEstimateTexts m_lengthEstimate;
    std::string m_strExportPath;
    std::string m_strError;
};
