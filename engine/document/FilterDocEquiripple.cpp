// The equiripple design command of the filter document.
#include "CFilterDoc.h"

#include "CFilterUi.h"
#include "DisplayData.h"
#include "FilterDesign.h"
#include "Resource.h"

#include <optional>

CEquirippleData CFilterDoc::EquirippleDialogData() const
{
    CEquirippleData data = m_lastEquiripple;
    data.m_nLength = m_nLength;
    data.m_dAttenuation = m_dAttenuation;
    return data;
}

void CFilterDoc::OnToolEquiripple()
{
    CEquirippleData data = EquirippleDialogData();
    std::optional<CRealArray> designed;
    const auto design = [&designed](const CEquirippleData& typed) -> std::string {
        try {
            designed.emplace(DesignEquiripple(EquirippleRequestOf(typed)).coefficients);
            return {};
        } catch (const std::exception& e) {
            return e.what();
        }
    };
    const auto shortest = [this](const CEquirippleData& d) { return FindShortestEquiripple(d); };
    if (!m_ui.DoEquirippleDialog(data, shortest, design) || !designed)
        return;
    m_lastEquiripple = data;
    InstallEquiripple(data, *designed);
}

void CFilterDoc::InstallEquiripple(const CEquirippleData& data, const CRealArray& coefficients)
{
    m_nFilterType = data.m_nType;
    m_nLength = coefficients.GetSize();
    m_dLowCutoff = 0.5 * (data.m_dEdges[0] + data.m_dEdges[1]);
    if (data.m_nType >= BandPass)
        m_dHighCutoff = 0.5 * (data.m_dEdges[2] + data.m_dEdges[3]);
    m_dAttenuation = data.m_dAttenuation;
    m_pIdeal = std::make_unique<CRealArray>(
        DesignPassBand(m_nFilterType, m_nLength, m_dLowCutoff, m_dHighCutoff, m_dAttenuation).ideal);
    m_pCoef = std::make_unique<CRealArray>(coefficients);
    m_pResponse = std::make_unique<CComplexArray>(FrequencyResponse(*m_pCoef));
    m_requirements = EquirippleRequirements(EquirippleRequestOf(data));
    CoefficientsChanged(DesignMinimax);
    SetModifiedFlag(true);
}
