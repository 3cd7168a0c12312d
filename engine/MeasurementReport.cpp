#include "MeasurementReport.h"

#include "AxisScale.h"
#include "DataExchange.h"
#include "FilterDesign.h"

namespace {

const char* const kNotDesigned = "unknown: the coefficients were not designed here (they were written, converted to "
                                 "minimum phase or loaded)";
const char* const kUnknown = "unknown";
const char* const kTypeNames[] = {"low pass", "high pass", "band pass", "band elimination"};
constexpr size_t kMaxListed = 8;

std::string number(double v) { return FormatGeneral(v, 6); }

std::string frequency(double f, double sampleRate)
{
    return number(f) + (sampleRate > 0.0 ? " (" + FormatFrequency(f, sampleRate) + ")" : "");
}

std::string frequencies(const std::vector<double>& list, double sampleRate)
{
    if (list.empty())
        return "none";
    std::string text;
    for (size_t i = 0; i < list.size() && i < kMaxListed; ++i)
        text += (i ? ", " : "") + frequency(list[i], sampleRate);
    if (list.size() > kMaxListed)
        text += ", ... (" + std::to_string(list.size()) + " in all)";
    return text;
}

std::string widths(const std::vector<std::optional<double>>& list, double sampleRate)
{
    std::string text;
    for (size_t i = 0; i < list.size(); ++i)
        text += (i ? ", " : "") + (list[i] ? frequency(*list[i], sampleRate) : "not reached");
    return text;
}

std::string decibels(const std::optional<double>& v, const char* bandKind)
{
    return v ? number(*v) + " dB" : std::string("none: no ") + bandKind + " band outside the transitions";
}

std::string cutoff(double f, double centre, double sampleRate)
{
    const std::string text = frequency(f, sampleRate);
    return centre == f ? text : text + ", transition centred at " + number(centre);
}

void addDesign(std::vector<CReportLine>& lines, const CFilterMeasurement& m, double sampleRate)
{
    const CDesignRecord& d = m.design;
    lines.push_back({"type", kTypeNames[d.nType]});
    lines.push_back({"low cut-off", cutoff(d.dLow, m.bands.centres.at(0), sampleRate)});
    if (d.nType >= BandPass)
        lines.push_back({"high cut-off", cutoff(d.dHigh, m.bands.centres.at(1), sampleRate)});
    lines.push_back({"asked attenuation", number(d.dAttenuation) + " dB"});
    if (d.nMethod == DesignKaiser)
        lines.push_back({"Kaiser beta", number(KaiserBeta(d.dAttenuation))});
    lines.push_back({"excluded transition width", frequency(m.bands.dWidth, sampleRate) + " (Kaiser's formula)"});
}

void addAchieved(std::vector<CReportLine>& lines, const CFilterMeasurement& m)
{
    if (m.design.nMethod == DesignNone) {
        for (const char* name : {"pass-band ripple", "pass-band deviation", "stop-band attenuation"})
            lines.push_back({name, kUnknown});
        return;
    }
    lines.push_back({"pass-band ripple", decibels(m.passRipple, "pass") + (m.passRipple ? " peak-to-peak" : "")});
    lines.push_back({"pass-band deviation", decibels(m.passDeviation, "pass")});
    CReportLine stop{"stop-band attenuation", decibels(m.stopAttenuation, "stop"), m.AttenuationMissed()};
    if (stop.bMarked)
        stop.strValue += ", more than 1 dB short of the asked " + number(m.design.dAttenuation) + " dB";
    lines.push_back(stop);
}

std::string groupDelay(const CFilterMeasurement& m, double sampleRate)
{
    const auto samples = [sampleRate](double v) {
        return number(v) + " samples" + (sampleRate > 0.0 ? " (" + FormatTime(v, sampleRate) + ")" : "");
    };
    if (m.nSymmetry != Asymmetric)
        return samples(m.dDelayMin) + ", constant";
    return number(m.dDelayMin) + " to " + samples(m.dDelayMax) + " within 3 dB of the largest amplitude";
}

}  // namespace

std::vector<CReportLine> MeasurementReport(const CFilterMeasurement& m, double sampleRate)
{
    const bool designed = m.design.nMethod != DesignNone;
    const char* const methods[] = {kNotDesigned, "Kaiser window", "equiripple (Parks-McClellan)"};
    std::vector<CReportLine> lines = {{"length", std::to_string(m.nLength)}, {"design", methods[m.design.nMethod]}};
    if (designed)
        addDesign(lines, m, sampleRate);
    else
        for (const char* name : {"type", "cut-offs", "asked attenuation"})
            lines.push_back({name, kUnknown});
    addAchieved(lines, m);
    lines.push_back({"-3 dB edges", frequencies(m.edges3dB, sampleRate)});
    lines.push_back({"-6 dB edges", frequencies(m.edges6dB, sampleRate)});
    lines.push_back({"transition width", designed ? widths(m.transitionWidths, sampleRate) : kUnknown});
    lines.push_back({"DC gain", number(m.dDcGain)});
    lines.push_back({"sum of |h|", number(m.dAbsSum)});
    const char* const symmetry[] = {"no", "yes (linear phase)", "antisymmetric (linear phase)"};
    lines.push_back({"symmetric", symmetry[m.nSymmetry]});
    lines.push_back({"group delay", groupDelay(m, sampleRate)});
    return lines;
}

std::string FormatReport(const std::vector<CReportLine>& lines)
{
    std::string text;
    for (const CReportLine& line : lines)
        text += line.strName + ": " + line.strValue + "\n";
    return text;
}
