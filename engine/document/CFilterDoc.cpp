#include "CFilterDoc.h"

#include "CFilterUi.h"
#include "CoefficientText.h"
#include "DisplayData.h"
#include "Resource.h"

CFilterDoc::CFilterDoc(CFilterUi& ui) : m_ui(ui) {}

CFilterDoc::~CFilterDoc() { StopViewer(); }

bool CFilterDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

bool CFilterDoc::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    struct Entry {
        int id;
        void (CFilterDoc::*run)();
        void (CFilterDoc::*update)(CCmdUI*);
    };
    static const Entry kMessageMap[] = {
        {ID_TOOL_LENGTH, &CFilterDoc::OnToolLength, nullptr},
        {ID_TOOL_PASSBAND, &CFilterDoc::OnToolPassband, nullptr},
        {ID_VIEW_IMPULSE, &CFilterDoc::OnViewImpulse, &CFilterDoc::OnUpdateViewImpulse},
        {ID_VIEW_AMPLITUDE, &CFilterDoc::OnViewAmplitude, &CFilterDoc::OnUpdateViewAmplitude},
        {ID_VIEW_PHASE, &CFilterDoc::OnViewPhase, &CFilterDoc::OnUpdateViewPhase},
        {ID_VIEW_REAL, &CFilterDoc::OnViewReal, &CFilterDoc::OnUpdateViewReal},
        {ID_VIEW_IMAG, &CFilterDoc::OnViewImag, &CFilterDoc::OnUpdateViewImag},
        {ID_VIEW_DB, &CFilterDoc::OnViewDb, &CFilterDoc::OnUpdateViewDb},
        {ID_VIEW_ZERO, &CFilterDoc::OnViewZero, nullptr},
        {ID_TOOL_MINPHASE, &CFilterDoc::OnToolMinPhase, nullptr},
        {ID_TOOL_EQUIRIPPLE, &CFilterDoc::OnToolEquiripple, nullptr},
        {ID_FILE_SAVETEXT, &CFilterDoc::OnFileSaveText, &CFilterDoc::OnUpdateFileSaveText},
        {ID_FILE_EXPORT_COEF, &CFilterDoc::OnFileExportCoef, &CFilterDoc::OnUpdateFileExportCoef},
        {ID_FILE_IMPORT_COEF, &CFilterDoc::OnFileImportCoef, nullptr},
        {ID_FILE_EXPORT_DISPLAY, &CFilterDoc::OnFileExportDisplay, &CFilterDoc::OnUpdateFileExportDisplay},
        {ID_VIEW_GROUPDELAY, &CFilterDoc::OnViewGroupDelay, &CFilterDoc::OnUpdateViewGroupDelay},
        {ID_VIEW_STEP, &CFilterDoc::OnViewStep, &CFilterDoc::OnUpdateViewStep},
        {ID_VIEW_PROPERTIES, &CFilterDoc::OnViewProperties, &CFilterDoc::OnUpdateViewProperties},
        {ID_VIEW_REQUIREMENTS, &CFilterDoc::OnViewRequirements, nullptr},
    };
    for (const Entry& entry : kMessageMap) {
        if (entry.id != id)
            continue;
        if (!pCmdUI)
            (this->*entry.run)();
        else if (entry.update)
            (this->*entry.update)(pCmdUI);
        return true;
    }
    return CDocument::OnCmdMsg(id, pCmdUI);
}

void CFilterDoc::SetCoefficients(const CRealArray& coef)
{
    if (const std::string beyond = CheckCoefficientMagnitudes(coef); !beyond.empty()) {
        m_ui.ShowError(text::Tr("CFilterDoc", "The coefficients were not installed: %1.").arg(beyond));
        return;
    }
    m_nLength = coef.GetSize();
    m_pCoef = std::make_unique<CRealArray>(coef);
    m_pResponse = std::make_unique<CComplexArray>(FrequencyResponse(*m_pCoef));
    CoefficientsChanged(DesignNone);
    SetModifiedFlag(true);
}

void CFilterDoc::CoefficientsChanged(int design)
{
    m_nDesign = design;
    m_pRoots.reset();
    StopViewer();
    m_pDisplay = std::make_unique<CRealArray>(ImpulseDisplay(*m_pCoef));
    m_displayUndefined.clear();
    m_nDisplay = DisplayImpulse;
    m_ui.ShowStatus(std::string());  // an estimate shown stood before these coefficients
    UpdateAllViews(nullptr);
}

void CFilterDoc::StopViewer()
{
    if (m_hViewer && m_hViewer->IsRunning())
        m_hViewer->Terminate();
    m_hViewer.reset();
}

CDesignRecord CFilterDoc::GetDesignRecord() const
{
    const int type = m_nDesign == DesignMinimax ? m_nEquirippleType : m_nFilterType;
    const bool atFloor = m_nDesign == DesignMinimax && m_bAtRoundingFloor;
    return {m_nDesign, type, m_dLowCutoff, m_dHighCutoff, m_dAttenuation, atFloor};
}

CFilterMeasurement CFilterDoc::Measure() const { return MeasureFilter(*m_pCoef, m_requirements, GetDesignRecord()); }

double CFilterDoc::GetDisplaySpacing() const
{
    return DisplaySpacing(m_nDisplay, m_pCoef ? m_pCoef->GetSize() : 0, m_pResponse ? m_pResponse->GetSize() : 0);
}
