#pragma once

#include "CView.h"

#include <QLabel>

class CFilterDoc;

// The status bar's pane that says whether the filter meets its requirements: "Meets the
// requirements", or "Misses: stop band by 3.2 dB at 22.09 kHz", measured afresh whenever
// the document changes while the pane shows (and when it shows again), in the units of the
// sample rate. Empty without coefficients or requirements.
class CVerdictPane : public QLabel, public CView {
    Q_OBJECT
public:
    // Adds itself to doc's views.
    explicit CVerdictPane(CFilterDoc& doc);
    ~CVerdictPane() override;

    void OnUpdate(CView* pSender, long lHint) override;
    // The sampling frequency of the frequencies shown, in Hz; 0 for none.
    void SetSampleRate(double sampleRate);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    CFilterDoc& m_doc;
    double m_dSampleRate = 0.0;
    bool m_bStale = true;
};
