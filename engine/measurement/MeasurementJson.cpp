#include "MeasurementJson.h"

#include "Requirements.h"

namespace {

using text::CJson;

CJson frequencies(const std::vector<double>& fractions, double sampleRate)
{
    CJson list = CJson::Array();
    for (const double f : fractions)
        list.Add(sampleRate > 0.0 ? f * sampleRate : f);
    return list;
}

// {"db", "frequency"[, "frequency_hz"]}.
CJson figure(const CFigure& f, double sampleRate)
{
    CJson o = CJson::Object();
    o.Set("db", f.dDb);
    SetFrequency(o, "frequency", f.dFrequency, sampleRate);
    return o;
}

CJson optionalFigure(const std::optional<CFigure>& f, double sampleRate)
{
    return f ? figure(*f, sampleRate) : CJson();
}

// A list of fractions under key, and in Hz under key + "_hz" with a sample rate.
void setFrequencies(CJson& o, const std::string& key, const std::vector<double>& f, double sampleRate)
{
    o.Set(key, frequencies(f, 0.0));
    if (sampleRate > 0.0)
        o.Set(key + "_hz", frequencies(f, sampleRate));
}

CJson bandJson(const CBandResult& b, double sampleRate)
{
    CJson o = CJson::Object();
    o.Set("kind", b.band.IsStop() ? "stop" : "pass");
    setFrequencies(o, "edges", {b.band.dFrom, b.band.dTo}, sampleRate);
    o.Set("gain", b.band.dGain);  // per unit of frequency where per_frequency
    if (b.band.bPerFrequency)
        o.Set("per_frequency", true);
    o.Set("largest", figure(b.largest, sampleRate));
    o.Set("smallest", figure(b.smallest, sampleRate));
    o.Set("excess", figure(b.excess, sampleRate));
    o.Set("meets", b.Meets());
    return o;
}

CJson passBandJson(const CFilterMeasurement& m, double sampleRate)
{
    if (!m.passRipple)
        return CJson();
    CJson o = CJson::Object();
    o.Set("ripple_db", *m.passRipple);
    o.Set("largest", optionalFigure(m.passLargest, sampleRate));
    o.Set("smallest", optionalFigure(m.passSmallest, sampleRate));
    o.Set("deviation", optionalFigure(m.passDeviation, sampleRate));
    o.Set("excess", optionalFigure(m.passExcess, sampleRate));
    o.Set("meets", !m.PassMissed());
    return o;
}

CJson stopBandJson(const CFilterMeasurement& m, double sampleRate)
{
    if (!m.stopLargest)
        return CJson();
    CJson o = CJson::Object();
    o.Set("attenuation_db", -m.stopLargest->dDb);
    o.Set("largest", figure(*m.stopLargest, sampleRate));
    o.Set("excess", optionalFigure(m.stopExcess, sampleRate));
    o.Set("meets", !m.StopMissed());
    return o;
}

CJson transitionsJson(const CFilterMeasurement& m, double sampleRate)
{
    CJson list = CJson::Array();
    for (const std::optional<double>& w : m.transitionWidths) {
        if (!w) {
            list.Add(CJson());
            continue;
        }
        CJson o = CJson::Object();
        SetFrequency(o, "width", *w, sampleRate);
        list.Add(o);
    }
    return list;
}

CJson delayJson(const CFilterMeasurement& m, double sampleRate)
{
    CJson o = CJson::Object();
    o.Set("min_samples", m.dDelayMin);
    o.Set("max_samples", m.dDelayMax);
    if (sampleRate > 0.0) {
        o.Set("min_seconds", m.dDelayMin / sampleRate);
        o.Set("max_seconds", m.dDelayMax / sampleRate);
    }
    return o;
}

const char* symmetryName(int symmetry)
{
    return symmetry == Symmetric ? "symmetric" : symmetry == Antisymmetric ? "antisymmetric" : "asymmetric";
}

}  // namespace

void SetFrequency(CJson& object, const std::string& key, double f, double sampleRate)
{
    object.Set(key, f);
    if (sampleRate > 0.0)
        object.Set(key + "_hz", f * sampleRate);
}

CJson RequirementsJson(const CRequirements& r, double sampleRate)
{
    CJson o = CJson::Object();
    o.Set("type", FilterTypeName(r.nType));
    setFrequencies(o, "edges", r.edges, sampleRate);
    o.Set("ripple_db", r.dRipple);
    o.Set("attenuation_db", r.dAttenuation);
    if (!r.gains.empty())
        o.Set("gains", frequencies(r.gains, 0.0));
    return o;
}

CJson DesignJson(const CDesignRecord& d, double sampleRate)
{
    if (d.nMethod == DesignNone)
        return CJson();
    CJson o = CJson::Object();
    o.Set("method", d.nMethod == DesignKaiser ? "kaiser" : "equiripple");
    o.Set("type", FilterTypeName(d.nType));
    SetFrequency(o, "low_cutoff", d.dLow, sampleRate);
    if (d.nType >= BandPass)
        SetFrequency(o, "high_cutoff", d.dHigh, sampleRate);
    o.Set("attenuation_db", d.dAttenuation);
    if (d.bAtRoundingFloor)
        o.Set("at_rounding_floor", true);
    return o;
}

CJson MeasurementJson(const CFilterMeasurement& m, double sampleRate)
{
    CJson o = CJson::Object();
    o.Set("length", m.nLength);
    o.Set("design", DesignJson(m.design, sampleRate));
    o.Set("requirements", m.requirements ? RequirementsJson(*m.requirements, sampleRate) : CJson());
    CJson bands = CJson::Array();
    for (const CBandResult& b : m.bands)
        bands.Add(bandJson(b, sampleRate));
    o.Set("bands", bands);
    o.Set("pass_band", passBandJson(m, sampleRate));
    o.Set("stop_band", stopBandJson(m, sampleRate));
    o.Set("meets_requirements", m.requirements ? CJson(m.MeetsRequirements()) : CJson());
    o.Set("transition_widths", transitionsJson(m, sampleRate));
    o.Set("peak", figure(m.peak, sampleRate));
    setFrequencies(o, "edges_3db", m.edges3dB, sampleRate);
    setFrequencies(o, "edges_6db", m.edges6dB, sampleRate);
    o.Set("dc_gain", m.dDcGain);
    o.Set("abs_sum", m.dAbsSum);
    o.Set("symmetry", symmetryName(m.nSymmetry));
    o.Set("group_delay", delayJson(m, sampleRate));
    return o;
}
