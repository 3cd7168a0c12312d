#pragma once

#include "CFilterUi.h"
#include "RootFinderProgress.h"

class CMainFrame;
class QProgressDialog;
class QString;

// The workbench's answers to the document's questions: the design and requirements
// dialogs, the save dialog of the text export, the wait for the root finder and for long
// work, message boxes, the status bar and the Filter Properties dialog.
class CWorkbenchUi : public CFilterUi {
public:
    // The window the dialogs belong to and whose status bar shows passing failures.
    void SetFrame(CMainFrame* frame) { m_pFrame = frame; }

    bool DoPassBandDialog(CPassBandData& data, const CPassBandShortest& shortest) override;
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override;
    // The dialog designs on OK, with the wait cursor, and stays open on a failure.
    bool DoEquirippleDialog(
        CEquirippleData& data, const CEquirippleShortest& shortest, const CEquirippleAttempt& design) override;
    // The requirements dialog, its edges in Hz when a sample rate is set.
    bool DoRequirementsDialog(CRequirements& requirements) override;
    // A save dialog starting at defaultName, with no type filter; gives a name typed
    // without an extension that of defaultName and asks before overwriting.
    std::string AskTextExportPath(const std::string& defaultName) override;
    // The export dialog, opened on the format and block size last confirmed (kept in the
    // settings) rather than on choice.
    bool DoExportDialog(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
        CCoefficientExportChoice& choice) override;
    // An open dialog offering text, CSV and C files.
    std::string AskImportPath() override;
    // The Word Length dialog naming the file; nullopt when cancelled.
    std::optional<int> AskImportWordBits(const std::string& path, const std::string& refusal) override;
    // A question box naming the file and the count, OK or Cancel.
    bool ConfirmImport(const std::string& path, int count) override;
    // The wait cursor while the root finder runs; after kProgressDelayMs a modal progress
    // dialog whose Cancel gives up the wait (false), showing how many zeros are certified
    // of all once the root finder tells.
    bool WaitForRootFinder(CProcessHandle& process) override;
    // Keeps the progress for the dialog of WaitForRootFinder.
    void ShowRootFinderProgress(const CRootFinderProgress& progress) override;
    // The same wait while another root finding in the folder holds the exchange.
    bool WaitForExchange(CWaitable& lock) override;
    void ShowError(const std::string& message) override;
    void ShowStatusError(const std::string& message) override;
    // In the status bar's result field, where it stays until the next result or design.
    void ShowStatus(const std::string& message) override;
    // The Filter Properties dialog, in the units of the sample rate setting.
    void ShowFilterProperties(const CFilterMeasurement& measurement) override;
    // A CWorkbenchProgress over the active modal dialog, or else the frame.
    std::unique_ptr<CWorkProgress> BeginWork(const std::string& title) override;
    double SampleRate() const override;

    static constexpr int kProgressDelayMs = 1000;

private:
    bool WaitCancellable(CWaitable& task, const QString& text);
    // Shows m_rootProgress in the dialog, once the root finder has told any.
    void ShowProgressIn(QProgressDialog& dialog, const QString& text) const;

    CMainFrame* m_pFrame = nullptr;
    CRootFinderProgress m_rootProgress;
};
