#pragma once

#include "CFilterUi.h"
#include "CProcessHandle.h"
#include "FilterMeasurement.h"
#include "RootFinderProgress.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A scripted user: dialogs answer with the texts set here, checked as the real dialogs
// check them; messages are collected.
class FakeUi : public CFilterUi {
public:
    // With askShortest, the dialog's Shortest button is pressed before OK.
    bool DoPassBandDialog(CPassBandData& data, const CPassBandShortest& shortest) override
    {
        passBandOpenedWith = WritePassBand(data);
        if (!confirm)
            return false;
        CPassBandTexts texts = passBandTexts ? passBandTexts(passBandOpenedWith) : passBandOpenedWith;
        if (askShortest && !PressShortest(ReadPassBandConditions(texts, data), [&] { return shortest(data); }, texts.strLength))
            return false;
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
    // Reads the texts as the dialog does (pressing Shortest first with askShortest) and
    // designs once; a failed design is recorded as the dialog's message (the dialog would
    // stay open) and the dialog then cancelled.
    bool DoEquirippleDialog(CEquirippleData& data, const CEquirippleShortest& shortest, const CEquirippleAttempt& design) override
    {
        equirippleOpenedWith = WriteEquiripple(data, 0.0);
        if (!confirm)
            return false;
        CEquirippleTexts texts = equirippleTexts ? equirippleTexts(equirippleOpenedWith) : equirippleOpenedWith;
        if (askShortest && !PressShortest(ReadEquirippleConditions(texts, 0.0, data), [&] { return shortest(data); }, texts.strLength))
            return false;
        if (ReadEquiripple(texts, 0.0, data))
            return false;
        const std::string failure = design(data);
        if (!failure.empty())
            refusals.push_back(failure);
        return failure.empty();
    }
    bool DoRequirementsDialog(CRequirements& r) override
    {
        requirementsOpenedWith = r;
        if (!confirm)
            return false;
        r = requirementsTyped;
        return true;
    }
    std::string AskTextExportPath(const std::string& defaultName) override
    {
        askedDefaultName = defaultName;
        return exportPath;
    }
    bool DoExportDialog(const CRealArray&, const std::optional<CRequirements>& r, CCoefficientExportChoice& choice) override
    {
        exportRequirements = r;
        choice = exportChoice;
        return confirm;
    }
    std::string AskImportPath() override { return importPath; }
    std::optional<int> AskImportWordBits(const std::string& path, const std::string&) override
    {
        wordBitsAskedFor.push_back(path);
        return wordBits;
    }
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
    std::unique_ptr<CWorkProgress> BeginWork(const std::string& title) override
    {
        workTitles.push_back(title);
        return CFilterUi::BeginWork(title);
    }

    // The Shortest button: the answer's length goes into the length field; no length ends
    // the dialog as a cancel, keeping the reason.
    bool PressShortest(const std::optional<CExchangeFailure>& refused, const std::function<CShortestAnswer()>& ask,
        std::string& lengthField)
    {
        if (refused) {
            refusals.push_back(refused->strMessage);
            return false;
        }
        const CShortestAnswer answer = ask();
        shortestAnswers.push_back(answer);
        if (answer.nLength > 0)
            lengthField = std::to_string(answer.nLength);
        return answer.nLength > 0;
    }

    bool confirm = true;
    bool askShortest = false;
    std::vector<CShortestAnswer> shortestAnswers;
    std::vector<std::string> workTitles;
    std::optional<CRequirements> requirementsOpenedWith;
    CRequirements requirementsTyped;
    std::optional<CRequirements> exportRequirements;
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
    std::optional<int> wordBits;  // the word length given when asked; none: cancelled
    std::vector<std::string> wordBitsAskedFor;
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
