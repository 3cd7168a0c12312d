#include "MeasurementReport.h"

#include "AxisScale.h"
#include "FilterDesign.h"
#include "Message.h"
#include "NumberText.h"

namespace {

using text::CMessage;
using text::Tr;
using text::TrNoop;

const char* const kNotDesigned = TrNoop("MeasurementReport",
    "unknown: the coefficients were not designed here (they were written, converted to minimum phase or loaded)");
const char* const kUnknown = TrNoop("MeasurementReport", "unknown");
const char* const kTypeNames[] = {TrNoop("MeasurementReport", "low pass"), TrNoop("MeasurementReport", "high pass"),
    TrNoop("MeasurementReport", "band pass"), TrNoop("MeasurementReport", "band elimination")};
constexpr size_t kMaxListed = 8;

std::string number(double v) { return FormatGeneral(v, 6); }

std::string frequency(double f, double sampleRate)
{
    if (!(sampleRate > 0.0))
        return number(f);
    return Tr("MeasurementReport", "%1 (%2)").arg(number(f)).arg(FormatFrequency(f, sampleRate));
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

std::string widths(const std::vector<std::optional<double>>& list, double sampleRate)
{
    std::string text;
    for (size_t i = 0; i < list.size(); ++i)
        text += (i ? ", " : "")
            + (list[i] ? frequency(*list[i], sampleRate) : Tr("MeasurementReport", "not reached").str());
    return text;
}

// A figure in dB, or why there is none: no pass band (pass) or stop band outside the transitions.
std::string decibels(const std::optional<double>& v, bool pass)
{
    if (v)
        return Tr("MeasurementReport", "%1 dB").arg(number(*v));
    return pass ? Tr("MeasurementReport", "none: no pass band outside the transitions")
                : Tr("MeasurementReport", "none: no stop band outside the transitions");
}

std::string cutoff(double f, double centre, double sampleRate)
{
    const std::string text = frequency(f, sampleRate);
    if (centre == f)
        return text;
    return Tr("MeasurementReport", "%1, transition centred at %2").arg(text).arg(number(centre));
}

void addDesign(std::vector<CReportLine>& lines, const CFilterMeasurement& m, double sampleRate)
{
    const CDesignRecord& d = m.design;
    lines.push_back({Tr("MeasurementReport", "type"), Tr("MeasurementReport", kTypeNames[d.nType])});
    lines.push_back({Tr("MeasurementReport", "low cut-off"), cutoff(d.dLow, m.bands.centres.at(0), sampleRate)});
    if (d.nType >= BandPass)
        lines.push_back({Tr("MeasurementReport", "high cut-off"), cutoff(d.dHigh, m.bands.centres.at(1), sampleRate)});
    lines.push_back(
        {Tr("MeasurementReport", "asked attenuation"), Tr("MeasurementReport", "%1 dB").arg(number(d.dAttenuation))});
    if (d.nMethod == DesignKaiser)
        lines.push_back({Tr("MeasurementReport", "Kaiser beta"), number(KaiserBeta(d.dAttenuation))});
    lines.push_back({Tr("MeasurementReport", "excluded transition width"),
        Tr("MeasurementReport", "%1 (Kaiser's formula)").arg(frequency(m.bands.dWidth, sampleRate))});
}

void addAchieved(std::vector<CReportLine>& lines, const CFilterMeasurement& m)
{
    if (m.design.nMethod == DesignNone) {
        for (const char* name :
            {TrNoop("MeasurementReport", "pass-band ripple"), TrNoop("MeasurementReport", "pass-band deviation"),
                TrNoop("MeasurementReport", "stop-band attenuation")})
            lines.push_back({Tr("MeasurementReport", name), Tr("MeasurementReport", kUnknown)});
        return;
    }
    lines.push_back({Tr("MeasurementReport", "pass-band ripple"),
        m.passRipple ? Tr("MeasurementReport", "%1 dB peak-to-peak").arg(number(*m.passRipple)).str()
                     : decibels(m.passRipple, true)});
    lines.push_back({Tr("MeasurementReport", "pass-band deviation"), decibels(m.passDeviation, true)});
    CReportLine stop{
        Tr("MeasurementReport", "stop-band attenuation"), decibels(m.stopAttenuation, false), m.AttenuationMissed()};
    if (stop.bMarked)
        stop.strValue = Tr("MeasurementReport", "%1, more than 1 dB short of the asked %2 dB")
                            .arg(stop.strValue)
                            .arg(number(m.design.dAttenuation));
    lines.push_back(stop);
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
    return Tr("MeasurementReport", "%1 to %2 within 3 dB of the largest amplitude")
        .arg(number(m.dDelayMin))
        .arg(samples(m.dDelayMax));
}

// The figures nobody can know for coefficients that were not designed here.
void addUnknownDesign(std::vector<CReportLine>& lines)
{
    for (const char* name : {TrNoop("MeasurementReport", "type"), TrNoop("MeasurementReport", "cut-offs"),
             TrNoop("MeasurementReport", "asked attenuation")})
        lines.push_back({Tr("MeasurementReport", name), Tr("MeasurementReport", kUnknown)});
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
        addDesign(lines, m, sampleRate);
    else
        addUnknownDesign(lines);
    addAchieved(lines, m);
    lines.push_back({Tr("MeasurementReport", "-3 dB edges"), frequencies(m.edges3dB, sampleRate)});
    lines.push_back({Tr("MeasurementReport", "-6 dB edges"), frequencies(m.edges6dB, sampleRate)});
    lines.push_back({Tr("MeasurementReport", "transition width"),
        designed ? widths(m.transitionWidths, sampleRate) : Tr("MeasurementReport", kUnknown).str()});
    lines.push_back({Tr("MeasurementReport", "DC gain"), number(m.dDcGain)});
    lines.push_back({Tr("MeasurementReport", "sum of |h|"), number(m.dAbsSum)});
    const char* const symmetry[] = {TrNoop("MeasurementReport", "no"),
        TrNoop("MeasurementReport", "yes (linear phase)"), TrNoop("MeasurementReport", "antisymmetric (linear phase)")};
    lines.push_back({Tr("MeasurementReport", "symmetric"), Tr("MeasurementReport", symmetry[m.nSymmetry])});
    lines.push_back({Tr("MeasurementReport", "group delay"), groupDelay(m, sampleRate)});
    return lines;
}

std::string FormatReport(const std::vector<CReportLine>& lines)
{
    std::string text;
    for (const CReportLine& line : lines)
        text += line.strName + ": " + line.strValue + "\n";
    return text;
}
