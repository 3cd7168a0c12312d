#pragma once

#include "CComplexArray.h"
#include "CDocument.h"
#include "CProcessHandle.h"
#include "CRealArray.h"

#include <memory>

class CFilterUi;
namespace exchange {
class CExchangeLock;
}

// The workbench's document: the design parameters of the current FIR filter, its
// coefficients, every array computed from them, its zeros and the running zero viewer.
// All filter commands are its handlers. Members are public for the views to read.
class CFilterDoc : public CDocument {
public:
    explicit CFilterDoc(CFilterUi& ui);
    ~CFilterDoc() override;

    bool OnNewDocument() override;
    void Serialize(CArchive& ar) override;
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

    // Installs a copy of coef as the coefficients and brings every derived member up to date.
    void SetCoefficients(const CRealArray& coef);
    // Ends the zero viewer if it still runs, and lets go of its handle.
    void StopViewer();
    // Obtains the zeros of the current coefficients through the root finder, unless they
    // are known. True when m_pRoots holds the N - 1 zeros; on failure m_pRoots is null and
    // the reason is shown in the status bar. Needs m_pCoef. The exchange holds the lock
    // of the current folder (exchange::CExchangeLock), waiting through the user interface
    // while another exchange there holds it.
    bool ComputeRoots();

    void OnToolLength();
    void OnToolPassband();
    void OnViewImpulse();
    void OnViewAmplitude();
    void OnViewPhase();
    void OnViewReal();
    void OnViewImag();
    void OnViewDb();
    void OnViewZero();
    void OnToolMinPhase();
    void OnFileSaveText();
    void OnUpdateViewImpulse(CCmdUI* pCmdUI);
    void OnUpdateViewAmplitude(CCmdUI* pCmdUI);
    void OnUpdateViewPhase(CCmdUI* pCmdUI);
    void OnUpdateViewReal(CCmdUI* pCmdUI);
    void OnUpdateViewImag(CCmdUI* pCmdUI);
    void OnUpdateViewDb(CCmdUI* pCmdUI);
    void OnUpdateFileSaveText(CCmdUI* pCmdUI);

    int m_nLength = 0;
    int m_nFilterType = 0;
    double m_dLowCutoff = 0.0;
    double m_dHighCutoff = 0.5;
    double m_dAttenuation = 60.0;
    std::unique_ptr<CRealArray> m_pIdeal;
    std::unique_ptr<CRealArray> m_pCoef;
    std::unique_ptr<CComplexArray> m_pResponse;
    int m_nDisplay = 0;
    std::unique_ptr<CRealArray> m_pDisplay;
    int m_bDecibel = 0;
    std::unique_ptr<CComplexArray> m_pRoots;
    std::unique_ptr<CProcessHandle> m_hViewer;

private:
    // After new coefficients and their response: drops the zeros, ends the viewer, shows
    // the impulse response and updates the views.
    void CoefficientsChanged();
    // Records the selection and, when the source array exists, rebuilds the display.
    void SelectDisplay(int selection);
    void StoreDocument(CArchive& ar) const;
    void LoadDocument(CArchive& ar);
    std::unique_ptr<exchange::CExchangeLock> LockExchange();
    bool ExchangeRoots();
    bool RunRootFinder();
    bool ReadRoots();
    void StartViewer(const exchange::CExchangeLock& lock);

    CFilterUi& m_ui;
};
