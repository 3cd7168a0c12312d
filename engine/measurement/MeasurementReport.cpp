#include "MeasurementReport.h"

#include "AxisScale.h"
#include "FilterDesign.h"
#include "Message.h"
#include "NumberText.h"

#include <cmath>

namespace {

using text::CMessage;
using text::Tr;
using text::TrNoop;

const char* const kNotDesigned = TrNoop("MeasurementReport",
    "not designed here (the coefficients were written, converted to minimum phase or loaded)");
const char* const kNoRequirements = TrNoop("MeasurementReport", "unknown: the filter has no requirements");
const char* const kTypeNames[] = {TrNoop("MeasurementReport", "low pass"), TrNoop("MeasurementReport", "high pass"),
    TrNoop("MeasurementReport", "band pass"), TrNoop("MeasurementReport", "band elimination"),
    TrNoop("MeasurementReport", "multiband"), TrNoop("MeasurementReport", "differentiator"),
    TrNoop("MeasurementReport", "Hilbert transformer"), TrNoop("MeasurementReport", "half-band low pass")};
constexpr size_t kMaxListed = 8;

std::string number(double v) { return FormatGeneral(v, 6); }
std::string decibels(double v) { return FormatGeneral(v, 3); }

std::string frequency(double f, double sampleRate)
{
    if (!(sampleRate > 0.0))
        return number(f);
    return Tr("MeasurementReport", "%1 (%2)").arg(number(f)).arg(FormatFrequency(f, sampleRate));
}

// A frequency as short as the status bar wants it: in Hz with a sample rate, else the fraction.
std::string shortFrequency(double f, double sampleRate)
{
    return sampleRate > 0.0 ? FormatFrequency(f, sampleRate) : number(f);
}

std::string frequencies(const std::vector<double>& list, double sampleRate)
{
    if (list.empty())
        return Tr("MeasurementReport", "none");
    std::string text;
    for (size_t i = 0; i < list.size() && i < kMaxListed; ++i)
        text += (i ? ", " : "") + frequency(list[i], sampleRate);
    if (list.size() <= kMaxListed)
        return text;
    return Tr("MeasurementReport", "%1, ... (%2 in all)").arg(text).arg(list.size());
}

std::string widths(const CFilterMeasurement& m, double sampleRate)
{
    const std::vector<std::optional<double>>& list = m.transitionWidths;
    if (list.empty())
        return m.requirements ? Tr("MeasurementReport", "none: no pass band lies beside a stop band").str()
                              : Tr("MeasurementReport", kNoRequirements).str();
    std::string text;
    for (size_t i = 0; i < list.size(); ++i)
        text += (i ? ", " : "")
            + (list[i] ? frequency(*list[i], sampleRate) : Tr("MeasurementReport", "not reached").str());
    return text;
}

// "meets", or "misses by X dB at F" for an excess above 0.
std::string verdict(const CFigure& excess, double sampleRate)
{
    if (excess.dDb <= 0.0)
        return Tr("MeasurementReport", "meets");
    return Tr("MeasurementReport", "misses by %1 dB at %2").arg(decibels(excess.dDb)).arg(frequency(excess.dFrequency, sampleRate));
}

void addDesign(std::vector<CReportLine>& lines, const CDesignRecord& d, double sampleRate)
{
    lines.push_back({Tr("MeasurementReport", "type"), Tr("MeasurementReport", kTypeNames[d.nType])});
    if (!RequirementsTakeBands(d.nType))
        lines.push_back({Tr("MeasurementReport", "low cut-off"), frequency(d.dLow, sampleRate)});
    if (d.nType == BandPass || d.nType == BandElimination)
        lines.push_back({Tr("MeasurementReport", "high cut-off"), frequency(d.dHigh, sampleRate)});
    lines.push_back(
        {Tr("MeasurementReport", "design attenuation"), Tr("MeasurementReport", "%1 dB").arg(number(d.dAttenuation))});
    if (d.nMethod == DesignKaiser)
        lines.push_back({Tr("MeasurementReport", "Kaiser beta"), number(KaiserBeta(d.dAttenuation))});
    if (d.bAtRoundingFloor)
        lines.push_back({Tr("MeasurementReport", "design error"),
            Tr("MeasurementReport", "at the rounding floor: double coefficients cannot hold a smaller error; "
                                    "the figures below are what they reach")});
}

void addPassRipple(std::vector<CReportLine>& lines, const CFilterMeasurement& m, double sampleRate)
{
    const double asked = m.requirements->dRipple;
    const double over = *m.passRipple - asked;
    std::string ripple = Tr("MeasurementReport", "%1 dB peak-to-peak, from %2 dB at %3 to %4 dB at %5")
                             .arg(number(*m.passRipple))
                             .arg(decibels(m.passSmallest->dDb))
                             .arg(frequency(m.passSmallest->dFrequency, sampleRate))
                             .arg(decibels(m.passLargest->dDb))
                             .arg(frequency(m.passLargest->dFrequency, sampleRate));
    ripple = over > 0.0 ? Tr("MeasurementReport", "%1; misses the asked %2 dB by %3 dB").arg(ripple).arg(number(asked)).arg(decibels(over)).str()
                        : Tr("MeasurementReport", "%1; meets the asked %2 dB").arg(ripple).arg(number(asked)).str();
    lines.push_back({Tr("MeasurementReport", "pass-band ripple"), ripple, over > 0.0});
}

// The pass bands' ripple where they share one gain, and their largest deviation from it.
void addPassBand(std::vector<CReportLine>& lines, const CFilterMeasurement& m, double sampleRate)
{
    if (m.passRipple)
        addPassRipple(lines, m, sampleRate);
    const bool unitGain = m.requirements->nType != Multiband && m.requirements->nType != Differentiator;
    const char* const form = unitGain ? TrNoop("MeasurementReport", "%1 dB from 0 dB at %2; %3")
                                      : TrNoop("MeasurementReport", "%1 dB from the band's gain at %2; %3");
    lines.push_back({Tr("MeasurementReport", "pass-band deviation"),
        Tr("MeasurementReport", form)
            .arg(number(m.passDeviation->dDb))
            .arg(frequency(m.passDeviation->dFrequency, sampleRate))
            .arg(verdict(*m.passExcess, sampleRate)),
        m.PassMissed()});
}

void addStopBand(std::vector<CReportLine>& lines, const CFilterMeasurement& m, double sampleRate)
{
    lines.push_back({Tr("MeasurementReport", "stop-band attenuation"),
        Tr("MeasurementReport", "%1 dB at %2, %3 dB asked; %4")
            .arg(number(-m.stopLargest->dDb))
            .arg(frequency(m.stopLargest->dFrequency, sampleRate))
            .arg(number(m.requirements->dAttenuation))
            .arg(verdict(*m.stopExcess, sampleRate)),
        m.StopMissed()});
}

void addAchieved(std::vector<CReportLine>& lines, const CFilterMeasurement& m, double sampleRate)
{
    if (!m.requirements) {
        for (const char* name : {TrNoop("MeasurementReport", "pass-band ripple"),
                 TrNoop("MeasurementReport", "pass-band deviation"), TrNoop("MeasurementReport", "stop-band attenuation")})
            lines.push_back({Tr("MeasurementReport", name), Tr("MeasurementReport", kNoRequirements)});
        return;
    }
    lines.push_back({Tr("MeasurementReport", "requirements"), DescribeRequirements(*m.requirements, sampleRate)});
    if (m.passDeviation)
        addPassBand(lines, m, sampleRate);
    if (m.stopLargest)
        addStopBand(lines, m, sampleRate);
    lines.push_back({Tr("MeasurementReport", "verdict"), VerdictText(m, sampleRate), !m.MeetsRequirements()});
}

std::string groupDelay(const CFilterMeasurement& m, double sampleRate)
{
    const auto samples = [sampleRate](double v) {
        if (!(sampleRate > 0.0))
            return Tr("MeasurementReport", "%1 samples").arg(number(v));
        return Tr("MeasurementReport", "%1 samples (%2)").arg(number(v)).arg(FormatTime(v, sampleRate));
    };
    if (m.nSymmetry != Asymmetric)
        return Tr("MeasurementReport", "%1, constant").arg(samples(m.dDelayMin));
    if (std::isnan(m.dDelayMin))
        return Tr("MeasurementReport", "undefined within 3 dB of the largest amplitude");
    return Tr("MeasurementReport", "%1 to %2 within 3 dB of the largest amplitude")
        .arg(number(m.dDelayMin))
        .arg(samples(m.dDelayMax));
}

void addEdges(std::vector<CReportLine>& lines, const CFilterMeasurement& m, double sampleRate)
{
    const auto edges = [&](const std::vector<double>& list, int below) {
        return Tr("MeasurementReport", "%1; %2 dB below the peak gain of %3 dB at %4")
            .arg(frequencies(list, sampleRate))
            .arg(below)
            .arg(decibels(m.peak.dDb))
            .arg(frequency(m.peak.dFrequency, sampleRate));
    };
    lines.push_back({Tr("MeasurementReport", "-3 dB edges"), edges(m.edges3dB, 3)});
    lines.push_back({Tr("MeasurementReport", "-6 dB edges"), edges(m.edges6dB, 6)});
}

// "pass band by 0.777 dB at 0.416667" for a band kind that misses.
std::string missOf(const char* kind, const CFigure& excess, double sampleRate)
{
    return Tr("MeasurementReport", "%1 by %2 dB at %3")
        .arg(Tr("MeasurementReport", kind))
        .arg(decibels(excess.dDb))
        .arg(shortFrequency(excess.dFrequency, sampleRate));
}

}  // namespace

std::vector<CReportLine> MeasurementReport(const CFilterMeasurement& m, double sampleRate)
{
    const bool designed = m.design.nMethod != DesignNone;
    const char* const methods[] = {kNotDesigned, TrNoop("MeasurementReport", "Kaiser window"),
        TrNoop("MeasurementReport", "equiripple (Parks-McClellan)")};
    std::vector<CReportLine> lines = {{Tr("MeasurementReport", "length"), std::to_string(m.nLength)},
        {Tr("MeasurementReport", "design"), Tr("MeasurementReport", methods[m.design.nMethod])}};
    if (designed)
        addDesign(lines, m.design, sampleRate);
    addAchieved(lines, m, sampleRate);
    lines.push_back({Tr("MeasurementReport", "transition width"), widths(m, sampleRate)});
    addEdges(lines, m, sampleRate);
    lines.push_back({Tr("MeasurementReport", "DC gain"), number(m.dDcGain)});
    lines.push_back({Tr("MeasurementReport", "sum of |h|"), number(m.dAbsSum)});
    const char* const symmetry[] = {TrNoop("MeasurementReport", "no"),
        TrNoop("MeasurementReport", "yes (linear phase)"), TrNoop("MeasurementReport", "antisymmetric (linear phase)")};
    lines.push_back({Tr("MeasurementReport", "symmetric"), Tr("MeasurementReport", symmetry[m.nSymmetry])});
    lines.push_back({Tr("MeasurementReport", "group delay"), groupDelay(m, sampleRate)});
    return lines;
}

std::string VerdictText(const CFilterMeasurement& m, double sampleRate)
{
    if (!m.requirements)
        return {};
    if (m.MeetsRequirements())
        return Tr("MeasurementReport", "Meets the requirements");
    const char* const pass = TrNoop("MeasurementReport", "pass band");
    const char* const stop = TrNoop("MeasurementReport", "stop band");
    if (!m.StopMissed())
        return Tr("MeasurementReport", "Misses: %1").arg(missOf(pass, *m.passExcess, sampleRate));
    if (!m.PassMissed())
        return Tr("MeasurementReport", "Misses: %1").arg(missOf(stop, *m.stopExcess, sampleRate));
    return Tr("MeasurementReport", "Misses: %1")
        .arg(Tr("MeasurementReport", "%1; %2").arg(missOf(pass, *m.passExcess, sampleRate)).arg(missOf(stop, *m.stopExcess, sampleRate)));
}

text::CMessage VerdictSummary(const CFilterMeasurement& m, double sampleRate)
{
    if (!m.requirements)
        return CMessage::Verbatim("");
    if (m.MeetsRequirements())
        return Tr("MeasurementReport", "meets the requirements");
    const auto miss = [sampleRate](const char* kind, const CFigure& excess) {
        return Tr("MeasurementReport", "%1 misses by %2 dB at %3")
            .arg(Tr("MeasurementReport", kind))
            .arg(decibels(excess.dDb))
            .arg(shortFrequency(excess.dFrequency, sampleRate));
    };
    if (!m.StopMissed())
        return miss(TrNoop("MeasurementReport", "pass band"), *m.passExcess);
    if (!m.PassMissed())
        return miss(TrNoop("MeasurementReport", "stop band"), *m.stopExcess);
    return Tr("MeasurementReport", "%1; %2")
        .arg(miss(TrNoop("MeasurementReport", "pass band"), *m.passExcess))
        .arg(miss(TrNoop("MeasurementReport", "stop band"), *m.stopExcess));
}

std::vector<std::string> MissLines(const CFilterMeasurement& m, double sampleRate)
{
    std::vector<std::string> lines;
    if (m.PassMissed())
        lines.push_back(Tr("MeasurementReport", "pass band: %1").arg(verdict(*m.passExcess, sampleRate)));
    if (m.StopMissed())
        lines.push_back(Tr("MeasurementReport", "stop band: %1").arg(verdict(*m.stopExcess, sampleRate)));
    return lines;
}

namespace {

// A band of requirements as the report names it: pass or stop band and its edges, and the
// gain where requirements of bands state one other than 1 (per frequency, f times it).
std::string describeBand(const CRequirementBand& band, double sampleRate)
{
    std::string text = Tr("MeasurementReport", "%1 %2 .. %3")
                           .arg(band.IsStop() ? Tr("MeasurementReport", "stop band") : Tr("MeasurementReport", "pass band"))
                           .arg(shortFrequency(band.dFrom, sampleRate))
                           .arg(shortFrequency(band.dTo, sampleRate));
    if (band.bPerFrequency)
        return Tr("MeasurementReport", "%1 gain f times %2").arg(text).arg(number(band.dGain));
    if (!band.IsStop() && band.dGain != 1.0)
        return Tr("MeasurementReport", "%1 gain %2").arg(text).arg(number(band.dGain));
    return text;
}

}  // namespace

std::string DescribeRequirements(const CRequirements& r, double sampleRate)
{
    std::string bands;
    for (const CRequirementBand& band : RequirementBands(r))
        bands += (bands.empty() ? "" : ", ") + describeBand(band, sampleRate);
    return Tr("MeasurementReport", "%1; %2; ripple %3 dB; attenuation %4 dB")
        .arg(Tr("MeasurementReport", kTypeNames[r.nType]))
        .arg(bands)
        .arg(number(r.dRipple))
        .arg(number(r.dAttenuation));
}

std::string FormatReport(const std::vector<CReportLine>& lines)
{
    std::string text;
    for (const CReportLine& line : lines)
        text += line.strName + ": " + line.strValue + "\n";
    return text;
}
