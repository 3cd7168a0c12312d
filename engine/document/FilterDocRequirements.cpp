// The filter document's requirements: their dialog, their file beside the document, those a
// pass-band design sets, and the design dialogs' search for the shortest filter.
#include "CFilterDoc.h"

#include "CFilterUi.h"
#include "FileIo.h"
#include "FilterDesign.h"
#include "MeasurementReport.h"
#include "NumberText.h"
#include "Printable.h"
#include "RequirementsFile.h"
#include "ShortestFilter.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace {

// Kaiser's transition width for a window design of length n (n < 2 as 2) and attenuation.
double kaiserWidth(double attenuation, int n) { return KaiserTransitionWidth(attenuation, std::max(n, 2)); }

// The length-search progress as the user follows it.
CSearchProgress followedBy(CWorkProgress& progress)
{
    return [&progress](int n) {
        return progress.Continue(text::Tr("CFilterDoc", "Designing and measuring %1 taps...").arg(n));
    };
}

// Why a search found no length: the longest tried and how it misses; for a window design
// whose pass band misses, the attenuation that gives deviations as small as the ripple's.
std::string refusal(const CShortestResult& result, int limit, double designAttenuation, double sampleRate)
{
    if (result.bCancelled)
        return {};
    if (!result.longest)
        return text::Tr("CFilterDoc", "No length up to %1 gives a design that meets the requirements.").arg(limit);
    std::string why = text::Tr("CFilterDoc", "No length up to %1 meets the requirements: at %2 taps the filter still misses them (%3).")
                          .arg(limit)
                          .arg(result.nLongestTried)
                          .arg(VerdictSummary(*result.longest, sampleRate));
    const CRequirements& r = *result.longest->requirements;
    const double needed = -20.0 * std::log10(PassDeviation(r.dRipple));
    if (designAttenuation >= 0.0 && result.longest->PassMissed() && designAttenuation < needed)
        why += " " + text::Tr("CFilterDoc", "A window design deviates in its pass band about as far as in its stop band: "
                                            "for a ripple of %1 dB raise the attenuation to at least %2 dB.")
                         .arg(FormatGeneral(r.dRipple, 6))
                         .arg(FormatGeneral(std::ceil(needed * 10.0) / 10.0, 6))
                         .str();
    return why;
}

// The requirements in file, or none and why (empty when there is no such file).
std::optional<CRequirements> readRequirements(const std::string& file, std::string& why)
{
    try {
        return ReadRequirementsFile(file);
    } catch (const exchange::FileError& e) {
        std::error_code error;
        why = std::filesystem::exists(file, error) ? e.what() : std::string();
    } catch (const CRequirementsFileError& e) {
        why = text::Tr("CFilterDoc", "\"%1\" is damaged: %2").arg(exchange::PrintableText(file)).arg(e.what());
    }
    return std::nullopt;
}

// What the status bar says when the file beside a document gave no requirements (why it
// did not, empty when there is none): whether the stored values gave them instead.
std::string derivedStatus(bool derived, const std::string& why)
{
    const text::CMessage how = derived
        ? text::Tr("CFilterDoc", "the requirements were derived from the document's type, cut-offs and attenuation")
        : text::Tr("CFilterDoc", "the document's type, cut-offs and attenuation give none: state them in the View menu");
    if (why.empty())
        return text::Tr("CFilterDoc", "No requirements beside the document; %1.").arg(how);
    return text::Tr("CFilterDoc", "The requirements beside the document were not taken (%1); %2.").arg(why).arg(how);
}

}  // namespace

CRequirements CFilterDoc::PassBandRequirementsOf(const CPassBandData& data, const std::optional<CPassBandAim>& aim)
{
    const double attenuation = data.m_dOutbandAttn;
    const double width = aim ? aim->dTransition : kaiserWidth(attenuation, data.m_nFilterLength);
    const double ripple = aim ? aim->dRipple : KaiserRipple(attenuation);
    return PassBandRequirements(data.m_nType, data.m_dLow, data.m_dHigh, attenuation, width, ripple);
}

CShortestAnswer CFilterDoc::FindShortestPassBand(const CPassBandData& data)
{
    if (!m_passBandAim && data.m_nFilterLength < 1)
        return {0, text::Tr("CFilterDoc", "The search needs the transition width to reach: enter a length whose "
                                          "Kaiser transition width to aim at, estimate the length first, or state "
                                          "the requirements (View menu).")};
    const CRequirements requirements = PassBandRequirementsOf(data, m_passBandAim);
    const std::unique_ptr<CWorkProgress> progress = m_ui.BeginWork(text::Tr("CFilterDoc", "Shortest filter"));
    const CShortestResult found = ShortestPassBand(data.m_nType, data.m_dLow, data.m_dHigh, data.m_dOutbandAttn,
        kMaxDesignLength, requirements, followedBy(*progress));
    if (found.nLength)
        return {found.nLength, {}};
    return {0, refusal(found, kMaxDesignLength, data.m_dOutbandAttn, m_ui.SampleRate())};
}

CShortestAnswer CFilterDoc::FindShortestEquiripple(const CEquirippleData& data)
{
    const std::unique_ptr<CWorkProgress> progress = m_ui.BeginWork(text::Tr("CFilterDoc", "Shortest filter"));
    const CShortestResult found = ShortestEquiripple(EquirippleRequestOf(data), followedBy(*progress));
    if (found.nLength)
        return {found.nLength, {}};
    return {0, refusal(found, kMaxEquirippleLength, -1.0, m_ui.SampleRate())};
}

void CFilterDoc::OnViewRequirements()
{
    CRequirements r = m_requirements.value_or(CRequirements());
    // The dialog states the four types' edges: requirements of bands are offered as a low
    // pass of their ripple and attenuation, and stay as they are unless confirmed.
    if (RequirementsTakeBands(r.nType))
        r = {LowPass, CRequirements().edges, r.dRipple, r.dAttenuation, {}};
    if (m_ui.DoRequirementsDialog(r))
        SetRequirements(r);
}

void CFilterDoc::SetRequirements(const CRequirements& r)
{
    CheckRequirements(r);
    m_requirements = r;
    m_passBandAim = CPassBandAim{NarrowestTransition(r), r.dRipple};
    SetModifiedFlag(true);
    UpdateAllViews(nullptr);
}

void CFilterDoc::OnOpenDocument(const std::string& path)
{
    m_strOpeningPath = path;
    try {
        CDocument::OnOpenDocument(path);
    } catch (...) {
        m_strOpeningPath.clear();
        throw;
    }
    m_strOpeningPath.clear();
}

void CFilterDoc::TakeLoadedRequirements()
{
    std::string why;
    if (!m_strOpeningPath.empty() && (m_requirements = readRequirements(RequirementsPath(m_strOpeningPath), why)))
        return;
    m_requirements = DerivedRequirements();
    if (!m_strOpeningPath.empty())
        m_ui.ShowStatus(derivedStatus(m_requirements.has_value(), why));
}

std::optional<CRequirements> CFilterDoc::DerivedRequirements() const
{
    CPassBandData stored;
    stored.m_nType = m_nFilterType;
    stored.m_dLow = m_dLowCutoff;
    stored.m_dHigh = m_dHighCutoff;
    stored.m_dOutbandAttn = m_dAttenuation;
    stored.m_nFilterLength = m_pCoef ? m_pCoef->GetSize() : m_nLength;
    try {
        return PassBandRequirementsOf(stored, std::nullopt);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

void CFilterDoc::OnSaveDocument(const std::string& path)
{
    CDocument::OnSaveDocument(path);
    if (!m_requirements)
        return;
    try {
        WriteRequirementsFile(RequirementsPath(path), *m_requirements);
    } catch (const exchange::FileError& e) {
        m_ui.ShowError(text::Tr("CFilterDoc", "The document was saved, but not its requirements: %1.").arg(e.what()));
    }
}
