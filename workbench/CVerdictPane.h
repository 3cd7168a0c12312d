#pragma once

#include "CView.h"
#include "Requirements.h"

#include <QLabel>
#include <optional>
#include <vector>

class CFilterDoc;

// The status bar's pane that says whether the filter meets its requirements: "Meets the
// requirements", or "Misses: stop band by 3.2 dB at 22.09 kHz", measured afresh whenever
// the document changes while the pane shows (and when it shows again), unless neither the
// coefficients nor the requirements changed, in the units of the sample rate; the whole
// text also as the tool tip, for a status bar too narrow for it. Empty without
// coefficients or requirements.
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
    // Measures again unless what the verdict shown was measured on is unchanged.
    void Refresh();
    void ShowVerdict();

    CFilterDoc& m_doc;
    double m_dSampleRate = 0.0;
    bool m_bStale = true;
    // What the verdict shown was measured on.
    std::vector<double> m_measuredCoefficients;
    std::optional<CRequirements> m_measuredRequirements;
};
