#include "CCliUi.h"

#include "CProcessHandle.h"
#include "DataExchange.h"
#include "ExportName.h"
#include "FilterTypes.h"
#include "NumberText.h"
#include "RequirementsDialogData.h"
#include "Resource.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <utility>

namespace {

// The label of each dialog field, to name it in a message.
std::string fieldName(int nControl)
{
    static const std::map<int, std::string> names = {{IDC_LOWCUT, "low cut-off"},
        {IDC_HIGHCUT, "high cut-off"}, {IDC_LENGTH, "filter length"},
        {IDC_ATTENUATION, "attenuation"}, {IDC_RIPPLE, "in-band ripple"},
        {IDC_TRANSITION, "transition width"}, {IDC_SAMPLERATE, "sample rate"}, {IDC_EDGE1, "band edge 1"},
        {IDC_EDGE2, "band edge 2"}, {IDC_EDGE3, "band edge 3"}, {IDC_EDGE4, "band edge 4"},
        {IDC_WEIGHTS, "band weights"}, {IDC_BANDS, "bands"}};
    return names.at(nControl);
}

}  // namespace

std::string CCliUi::TakeError()
{
    std::string error;
    error.swap(m_strError);
    return error;
}

std::optional<CFilterMeasurement> CCliUi::TakeMeasurement()
{
    std::optional<CFilterMeasurement> measurement;
    measurement.swap(m_measurement);
    return measurement;
}

bool CCliUi::Refused(const std::optional<CExchangeFailure>& failure)
{
    if (failure)
        ShowError(fieldName(failure->nControl) + ": " + failure->strMessage);
    return failure.has_value();
}

std::optional<int> CCliUi::TakeShortest()
{
    std::optional<int> found;
    found.swap(m_shortest);
    return found;
}

bool CCliUi::TookShortest(const CShortestAnswer& answer)
{
    if (!answer.nLength) {
        ShowError(answer.strWhy.empty() ? "the search for the shortest filter was stopped" : answer.strWhy);
        return false;
    }
    m_shortest = answer.nLength;
    return true;
}

void CCliUi::AddBand(const std::string& band)
{
    m_passBand.strBandList = (m_passBand.strBandList ? *m_passBand.strBandList + ";" : std::string()) + band;
}

bool CCliUi::TakesFourTypes(const char* option)
{
    if (m_passBand.nType.value_or(LowPass) <= BandElimination)
        return true;
    ShowError(std::string(option) + " takes --type lowpass, highpass, bandpass or bandstop; "
        "the other types are equiripple designs (--equiripple), which set their own requirements");
    m_passBand = PassBandFields();
    return false;
}

bool CCliUi::DoPassBandDialog(CPassBandData& data, const CPassBandShortest& shortest)
{
    if (!TakesFourTypes("--design"))
        return false;
    CPassBandTexts texts = WritePassBand(data);
    texts.nType = m_passBand.nType.value_or(0);
    texts.strLow = m_passBand.strLow.value_or(texts.strLow);
    texts.strHigh = m_passBand.strHigh.value_or(texts.strHigh);
    texts.strLength = m_passBand.strLength.value_or(texts.strLength);
    texts.strAttenuation = m_passBand.strAttenuation.value_or(texts.strAttenuation);
    m_passBand = PassBandFields();
    if (!std::exchange(m_bShortest, false))
        return !Refused(ReadPassBand(texts, data));
    if (Refused(ReadPassBandConditions(texts, data)) || !TookShortest(shortest(data)))
        return false;
    data.m_nFilterLength = *m_shortest;
    return true;
}

bool CCliUi::DoLengthEstimateDialog(CLengthEstimateData& data)
{
    return !Refused(ReadLengthEstimate(m_lengthEstimate, data));
}

std::optional<CEquirippleTexts> CCliUi::EquirippleTexts(const CEquirippleData& data)
{
    CEquirippleTexts texts = WriteEquiripple(data, 0.0);
    texts.nType = m_passBand.nType.value_or(texts.nType);
    texts.strRipple = m_passBand.strRipple.value_or(texts.strRipple);
    texts.strAttenuation = m_passBand.strAttenuation.value_or(texts.strAttenuation);
    texts.strLength = m_passBand.strLength.value_or(texts.strLength);
    texts.strWeights = m_passBand.strWeights.value_or(texts.strWeights);
    texts.strBands = m_passBand.strBandList.value_or(texts.strBands);
    if (m_passBand.strBandList && !EquirippleTakesBands(texts.nType)) {
        ShowError("--band is for --type multiband and differentiator; the other types take their edges from --bands");
        return std::nullopt;
    }
    if (!TakeBands(texts.nType, texts.strEdges))
        return std::nullopt;
    return texts;
}

bool CCliUi::TakeBands(int type, std::array<std::string, 4>& edges)
{
    if (!m_passBand.strBands)
        return true;
    std::vector<std::string> given;
    std::istringstream list(*m_passBand.strBands);
    for (std::string edge; std::getline(list, edge, ',');)
        given.push_back(edge);
    const size_t wanted = static_cast<size_t>(EquirippleEdgeCount(type));
    if (wanted == 0) {
        ShowError("--bands: a multiband filter or differentiator takes its bands from --band F1,F2,GAIN[,WEIGHT], one each");
        return false;
    }
    if (given.size() != wanted) {
        ShowError("--bands gives " + std::to_string(given.size()) + " edge(s); this filter type needs " + std::to_string(wanted));
        return false;
    }
    std::copy(given.begin(), given.end(), edges.begin());
    return true;
}

bool CCliUi::DoEquirippleDialog(CEquirippleData& data, const CEquirippleShortest& shortest, const CEquirippleAttempt& design)
{
    const std::optional<CEquirippleTexts> texts = EquirippleTexts(data);
    m_passBand = PassBandFields();
    if (!texts)
        return false;
    if (std::exchange(m_bShortest, false)) {
        if (Refused(ReadEquirippleConditions(*texts, 0.0, data)) || !TookShortest(shortest(data)))
            return false;
        data.m_nLength = *m_shortest;
    } else if (Refused(ReadEquiripple(*texts, 0.0, data))) {
        return false;
    }
    const std::string failure = design(data);
    if (!failure.empty())
        ShowError(failure);
    return failure.empty();
}

bool CCliUi::DoRequirementsDialog(CRequirements& requirements)
{
    if (!TakesFourTypes("--require"))
        return false;
    CRequirementsTexts texts = WriteRequirements(requirements, 0.0);
    texts.nType = m_passBand.nType.value_or(texts.nType);
    texts.strRipple = m_passBand.strRipple.value_or(texts.strRipple);
    texts.strAttenuation = m_passBand.strAttenuation.value_or(texts.strAttenuation);
    return TakeBands(texts.nType, texts.strEdges) && !Refused(ReadRequirements(texts, 0.0, requirements));
}

std::optional<int> CCliUi::EstimateEquiripple(const CEquirippleData& data)
{
    const std::optional<CEquirippleTexts> texts = EquirippleTexts(data);
    CEquirippleData read = data;
    if (!texts || Refused(ReadEquirippleConditions(*texts, 0.0, read)))
        return std::nullopt;
    const CLengthEstimate estimate = EstimateEquirippleLength(EquirippleRequestOf(read));
    if (!estimate.strError.empty()) {
        ShowError(estimate.strError);
        return std::nullopt;
    }
    return estimate.nLength;
}

std::string CCliUi::AskTextExportPath(const std::string&) { return m_strExportPath; }

bool CCliUi::DoExportDialog(const CRealArray&, const std::optional<CRequirements>&, CCoefficientExportChoice& choice)
{
    const std::optional<int> blockSize = ParseInt(m_strBlockSize);
    if (!blockSize || *blockSize < 1 || *blockSize > kMaxBlockSize) {
        ShowError("block size: Please enter an integer between 1 and " + std::to_string(kMaxBlockSize) + ".");
        return false;
    }
    const std::optional<int> bits = Bits();
    if (!bits)
        return false;
    if (const std::string why = m_strExportName.empty() ? "" : CheckExportName(m_strExportName); !why.empty()) {
        ShowError("name: " + why);
        return false;
    }
    choice = {m_exportFormat, *blockSize, *bits, m_strExportName};
    return true;
}

std::optional<CResponseGrid> CCliUi::ResponseGridGiven()
{
    CResponseGrid grid;
    grid.bLog = m_bLogGrid;
    if (grid.bLog)
        grid.dFrom = 0.5e-3;  // three decades below half the sampling frequency
    const std::optional<int> points = m_strPoints.empty() ? grid.nPoints : ParseInt(m_strPoints);
    if (!points || *points < 2 || *points > kMaxResponsePoints) {
        ShowError("points: Please enter an integer between 2 and " + std::to_string(kMaxResponsePoints) + ".");
        return std::nullopt;
    }
    grid.nPoints = *points;
    const size_t comma = m_strRange.find(',');
    if (!m_strRange.empty()) {
        const std::optional<double> from = ParseDouble(m_strRange.substr(0, comma));
        const std::optional<double> to = comma == std::string::npos ? std::nullopt : ParseDouble(m_strRange.substr(comma + 1));
        if (!from || !to || !(*from >= 0.0 && *from < *to && *to <= 0.5) || (grid.bLog && *from <= 0.0)) {
            ShowError(std::string("range: Please enter two fractions of the sampling frequency F1,F2 with ")
                + (grid.bLog ? "0 < F1" : "0 <= F1") + " < F2 <= 0.5.");
            return std::nullopt;
        }
        grid.dFrom = *from;
        grid.dTo = *to;
    }
    return grid;
}

std::optional<int> CCliUi::Bits()
{
    if (m_strBits.empty())
        return kDefaultWordBits;
    const std::optional<int> bits = ParseInt(m_strBits);
    if (!bits || *bits < kMinWordBits || *bits > kMaxWordBits) {
        ShowError("bits: Please enter an integer between " + std::to_string(kMinWordBits) + " and "
            + std::to_string(kMaxWordBits) + ".");
        return std::nullopt;
    }
    return bits;
}

bool CCliUi::WaitForRootFinder(CProcessHandle& process) { return process.WaitFor(-1); }

void CCliUi::ShowError(const std::string& message)
{
    if (m_strError.empty())
        m_strError = message;
}

void CCliUi::ShowStatusError(const std::string& message) { ShowError(message); }
