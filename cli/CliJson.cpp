#include "CliJson.h"

#include "JsonText.h"
#include "MeasurementJson.h"

#include <cmath>

namespace {

using text::CJson;

CJson sizeOf(const CRealArray* a) { return a ? CJson(a->GetSize()) : CJson(); }

}  // namespace

std::string InfoJson(const CFilterDoc& doc, const std::string& typeName, const std::string& displayName,
    double sampleRate)
{
    CJson o = CJson::Object();
    o.Set("length", doc.m_nLength).Set("type", typeName);
    SetFrequency(o, "low_cutoff", doc.m_dLowCutoff, sampleRate);
    SetFrequency(o, "high_cutoff", doc.m_dHighCutoff, sampleRate);
    o.Set("attenuation_db", doc.m_dAttenuation);
    o.Set("ideal", sizeOf(doc.m_pIdeal.get())).Set("coefficients", sizeOf(doc.m_pCoef.get()));
    o.Set("response", doc.m_pResponse ? CJson(doc.m_pResponse->GetSize()) : CJson());
    CJson display = CJson::Object();
    display.Set("kind", displayName).Set("values", sizeOf(doc.m_pDisplay.get()));
    o.Set("display", display).Set("db", doc.m_bDecibel != 0);
    if (sampleRate > 0.0)
        o.Set("sample_rate_hz", sampleRate);
    return o.Text();
}

std::string MeasurementDocument(const CFilterMeasurement& m, double sampleRate)
{
    CJson o = MeasurementJson(m, sampleRate);
    if (sampleRate > 0.0)
        o.Set("sample_rate_hz", sampleRate);
    return o.Text();
}

std::string LengthEstimateJson(int length, double ripple, double attenuation, double transition, double sampleRate)
{
    CJson o = CJson::Object();
    o.Set("length", length).Set("ripple_db", ripple).Set("attenuation_db", attenuation);
    SetFrequency(o, "transition_width", transition, sampleRate);
    return o.Text();
}

std::string EquirippleEstimateJson(int length) { return CJson::Object().Set("length", length).Text(); }

std::string ZerosJson(const CComplexArray& zeros)
{
    CJson list = CJson::Array();
    for (int i = 0; i < zeros.GetSize(); ++i) {
        CJson z = CJson::Object();
        z.Set("re", zeros[i].re).Set("im", zeros[i].im).Set("magnitude", std::hypot(zeros[i].re, zeros[i].im));
        list.Add(z);
    }
    return CJson::Object().Set("zeros", list).Text();
}
