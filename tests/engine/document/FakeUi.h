#pragma once

#include "CFilterUi.h"
#include "CProcessHandle.h"
#include "FilterMeasurement.h"
#include "RootFinderProgress.h"

#include <functional>
#include <string>
#include <vector>

// A scripted user: dialogs answer with the texts set here, checked as the real dialogs
// check them; messages are collected.
class FakeUi : public CFilterUi {
public:
    bool DoPassBandDialog(CPassBandData& data) override
    {
        passBandOpenedWith = WritePassBand(data);
        if (!confirm)
            return false;
        CPassBandTexts texts = passBandTexts ? passBandTexts(passBandOpenedWith) : passBandOpenedWith;
        return !ReadPassBand(texts, data);
    }
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override
    {
        if (!confirm)
            return false;
        const auto failure = ReadLengthEstimate(lengthTexts, data);
        if (failure)
            refusals.push_back(failure->strMessage);
        return !failure;
    }
    bool DoEquirippleDialog(CEquirippleData& data) override
    {
        equirippleOpenedWith = WriteEquiripple(data, 0.0);
        if (!confirm)
            return false;
        return !ReadEquiripple(equirippleTexts ? equirippleTexts(equirippleOpenedWith) : equirippleOpenedWith, 0.0, data);
    }
    std::string AskTextExportPath(const std::string& defaultName) override
    {
        askedDefaultName = defaultName;
        return exportPath;
    }
    bool DoExportDialog(const CRealArray&, const CDesignRecord&, CCoefficientExportChoice& choice) override
    {
        choice = exportChoice;
        return confirm;
    }
    std::string AskImportPath() override { return importPath; }
    bool ConfirmImport(const std::string&, int count) override
    {
        importedCount = count;
        return confirm;
    }
    bool WaitForRootFinder(CProcessHandle& process) override
    {
        ++rootFinderRuns;
        return process.WaitFor(-1);
    }
    void ShowRootFinderProgress(const CRootFinderProgress& progress) override { rootProgress.push_back(progress); }
    bool WaitForExchange(CWaitable& lock) override
    {
        ++exchangeWaits;
        if (whileWaitingForExchange)
            whileWaitingForExchange();
        return !giveUpExchangeWait && lock.WaitFor(-1);
    }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void ShowStatusError(const std::string& message) override { statusErrors.push_back(message); }
    void ShowStatus(const std::string& message) override { statuses.push_back(message); }
    void ShowFilterProperties(const CFilterMeasurement& m) override { measurements.push_back(m); }
    double SampleRate() const override { return sampleRate; }

    bool confirm = true;
    double sampleRate = 0.0;
    std::function<CPassBandTexts(CPassBandTexts)> passBandTexts;
    CPassBandTexts passBandOpenedWith;
    CLengthEstimateTexts lengthTexts;
    std::function<CEquirippleTexts(CEquirippleTexts)> equirippleTexts;
    CEquirippleTexts equirippleOpenedWith;
    std::string exportPath;
    std::string askedDefaultName;
    CCoefficientExportChoice exportChoice;
    std::string importPath;
    int importedCount = -1;
    int rootFinderRuns = 0;
    std::vector<CRootFinderProgress> rootProgress;  // as the root finder told it
    int exchangeWaits = 0;
    bool giveUpExchangeWait = false;
    std::function<void()> whileWaitingForExchange;
    std::vector<std::string> errors;
    std::vector<std::string> statusErrors;
    std::vector<std::string> refusals;  // what a dialog refused, staying open
    std::vector<std::string> statuses;
    std::vector<CFilterMeasurement> measurements;
};

// A pass-band design typed into the dialog: type, length, low and high cut-off, attenuation.
inline std::function<CPassBandTexts(CPassBandTexts)> Typed(int type, const std::string& length,
    const std::string& low, const std::string& high = "", const std::string& attenuation = "60")
{
    return [=](CPassBandTexts texts) {
        texts.nType = type;
        texts.strLength = length;
        texts.strLow = low;
        texts.strHigh = high;
        texts.strAttenuation = attenuation;
        return texts;
    };
}
