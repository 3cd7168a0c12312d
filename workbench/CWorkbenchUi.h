#pragma once

#include "CFilterUi.h"

class CFrameWnd;
class QString;

// The workbench's answers to the document's questions: the two design dialogs, the save
// dialog of the text export, the wait for the root finder, message boxes and the status
// bar.
class CWorkbenchUi : public CFilterUi {
public:
    // The window the dialogs belong to and whose status bar shows passing failures.
    void SetFrame(CFrameWnd* frame) { m_pFrame = frame; }

    bool DoPassBandDialog(CPassBandData& data) override;
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override;
    // A save dialog starting at defaultName, with no type filter; appends ".txt" to a name
    // typed without an extension and asks before overwriting.
    std::string AskTextExportPath(const std::string& defaultName) override;
    // The wait cursor while the root finder runs; after kProgressDelayMs a modal progress
    // dialog whose Cancel gives up the wait (false).
    bool WaitForRootFinder(CProcessHandle& process) override;
    // The same wait while another root finding in the folder holds the exchange.
    bool WaitForExchange(CWaitable& lock) override;
    void ShowError(const std::string& message) override;
    void ShowStatusError(const std::string& message) override;

    static constexpr int kProgressDelayMs = 1000;

private:
    bool WaitCancellable(CWaitable& task, const QString& text);

    CFrameWnd* m_pFrame = nullptr;
};
