#include "CCliRunner.h"

#include "CoefficientText.h"
#include "DataExchange.h"
#include "FileIo.h"
#include "Resource.h"

#include <map>

namespace {

const char* const kTypeNames[] = {"lowpass", "highpass", "bandpass", "bandstop"};
const char* const kDisplayNames[] = {"impulse", "amplitude", "phase", "real", "imag"};

template <size_t N>
int indexOf(const char* const (&names)[N], const std::string& name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == names[i])
            return static_cast<int>(i);
    return -1;
}

std::string sizeOf(const CRealArray* a) { return a ? std::to_string(a->GetSize()) : "none"; }

}  // namespace

CCliRunner::CCliRunner(std::ostream& out) : m_out(out), m_doc(m_ui) {}

std::string CCliRunner::Run(const CCliCommand& command)
{
    if (!command.strDocument.empty()) {
        try {
            m_doc.OnOpenDocument(command.strDocument);
        } catch (const std::runtime_error& e) {
            return std::string("open: ") + e.what();
        }
    }
    for (const CCliStep& step : command.steps) {
        RunStep(step);
        const std::string error = m_ui.TakeError();
        if (!error.empty())
            return step.strOption + ": " + error;
    }
    return {};
}

void CCliRunner::RunStep(const CCliStep& step)
{
    const std::string& o = step.strOption;
    const std::string arg = step.args.empty() ? std::string() : step.args[0];
    CCliUi::PassBandFields& fields = m_ui.PassBand();
    if (o == "--estimate") {
        m_ui.SetLengthEstimate({step.args[0], step.args[1], step.args[2]});
        Command(ID_TOOL_LENGTH);
    } else if (o == "--type") {
        fields.nType = indexOf(kTypeNames, arg);
    } else if (o == "--length") {
        fields.strLength = arg;
    } else if (o == "--low") {
        fields.strLow = arg;
    } else if (o == "--high") {
        fields.strHigh = arg;
    } else if (o == "--attenuation") {
        fields.strAttenuation = arg;
    } else if (o == "--design") {
        Command(ID_TOOL_PASSBAND);
    } else if (o == "--coefficients") {
        InstallCoefficients(arg);
    } else if (o == "--db") {
        Command(ID_VIEW_DB);
    } else if (o == "--show") {
        Command(ID_VIEW_IMPULSE + indexOf(kDisplayNames, arg));
    } else if (o == "--print") {
        PrintDisplay();
    } else if (o == "--info") {
        PrintInfo();
    } else if (o == "--save") {
        try {
            m_doc.OnSaveDocument(arg);
        } catch (const std::runtime_error& e) {
            m_ui.ShowError(e.what());
        }
    } else if (o == "--export-text") {
        m_ui.SetTextExportPath(arg);
        if (NeedFilter())
            Command(ID_FILE_SAVETEXT);
    } else if (o == "--zeros") {
        PrintZeros();
    } else if (o == "--minimum-phase") {
        if (NeedFilter())
            Command(ID_TOOL_MINPHASE);
    }
}

bool CCliRunner::NeedFilter()
{
    if (!m_doc.m_pCoef)
        m_ui.ShowError("there is no filter yet");
    return m_doc.m_pCoef != nullptr;
}

void CCliRunner::InstallCoefficients(const std::string& path)
{
    try {
        m_doc.SetCoefficients(ParseCoefficientText(exchange::ReadFileBytes(path)));
    } catch (const CoefficientTextError& e) {
        m_ui.ShowError("\"" + path + "\": " + e.what());
    } catch (const std::runtime_error& e) {
        m_ui.ShowError(e.what());
    }
}

void CCliRunner::PrintInfo()
{
    const bool knownType = m_doc.m_nFilterType >= 0 && m_doc.m_nFilterType < 4;
    m_out << "length: " << m_doc.m_nLength << "\n"
          << "type: " << (knownType ? kTypeNames[m_doc.m_nFilterType] : std::to_string(m_doc.m_nFilterType)) << "\n"
          << "low cut-off: " << FormatDouble(m_doc.m_dLowCutoff) << "\n"
          << "high cut-off: " << FormatDouble(m_doc.m_dHighCutoff) << "\n"
          << "attenuation: " << FormatDouble(m_doc.m_dAttenuation) << "\n"
          << "ideal: " << sizeOf(m_doc.m_pIdeal.get()) << "\n"
          << "coefficients: " << sizeOf(m_doc.m_pCoef.get()) << "\n"
          << "response: " << (m_doc.m_pResponse ? std::to_string(m_doc.m_pResponse->GetSize()) : "none") << "\n"
          << "display: " << kDisplayNames[m_doc.m_nDisplay] << ", " << sizeOf(m_doc.m_pDisplay.get()) << " values\n"
          << "dB: " << (m_doc.m_bDecibel ? "on" : "off") << "\n";
}

void CCliRunner::PrintDisplay()
{
    for (int i = 0; m_doc.m_pDisplay && i < m_doc.m_pDisplay->GetSize(); ++i)
        m_out << FormatGeneral((*m_doc.m_pDisplay)[i], 17) << "\n";
}

void CCliRunner::PrintZeros()
{
    if (!NeedFilter() || !m_doc.ComputeRoots())
        return;
    const CComplexArray& zeros = *m_doc.m_pRoots;
    for (int i = 0; i < zeros.GetSize(); ++i)
        m_out << FormatGeneral(zeros[i].re, 17) << " " << FormatGeneral(zeros[i].im, 17) << "\n";
}
