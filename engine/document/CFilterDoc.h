#pragma once

#include "CComplexArray.h"
#include "CDocument.h"
#include "CProcessHandle.h"
#include "CRealArray.h"
#include "EquirippleDialogData.h"
#include "FilterMeasurement.h"
#include "Message.h"
#include "Requirements.h"
#include "ShortestButton.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

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
    // Opens the document with its requirements from the file beside it (RequirementsPath)
    // or, where there is none or it is damaged, derived from the stored type, cut-offs and
    // attenuation as a pass-band design would set them, telling so in the status bar.
    void OnOpenDocument(const std::string& path) override;
    // Saves the document, then its requirements beside it; a failure of the latter is
    // shown (the document itself is saved).
    void OnSaveDocument(const std::string& path) override;
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

    // Installs a copy of coef as the coefficients and brings every derived member up to
    // date. Coefficients beyond kMaxCoefficientMagnitude are refused with a message and
    // change nothing.
    void SetCoefficients(const CRealArray& coef);
    // Ends the zero viewer if it still runs, and lets go of its handle.
    void StopViewer();
    // Obtains the zeros of the current coefficients through the root finder, unless they
    // are known. True when m_pRoots holds the N - 1 zeros; on failure m_pRoots is null and
    // the reason is shown in the status bar. Needs m_pCoef. The exchange holds the lock
    // of the current folder (exchange::CExchangeLock), waiting through the user interface
    // while another exchange there holds it.
    bool ComputeRoots();
    // The requirements of the document's stored type, cut-offs and attenuation, as a
    // pass-band design without an aim sets them; none where those values are out of range.
    std::optional<CRequirements> DerivedRequirements() const;
    // The design the coefficients came from, as far as the document knows it.
    CDesignRecord GetDesignRecord() const;
    // Measures the current coefficients against the requirements. Needs m_pCoef (N >= 1,
    // finite).
    CFilterMeasurement Measure() const;
    // The abscissa distance of neighbouring points of the display array (DisplaySpacing):
    // 1 sample, or a fraction of the sampling frequency. Needs the display's source array.
    double GetDisplaySpacing() const;
    // The values the equiripple dialog opens with: the document's length and attenuation,
    // the rest as the dialog was last confirmed in this session.
    CEquirippleData EquirippleDialogData() const;

    void OnToolLength();
    void OnToolPassband();
    void OnViewImpulse();
    void OnViewAmplitude();
    void OnViewPhase();
    void OnViewReal();
    void OnViewImag();
    void OnViewGroupDelay();
    void OnViewStep();
    void OnViewDb();
    void OnViewProperties();
    void OnViewZero();
    void OnToolMinPhase();
    void OnToolEquiripple();
    void OnViewRequirements();
    void OnFileSaveText();
    void OnFileExportCoef();
    void OnFileImportCoef();
    void OnFileExportDisplay();
    void OnUpdateViewImpulse(CCmdUI* pCmdUI);
    void OnUpdateViewAmplitude(CCmdUI* pCmdUI);
    void OnUpdateViewPhase(CCmdUI* pCmdUI);
    void OnUpdateViewReal(CCmdUI* pCmdUI);
    void OnUpdateViewImag(CCmdUI* pCmdUI);
    void OnUpdateViewGroupDelay(CCmdUI* pCmdUI);
    void OnUpdateViewStep(CCmdUI* pCmdUI);
    void OnUpdateViewDb(CCmdUI* pCmdUI);
    void OnUpdateViewProperties(CCmdUI* pCmdUI);
    void OnUpdateFileSaveText(CCmdUI* pCmdUI);
    void OnUpdateFileExportCoef(CCmdUI* pCmdUI);
    void OnUpdateFileExportDisplay(CCmdUI* pCmdUI);

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
    // The points of m_pDisplay that have no value (the group delay at zeros of the
    // response), true there; empty when every point has one.
    std::vector<bool> m_displayUndefined;
    int m_bDecibel = 0;
    std::unique_ptr<CComplexArray> m_pRoots;
    std::unique_ptr<CProcessHandle> m_hViewer;
    // How the coefficients were made (DesignMethod); not saved with the document.
    int m_nDesign = DesignNone;
    // What the filter must achieve: set by every design and by the requirements dialog,
    // kept by every other change of the coefficients, saved beside the document. None
    // before the first design, or when a document opened gives none.
    std::optional<CRequirements> m_requirements;
    // The transition width (fraction of the sampling frequency) and ripple (dB) a pass-band
    // design sets its requirements with: those of the last length estimate or of the
    // requirements last stated, whichever came later. Unset, it uses Kaiser's transition
    // width for its length and attenuation and the ripple of equal deviations.
    struct CPassBandAim {
        double dTransition;
        double dRipple;
    };
    std::optional<CPassBandAim> m_passBandAim;

private:
    // After new coefficients and their response, made by design (DesignMethod): drops the
    // zeros, ends the viewer, shows the impulse response and updates the views.
    void CoefficientsChanged(int design);
    // Records the selection and, when the source array exists, rebuilds the display.
    void SelectDisplay(int selection);
    void StoreDocument(CArchive& ar) const;
    void LoadDocument(CArchive& ar);
    std::unique_ptr<exchange::CExchangeLock> LockExchange();
    bool ExchangeRoots();
    bool RunRootFinder();
    bool ReadRoots();
    void StartViewer(const exchange::CExchangeLock& lock);
    // Writes the text that format makes to path; a refusal or a failed write is shown as
    // failure, whose %1 is the reason.
    void WriteExport(const std::string& path, const std::function<std::string()>& format,
        const text::CMessage& failure);
    // Makes an equiripple design of data the document's filter, as the pass-band design
    // installs its own: type, length, cut-offs in the middle of the transition bands,
    // attenuation, the ideal response of that type and those cut-offs, and the requirements
    // the request states, and whether the design stopped at the rounding floor (for the
    // measurements). Types the document's file cannot name are described there as
    // DescribeEquiripple says, without an ideal response.
    void InstallEquiripple(const CEquirippleData& data, const CEquirippleDesign& design);
    // The document's stored type and cut-offs for request (well formed): those of the four
    // FilterTypes; a half-band filter's low pass with cut-off 0.25; for the types of bands
    // (multiband, differentiator, Hilbert) a band pass spanning the bands. Records the
    // request's type for the design record.
    void DescribeEquiripple(const CEquirippleRequest& request);

    // The requirements a pass-band design of data sets (its length as given there) with aim,
    // or without one Kaiser's width for that length. Values out of range:
    // std::invalid_argument.
    static CRequirements PassBandRequirementsOf(const CPassBandData& data, const std::optional<CPassBandAim>& aim);

    // The answers of the design dialogs' Shortest buttons, followed through m_ui.
    CShortestAnswer FindShortestPassBand(const CPassBandData& data);
    CShortestAnswer FindShortestEquiripple(const CEquirippleData& data);
    // After a load, before the views learn of it: the requirements from the file beside the
    // document being opened, else derived from the values loaded (telling why in the status
    // bar when a document is opened).
    void TakeLoadedRequirements();
    // Makes r the requirements and the aim of the next pass-band design, and updates the views.
    void SetRequirements(const CRequirements& r);

    CEquirippleData m_lastEquiripple;
    // The type of the last equiripple design (FilterType or EquirippleType), which the
    // design record names while the coefficients are that design's.
    int m_nEquirippleType = LowPass;
    bool m_bAtRoundingFloor = false;  // of the last equiripple design
    std::string m_strOpeningPath;  // the document OnOpenDocument is loading, while it does

    CFilterUi& m_ui;
};
