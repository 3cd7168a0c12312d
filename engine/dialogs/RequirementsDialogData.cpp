#include "RequirementsDialogData.h"

#include "ControlIds.h"
#include "Message.h"
#include "NumberText.h"

namespace {

double scaleOf(double sampleRateHz) { return sampleRateHz > 0.0 ? sampleRateHz : 1.0; }

// Reads an edge that must lie within lo .. hi, in the units shown.
std::optional<CExchangeFailure> exchangeEdge(int nControl, const std::string& text, double lo, double hi,
    double& shown)
{
    const std::optional<double> parsed = ParseDouble(text);
    if (!parsed || !(*parsed >= lo && *parsed <= hi))
        return CExchangeFailure{nControl,
            text::Tr("RequirementsDialogData", "Please enter a number between %1 and %2.")
                .arg(FormatGeneral(lo, 6))
                .arg(FormatGeneral(hi, 6))};
    shown = *parsed;
    return std::nullopt;
}

}  // namespace

CRequirementsTexts WriteRequirements(const CRequirements& r, double sampleRateHz)
{
    CRequirementsTexts texts;
    texts.nType = r.nType;
    const double last = r.edges.back();
    for (size_t i = 0; i < texts.strEdges.size(); ++i) {
        const double edge = i < r.edges.size() ? r.edges[i] : last + (i + 1.0 - r.edges.size()) * (0.5 - last) / 3.0;
        texts.strEdges[i] = FormatDouble(edge * scaleOf(sampleRateHz));
    }
    texts.strRipple = FormatDouble(r.dRipple);
    texts.strAttenuation = FormatDouble(r.dAttenuation);
    return texts;
}

std::optional<CExchangeFailure> ReadRequirements(const CRequirementsTexts& texts, double sampleRateHz,
    CRequirements& r)
{
    r.nType = texts.nType;
    const double scale = scaleOf(sampleRateHz);
    double previous = 0.0;
    r.edges.assign(static_cast<size_t>(RequirementEdgeCount(r.nType)), 0.0);
    for (size_t i = 0; i < r.edges.size(); ++i) {
        double shown = 0.0;
        if (auto failure = exchangeEdge(IDC_EDGE1 + static_cast<int>(i), texts.strEdges[i], previous, 0.5 * scale, shown))
            return failure;
        r.edges[i] = shown / scale;
        previous = shown;
    }
    if (auto failure = ExchangeDouble(IDC_RIPPLE, texts.strRipple, 0.00001, kMaxRequirementRipple, r.dRipple))
        return failure;
    return ExchangeDouble(IDC_ATTENUATION, texts.strAttenuation, 0.0, kMaxRequirementAttenuation, r.dAttenuation);
}
