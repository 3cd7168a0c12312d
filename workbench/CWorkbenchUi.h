#pragma once

#include "CFilterUi.h"

class CFrameWnd;

// The workbench's answers to the document's questions: the two design dialogs, the save
// dialog of the text export, the wait for the root finder, message boxes and the status
// bar.
class CWorkbenchUi : public CFilterUi {
public:
    // The window the dialogs belong to and whose status bar shows passing failures.
    void SetFrame(CFrameWnd* frame) { m_pFrame = frame; }
    // The sample rate in Hz in which the equiripple dialog shows band edges; 0: fractions
    // of the sampling frequency.
    void SetSampleRate(double sampleRateHz) { m_dSampleRateHz = sampleRateHz; }

    bool DoPassBandDialog(CPassBandData& data) override;
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override;
    // After OK the wait cursor shows until the event loop runs again, that is while the
    // document designs the filter.
    bool DoEquirippleDialog(CEquirippleData& data) override;
    // A save dialog starting at defaultName, with no type filter; appends ".txt" to a name
    // typed without an extension and asks before overwriting.
    std::string AskTextExportPath(const std::string& defaultName) override;
    // The wait cursor while the root finder runs; after kProgressDelayMs a modal progress
    // dialog whose Cancel gives up the wait (false).
    bool WaitForRootFinder(CProcessHandle& process) override;
    void ShowError(const std::string& message) override;
    void ShowStatusError(const std::string& message) override;

    static constexpr int kProgressDelayMs = 1000;

private:
    CFrameWnd* m_pFrame = nullptr;
    double m_dSampleRateHz = 0.0;
};
