#include "CCliRunner.h"

#include "CliJson.h"
#include "Failure.h"
#include "FileIo.h"
#include "MeasurementReport.h"
#include "NumberText.h"
#include "Resource.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>

namespace {

// The --type words, by FilterType and EquirippleType.
const char* const kTypeNames[] = {"lowpass", "highpass", "bandpass", "bandstop", "multiband", "differentiator", "hilbert",
    "halfband"};
// The displays by their DisplaySelection code, and the commands that select them.
const char* const kDisplayNames[] = {"impulse", "amplitude", "phase", "real", "imag", "groupdelay", "step"};
const int kDisplayCommands[] = {ID_VIEW_IMPULSE, ID_VIEW_AMPLITUDE, ID_VIEW_PHASE, ID_VIEW_REAL, ID_VIEW_IMAG,
    ID_VIEW_GROUPDELAY, ID_VIEW_STEP};

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

CCliRunner::CCliRunner(std::ostream& out) : m_out(out), m_doc(m_ui), m_exchange(std::make_unique<CExchangeFolder>()) {}

std::string CCliRunner::Run(const CCliCommand& command)
{
    m_bJson = command.bJson;
    if (!command.strDocument.empty()) {
        try {
            m_doc.OnOpenDocument(command.strDocument);
        } catch (...) {
            return "open: " + text::DescribeCurrentException().str();
        }
    }
    for (const CCliStep& step : command.steps)
        if (step.strOption == "--exchange-dir")
            m_exchange = std::make_unique<CExchangeFolder>(step.args[0]);
    for (const CCliStep& step : command.steps) {
        const std::string error = RunGuarded(step);
        if (!error.empty())
            return step.strOption + ": " + error;
    }
    return {};
}

// A step's failure: what it reported, an exception that left it, or output that did not
// reach the standard output.
std::string CCliRunner::RunGuarded(const CCliStep& step)
{
    errno = 0;
    try {
        RunStep(step);
    } catch (...) {
        m_ui.ShowError(text::DescribeCurrentException());
    }
    const std::string error = m_ui.TakeError();
    return error.empty() ? FlushOutput(m_out) : error;
}

void CCliRunner::RunStep(const CCliStep& step)
{
    using Action = std::function<void(CCliRunner&, const std::vector<std::string>&)>;
    using Args = const std::vector<std::string>&;
    static const std::map<std::string, Action> kActions = {
        {"--estimate", [](CCliRunner& r, Args a) { r.Estimate({a[0], a[1], a[2]}); }},
        {"--type", [](CCliRunner& r, Args a) { r.m_ui.PassBand().nType = indexOf(kTypeNames, a[0]); }},
        {"--length", [](CCliRunner& r, Args a) { r.m_ui.PassBand().strLength = a[0]; }},
        {"--low", [](CCliRunner& r, Args a) { r.m_ui.PassBand().strLow = a[0]; }},
        {"--high", [](CCliRunner& r, Args a) { r.m_ui.PassBand().strHigh = a[0]; }},
        {"--attenuation", [](CCliRunner& r, Args a) { r.m_ui.PassBand().strAttenuation = a[0]; }},
        {"--design", [](CCliRunner& r, Args) { r.Design(ID_TOOL_PASSBAND); }},
        {"--coefficients", [](CCliRunner& r, Args a) { r.m_ui.SetImportPath(a[0]); r.Command(ID_FILE_IMPORT_COEF); }},
        {"--bands", [](CCliRunner& r, Args a) { r.m_ui.PassBand().strBands = a[0]; }},
        {"--band", [](CCliRunner& r, Args a) { r.m_ui.AddBand(a[0]); }},
        {"--ripple", [](CCliRunner& r, Args a) { r.m_ui.PassBand().strRipple = a[0]; }},
        {"--weights", [](CCliRunner& r, Args a) { r.m_ui.PassBand().strWeights = a[0]; }},
        {"--equiripple", [](CCliRunner& r, Args) { r.Design(ID_TOOL_EQUIRIPPLE); }},
        {"--shortest", [](CCliRunner& r, Args) { r.m_ui.SetShortest(); }},
        {"--require", [](CCliRunner& r, Args) { r.Command(ID_VIEW_REQUIREMENTS); }},
        {"--check", [](CCliRunner& r, Args) { r.Check(); }},
        {"--estimate-equiripple", [](CCliRunner& r, Args) { r.PrintEquirippleEstimate(); }},
        {"--db", [](CCliRunner& r, Args) { r.Command(ID_VIEW_DB); }},
        {"--show", [](CCliRunner& r, Args a) { r.Command(kDisplayCommands[indexOf(kDisplayNames, a[0])]); }},
        {"--sample-rate", [](CCliRunner& r, Args a) { r.SetSampleRate(a[0]); }},
        {"--measure", [](CCliRunner& r, Args) { r.PrintMeasurement(); }},
        {"--print", [](CCliRunner& r, Args) { r.PrintDisplay(); }},
        {"--info", [](CCliRunner& r, Args) { r.PrintInfo(); }},
        {"--save", [](CCliRunner& r, Args a) { r.Save(a[0]); }},
        {"--export-text", [](CCliRunner& r, Args a) { r.ExportText(a[0]); }},
        {"--export", [](CCliRunner& r, Args a) { r.Export(a[0], a[1]); }},
        {"--block-size", [](CCliRunner& r, Args a) { r.m_ui.SetBlockSize(a[0]); }},
        {"--name", [](CCliRunner& r, Args a) { r.m_ui.SetExportName(a[0]); }},
        {"--bits", [](CCliRunner& r, Args a) { r.m_ui.SetBits(a[0]); }},
        {"--points", [](CCliRunner& r, Args a) { r.m_ui.SetResponsePoints(a[0]); }},
        {"--range", [](CCliRunner& r, Args a) { r.m_ui.SetResponseRange(a[0]); }},
        {"--log", [](CCliRunner& r, Args) { r.m_ui.SetResponseLog(); }},
        {"--zeros", [](CCliRunner& r, Args) { r.InExchangeFolder([&r] { r.PrintZeros(); }); }},
        {"--minimum-phase", [](CCliRunner& r, Args) { r.InExchangeFolder([&r] { if (r.NeedFilter()) r.Command(ID_TOOL_MINPHASE); }); }},
        {"--exchange-dir", [](CCliRunner&, Args) {}},  // taken before the steps run
    };
    kActions.at(step.strOption)(*this, step.args);
}

void CCliRunner::Save(const std::string& path)
{
    try {
        m_doc.OnSaveDocument(path);
    } catch (const std::runtime_error& e) {
        m_ui.ShowError(e.what());
    }
}

void CCliRunner::ExportText(const std::string& path)
{
    m_ui.SetTextExportPath(path);
    if (NeedFilter())
        Command(ID_FILE_SAVETEXT);
}

void CCliRunner::Export(const std::string& format, const std::string& path)
{
    m_ui.SetTextExportPath(path);
    if (!NeedFilter())
        return;
    if (format == "response") {
        ExportResponse(path);
        return;
    }
    const std::optional<ExportFormat> coefficientFormat = ExportFormatFromName(format);
    if (coefficientFormat)
        m_ui.SetExportFormat(*coefficientFormat);
    Command(coefficientFormat ? ID_FILE_EXPORT_COEF : ID_FILE_EXPORT_DISPLAY);
}

// The response on the grid given, written to path as the exports write their files.
void CCliRunner::ExportResponse(const std::string& path)
{
    const std::optional<CResponseGrid> grid = m_ui.ResponseGridGiven();
    if (!grid)
        return;
    try {
        exchange::WriteFileAtomically(path, FormatResponseCsv(*m_doc.m_pCoef, *grid, m_ui.SampleRate()));
    } catch (const exchange::FileError& e) {
        m_ui.ShowError(std::string("the response was not exported: ") + e.what());
    }
}

bool CCliRunner::NeedFilter()
{
    if (!m_doc.m_pCoef)
        m_ui.ShowError("there is no filter yet");
    return m_doc.m_pCoef != nullptr;
}

void CCliRunner::PrintInfo()
{
    const bool knownType = m_doc.m_nFilterType >= 0 && m_doc.m_nFilterType < 4;
    if (m_bJson) {
        m_out << InfoJson(m_doc, knownType ? kTypeNames[m_doc.m_nFilterType] : std::to_string(m_doc.m_nFilterType),
            kDisplayNames[m_doc.m_nDisplay], m_ui.SampleRate());
        return;
    }
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

// Prints the estimate and makes it the length of the next design, as the dialog's button does.
void CCliRunner::PrintEquirippleEstimate()
{
    if (const std::optional<int> n = m_ui.EstimateEquiripple(m_doc.EquirippleDialogData())) {
        m_out << (m_bJson ? EquirippleEstimateJson(*n) : std::to_string(*n) + "\n");
        m_ui.PassBand().strLength = FormatInt(*n);
    }
}

void CCliRunner::InExchangeFolder(const std::function<void()>& work)
{
    try {
        m_exchange->Within(work);
    } catch (const std::runtime_error& e) {
        m_ui.ShowError(e.what());
    }
}

void CCliRunner::PrintZeros()
{
    if (!NeedFilter() || !m_doc.ComputeRoots())
        return;
    const CComplexArray& zeros = *m_doc.m_pRoots;
    if (m_bJson)
        m_out << ZerosJson(zeros);
    for (int i = 0; !m_bJson && i < zeros.GetSize(); ++i)
        m_out << FormatGeneral(zeros[i].re, 17) << " " << FormatGeneral(zeros[i].im, 17) << "\n";
}

// Runs the length estimation and prints the length it found.
void CCliRunner::Estimate(const CLengthEstimateTexts& texts)
{
    m_ui.SetLengthEstimate(texts);
    Command(ID_TOOL_LENGTH);
    if (m_ui.HasError() || !m_doc.m_passBandAim)
        return;
    const CFilterDoc::CPassBandAim& used = *m_doc.m_passBandAim;
    m_out << (m_bJson ? LengthEstimateJson(m_doc.m_nLength, used.dRipple, m_doc.m_dAttenuation, used.dTransition,
                            m_ui.SampleRate())
                      : std::to_string(m_doc.m_nLength) + "\n");
}

void CCliRunner::SetSampleRate(const std::string& text)
{
    double rate = 0.0;
    if (!m_ui.Refused(ReadSampleRate(IDC_SAMPLERATE, text, rate)))
        m_ui.SetSampleRate(rate);
}

void CCliRunner::Design(int id)
{
    Command(id);
    if (const std::optional<int> n = m_ui.TakeShortest())
        m_out << *n << "\n";
}

void CCliRunner::Check()
{
    if (!NeedFilter())
        return;
    if (m_doc.m_pCoef->GetSize() == 0) {
        m_ui.ShowError("the filter has no coefficients to measure");
        return;
    }
    if (!m_doc.m_requirements) {
        m_ui.ShowError("the filter has no requirements to check (--require states them)");
        return;
    }
    const CFilterMeasurement m = m_doc.Measure();
    for (const std::string& line : MissLines(m, m_ui.SampleRate()))
        m_out << line << "\n";
    if (!m.MeetsRequirements()) {
        m_bMissed = true;
        m_ui.ShowError("the filter misses its requirements");
    }
}

void CCliRunner::PrintMeasurement()
{
    if (!NeedFilter())
        return;
    Command(ID_VIEW_PROPERTIES);
    if (const std::optional<CFilterMeasurement> measurement = m_ui.TakeMeasurement())
        m_out << (m_bJson ? MeasurementDocument(*measurement, m_ui.SampleRate())
                          : FormatReport(MeasurementReport(*measurement, m_ui.SampleRate())));
    else
        m_ui.ShowError("the filter has no coefficients to measure");
}

std::string FlushOutput(std::ostream& out)
{
    // A write that failed before (a long text fills the buffer) left its reason in errno.
    if (out.good())
        errno = 0;
    if (out.flush())
        return {};
    const int error = errno;
    return text::Tr("CCliRunner", "cannot write the standard output: %1")
        .arg(error ? std::strerror(error) : text::Tr("CCliRunner", "write error").str());
}
