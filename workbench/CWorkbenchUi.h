#pragma once

#include "CFilterUi.h"

class CFrameWnd;
class QString;

// The workbench's answers to the document's questions: the design and requirements
// dialogs, the save dialog of the text export, the wait for the root finder and for long
// work, message boxes, the status bar and the Filter Properties dialog.
class CWorkbenchUi : public CFilterUi {
public:
    // The window the dialogs belong to and whose status bar shows passing failures.
    void SetFrame(CFrameWnd* frame) { m_pFrame = frame; }

    bool DoPassBandDialog(CPassBandData& data, const CPassBandShortest& shortest) override;
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override;
    // After OK the wait cursor shows until the event loop runs again, that is while the
    // document designs the filter.
    bool DoEquirippleDialog(CEquirippleData& data, const CEquirippleShortest& shortest) override;
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
    // A question box naming the file and the count, OK or Cancel.
    bool ConfirmImport(const std::string& path, int count) override;
    // The wait cursor while the root finder runs; after kProgressDelayMs a modal progress
    // dialog whose Cancel gives up the wait (false).
    bool WaitForRootFinder(CProcessHandle& process) override;
    // The same wait while another root finding in the folder holds the exchange.
    bool WaitForExchange(CWaitable& lock) override;
    void ShowError(const std::string& message) override;
    void ShowStatusError(const std::string& message) override;
    void ShowStatus(const std::string& message) override;
    // The Filter Properties dialog, in the units of the sample rate setting.
    void ShowFilterProperties(const CFilterMeasurement& measurement) override;
    // A CWorkbenchProgress over the active modal dialog, or else the frame.
    std::unique_ptr<CWorkProgress> BeginWork(const std::string& title) override;
    double SampleRate() const override;

    static constexpr int kProgressDelayMs = 1000;

private:
    bool WaitCancellable(CWaitable& task, const QString& text);

    CFrameWnd* m_pFrame = nullptr;
};
