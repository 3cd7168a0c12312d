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
    std::optional<CEquirippleDesign> designed;
    const auto design = [&designed](const CEquirippleData& typed) -> std::string {
        try {
            designed.emplace(DesignEquiripple(EquirippleRequestOf(typed)));
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

void CFilterDoc::InstallEquiripple(const CEquirippleData& data, const CEquirippleDesign& design)
{
    const CRealArray& coefficients = design.coefficients;
    const CEquirippleRequest request = EquirippleRequestOf(data);
    DescribeEquiripple(request);
    m_nLength = coefficients.GetSize();
    m_dAttenuation = data.m_dAttenuation;
    if (RequirementsTakeBands(request.nType))
        m_pIdeal = std::make_unique<CRealArray>(0);
    else
        m_pIdeal = std::make_unique<CRealArray>(
            DesignPassBand(m_nFilterType, m_nLength, m_dLowCutoff, m_dHighCutoff, m_dAttenuation).ideal);
    m_pCoef = std::make_unique<CRealArray>(coefficients);
    m_pResponse = std::make_unique<CComplexArray>(FrequencyResponse(*m_pCoef));
    m_requirements = EquirippleRequirements(request);
    m_bAtRoundingFloor = design.bAtRoundingFloor;
    CoefficientsChanged(DesignMinimax);
    SetModifiedFlag(true);
}

void CFilterDoc::DescribeEquiripple(const CEquirippleRequest& request)
{
    m_nEquirippleType = request.nType;
    const std::vector<double>& e = request.edges;
    if (request.nType <= BandElimination) {
        m_nFilterType = request.nType;
        m_dLowCutoff = 0.5 * (e[0] + e[1]);
        if (request.nType >= BandPass)
            m_dHighCutoff = 0.5 * (e[2] + e[3]);
    } else if (request.nType == HalfBand) {
        m_nFilterType = LowPass;
        m_dLowCutoff = 0.25;
    } else {
        m_nFilterType = BandPass;
        m_dLowCutoff = request.nType == Hilbert ? e.front() : request.bands.front().dFrom;
        m_dHighCutoff = request.nType == Hilbert ? e.back() : request.bands.back().dTo;
    }
}
