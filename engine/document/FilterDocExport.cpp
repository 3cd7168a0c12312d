// The export and import commands of the filter document, beyond the coefficient text.
#include "CFilterDoc.h"

#include "CFilterUi.h"
#include "CoefficientImport.h"
#include "CoefficientText.h"
#include "DisplayCsv.h"
#include "ExportName.h"
#include "FileIo.h"
#include "WordFormats.h"

#include <optional>

namespace {

// Why the file at path was not read, as the user is told.
std::string refusal(const std::string& path, const CoefficientTextError& e)
{
    return text::Tr("CFilterDoc", "\"%1\": %2").arg(path).arg(e.what()).str();
}

// The coefficients of bytes, the file at path. A file of words that does not state its word
// length is read with the length ui gives; nullopt when it gives none.
std::optional<CRealArray> parseAskingWordBits(const std::string& bytes, const std::string& path, CFilterUi& ui)
{
    try {
        return ParseCoefficientFile(bytes, path);
    } catch (const WordLengthMissing& e) {
        const std::optional<int> bits = ui.AskImportWordBits(path, refusal(path, e));
        return bits ? std::optional(ParseCoefficientFile(bytes, path, bits)) : std::nullopt;
    }
}

// The coefficients in the file at path, or nullopt when it cannot be read, is refused (the
// reason shown by ui) or the user declined to give its word length.
std::optional<CRealArray> readCoefficients(const std::string& path, CFilterUi& ui)
{
    try {
        return parseAskingWordBits(exchange::ReadFileBytes(path), path, ui);
    } catch (const CoefficientTextError& e) {
        ui.ShowError(refusal(path, e));
    } catch (const exchange::FileError& e) {
        ui.ShowError(e.what());
    }
    return std::nullopt;
}

}  // namespace

void CFilterDoc::OnFileExportCoef()
{
    if (!m_pCoef)
        return;
    CCoefficientExportChoice choice;
    if (!m_ui.DoExportDialog(*m_pCoef, m_requirements, choice))
        return;
    const std::string path = m_ui.AskTextExportPath(ExportFileName(choice.format));
    if (path.empty())
        return;
    if (choice.strName.empty())
        choice.strName = ExportNameFromPath(path);
    const CExportContext context{m_requirements, GetDesignRecord(), m_ui.SampleRate()};
    WriteExport(path, [&] { return FormatCoefficientExport(*m_pCoef, choice, context); },
        text::Tr("CFilterDoc", "The coefficients were not exported: %1."));
}

void CFilterDoc::OnUpdateFileExportCoef(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pCoef != nullptr); }

void CFilterDoc::OnFileExportDisplay()
{
    if (!m_pDisplay)
        return;
    const std::string path = m_ui.AskTextExportPath("display.csv");
    if (path.empty())
        return;
    WriteExport(path,
        [&] {
            return FormatDisplayCsv(m_nDisplay, m_bDecibel == 1, *m_pDisplay, GetDisplaySpacing(), m_ui.SampleRate(),
                m_displayUndefined);
        },
        text::Tr("CFilterDoc", "The display was not exported: %1."));
}

void CFilterDoc::OnUpdateFileExportDisplay(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDisplay != nullptr); }

void CFilterDoc::WriteExport(const std::string& path, const std::function<std::string()>& format,
    const text::CMessage& failure)
{
    try {
        exchange::WriteFileAtomically(path, format());
    } catch (const std::invalid_argument& e) {
        m_ui.ShowError(failure.arg(e.what()));
    } catch (const exchange::FileError& e) {
        m_ui.ShowError(failure.arg(e.what()));
    }
}

void CFilterDoc::OnFileImportCoef()
{
    const std::string path = m_ui.AskImportPath();
    if (path.empty())
        return;
    const std::optional<CRealArray> coefficients = readCoefficients(path, m_ui);
    if (coefficients && m_ui.ConfirmImport(path, coefficients->GetSize()))
        SetCoefficients(*coefficients);
}
