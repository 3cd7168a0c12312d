#pragma once

#include "CFilterUi.h"
#include "CProcessHandle.h"

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
        return confirm && !ReadLengthEstimate(lengthTexts, data);
    }
    std::string AskTextExportPath(const std::string& defaultName) override
    {
        askedDefaultName = defaultName;
        return exportPath;
    }
    bool WaitForRootFinder(CProcessHandle& process) override
    {
        ++rootFinderRuns;
        return process.WaitFor(-1);
    }
    bool WaitForExchange(CWaitable& lock) override
    {
        ++exchangeWaits;
        if (whileWaitingForExchange)
            whileWaitingForExchange();
        return !giveUpExchangeWait && lock.WaitFor(-1);
    }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void ShowStatusError(const std::string& message) override { statusErrors.push_back(message); }

    bool confirm = true;
    std::function<CPassBandTexts(CPassBandTexts)> passBandTexts;
    CPassBandTexts passBandOpenedWith;
    CLengthEstimateTexts lengthTexts;
    std::string exportPath;
    std::string askedDefaultName;
    int rootFinderRuns = 0;
    int exchangeWaits = 0;
    bool giveUpExchangeWait = false;
    std::function<void()> whileWaitingForExchange;
    std::vector<std::string> errors;
    std::vector<std::string> statusErrors;
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
