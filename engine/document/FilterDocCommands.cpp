// The design, display and export commands of the filter document.
#include "CFilterDoc.h"

#include "CFilterUi.h"
#include "CoefficientText.h"
#include "DisplayData.h"
#include "FileIo.h"
#include "FilterDesign.h"
#include "GroupDelay.h"
#include "Message.h"
#include "Resource.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

void CFilterDoc::OnToolLength()
{
    CLengthEstimateData data;
    if (!m_ui.DoLengthEstimateDialog(data))
        return;
    const CLengthEstimate estimate = EstimateLength(data.m_dInbandRipple, data.m_dOutbandAttn, data.m_dTransition);
    if (!estimate.strError.empty()) {
        m_ui.ShowError(estimate.strError);
        return;
    }
    m_dAttenuation = data.m_dOutbandAttn;
    m_nLength = estimate.nLength;
    m_passBandAim = CPassBandAim{data.m_dTransition, std::min(data.m_dInbandRipple, kMaxRequirementRipple)};
    m_ui.ShowStatus(m_nLength > kMaxDesignLength
            ? text::Tr("CFilterDoc", "Estimated length: %1 taps, more than the %2 the pass-band design accepts")
                  .arg(m_nLength)
                  .arg(kMaxDesignLength)
            : text::Tr("CFilterDoc", "Estimated length: %1 taps").arg(m_nLength));
}

void CFilterDoc::OnToolPassband()
{
    CPassBandData data;
    data.m_nFilterLength = m_nLength;
    data.m_dOutbandAttn = m_dAttenuation;
    data.m_dLow = m_dLowCutoff;
    data.m_dHigh = m_dHighCutoff;
    if (!m_ui.DoPassBandDialog(data, [this](const CPassBandData& d) { return FindShortestPassBand(d); }))
        return;
    std::optional<CPassBandDesign> design;  // CRealArray's assignment keeps its size: emplace
    try {
        design.emplace(DesignPassBand(data.m_nType, data.m_nFilterLength, data.m_dLow, data.m_dHigh, data.m_dOutbandAttn));
    } catch (const std::invalid_argument& e) {
        m_ui.ShowError(text::Tr("CFilterDoc", "The filter was not designed: %1.").arg(e.what()));
        return;
    }
    m_nFilterType = data.m_nType;
    m_nLength = data.m_nFilterLength;
    m_dLowCutoff = data.m_dLow;
    m_dHighCutoff = data.m_dHigh;
    m_dAttenuation = data.m_dOutbandAttn;
    m_pIdeal = std::make_unique<CRealArray>(std::move(design->ideal));
    m_pCoef = std::make_unique<CRealArray>(std::move(design->coefficients));
    m_pResponse = std::make_unique<CComplexArray>(FrequencyResponse(*m_pCoef));
    m_requirements = PassBandRequirementsOf(data, m_passBandAim);
    CoefficientsChanged(DesignKaiser);
    SetModifiedFlag(true);
}

void CFilterDoc::SelectDisplay(int selection)
{
    m_nDisplay = selection;
    const bool fromCoefficients = selection == DisplayImpulse || selection == DisplayGroupDelay || selection == DisplayStep;
    if (fromCoefficients ? !m_pCoef : !m_pResponse)
        return;
    m_displayUndefined.clear();
    switch (selection) {
    case DisplayImpulse: m_pDisplay = std::make_unique<CRealArray>(ImpulseDisplay(*m_pCoef)); break;
    case DisplayGroupDelay: {
        CGridValues delay = GroupDelayDisplay(*m_pCoef);
        m_pDisplay = std::make_unique<CRealArray>(std::move(delay.values));
        m_displayUndefined = std::move(delay.undefined);
        break;
    }
    case DisplayStep: m_pDisplay = std::make_unique<CRealArray>(StepDisplay(*m_pCoef)); break;
    case DisplayAmplitude: m_pDisplay = std::make_unique<CRealArray>(AmplitudeDisplay(*m_pResponse, m_bDecibel == 1)); break;
    case DisplayPhase: m_pDisplay = std::make_unique<CRealArray>(PhaseDisplay(*m_pResponse)); break;
    case DisplayReal: m_pDisplay = std::make_unique<CRealArray>(RealDisplay(*m_pResponse)); break;
    default: m_pDisplay = std::make_unique<CRealArray>(ImagDisplay(*m_pResponse)); break;
    }
    UpdateAllViews(nullptr);
}

void CFilterDoc::OnViewImpulse() { SelectDisplay(DisplayImpulse); }
void CFilterDoc::OnViewAmplitude() { SelectDisplay(DisplayAmplitude); }
void CFilterDoc::OnViewPhase() { SelectDisplay(DisplayPhase); }
void CFilterDoc::OnViewReal() { SelectDisplay(DisplayReal); }
void CFilterDoc::OnViewImag() { SelectDisplay(DisplayImag); }
void CFilterDoc::OnViewGroupDelay() { SelectDisplay(DisplayGroupDelay); }
void CFilterDoc::OnViewStep() { SelectDisplay(DisplayStep); }

void CFilterDoc::OnViewDb()
{
    m_bDecibel = m_bDecibel == 0 ? 1 : 0;
    if (m_nDisplay == DisplayAmplitude)
        OnViewAmplitude();
}

void CFilterDoc::OnUpdateViewImpulse(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nDisplay == DisplayImpulse); }
void CFilterDoc::OnUpdateViewAmplitude(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nDisplay == DisplayAmplitude); }
void CFilterDoc::OnUpdateViewPhase(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nDisplay == DisplayPhase); }
void CFilterDoc::OnUpdateViewReal(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nDisplay == DisplayReal); }
void CFilterDoc::OnUpdateViewImag(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nDisplay == DisplayImag); }
void CFilterDoc::OnUpdateViewGroupDelay(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nDisplay == DisplayGroupDelay); }
void CFilterDoc::OnUpdateViewStep(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nDisplay == DisplayStep); }
void CFilterDoc::OnUpdateViewDb(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bDecibel == 1); }

void CFilterDoc::OnViewProperties()
{
    if (m_pCoef && m_pCoef->GetSize() > 0)
        m_ui.ShowFilterProperties(Measure());
}

void CFilterDoc::OnUpdateViewProperties(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pCoef && m_pCoef->GetSize() > 0); }

void CFilterDoc::OnFileSaveText()
{
    if (!m_pCoef)
        return;
    if (m_pCoef->GetSize() == 0) {
        m_ui.ShowError(text::Tr("CFilterDoc", "There are no coefficients to export."));
        return;
    }
    const std::string path = m_ui.AskTextExportPath("beta.txt");
    if (path.empty())
        return;
    try {
        exchange::WriteFileAtomically(path, FormatCoefficientText(*m_pCoef));
    } catch (const exchange::FileError& e) {
        m_ui.ShowError(text::Tr("CFilterDoc", "The coefficients were not exported: %1.").arg(e.what()));
    }
}

void CFilterDoc::OnUpdateFileSaveText(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pCoef != nullptr); }
