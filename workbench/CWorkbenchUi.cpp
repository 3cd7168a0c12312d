#include "CWorkbenchUi.h"

#include "CEquirippleDlg.h"
#include "CFilterPropertiesDlg.h"
#include "CMainFrame.h"
#include "CLengthEstimateDlg.h"
#include "CExportDlg.h"
#include "CPassBandDlg.h"
#include "CProcessHandle.h"
#include "CRequirementsDlg.h"
#include "CWinApp.h"
#include "CWordBitsDlg.h"
#include "WorkbenchSettings.h"
#include "WaitCursor.h"
#include "WorkProgress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSettings>
#include <QTimer>

namespace {

// The settings that remember the export dialog's choice.
const char* const kExportFormatKey = "Export/Format";
const char* const kBlockSizeKey = "Export/BlockSize";
const char* const kWordBitsKey = "Export/WordBits";

// How long one wait for the root finder lasts before events are processed again.
constexpr int kPollMs = 20;

}  // namespace

bool CWorkbenchUi::DoPassBandDialog(CPassBandData& data, const CPassBandShortest& shortest)
{
    CPassBandDlg dialog(data, shortest, m_pFrame);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.GetData();
    return true;
}

bool CWorkbenchUi::DoLengthEstimateDialog(CLengthEstimateData& data)
{
    CLengthEstimateDlg dialog(data, m_pFrame);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.GetData();
    return true;
}

bool CWorkbenchUi::DoEquirippleDialog(
    CEquirippleData& data, const CEquirippleShortest& shortest, const CEquirippleAttempt& design)
{
    CEquirippleDlg dialog(data, SampleRate(), shortest, design, m_pFrame);
    const int result = dialog.exec();
    // A dialog that closes right after a question of its own leaves some window managers
    // (openbox) without a window to give the focus to: the frame asks for it.
    if (m_pFrame)
        m_pFrame->activateWindow();
    if (result != QDialog::Accepted)
        return false;
    data = dialog.GetData();
    return true;
}

bool CWorkbenchUi::DoRequirementsDialog(CRequirements& requirements)
{
    CRequirementsDlg dialog(requirements, SampleRate(), m_pFrame);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    requirements = dialog.GetRequirements();
    return true;
}

std::string CWorkbenchUi::AskTextExportPath(const std::string& defaultName)
{
    QFileDialog dialog(m_pFrame, QCoreApplication::translate("CWorkbenchUi", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(QString::fromStdString(defaultName)).suffix());
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::string();
    return dialog.selectedFiles().front().toStdString();
}

bool CWorkbenchUi::DoExportDialog(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
    CCoefficientExportChoice& choice)
{
    QSettings settings;
    const std::optional<ExportFormat> last = ExportFormatFromName(settings.value(kExportFormatKey).toString().toStdString());
    CCoefficientExportChoice opened{last.value_or(choice.format), settings.value(kBlockSizeKey, choice.nBlockSize).toInt(),
        settings.value(kWordBitsKey, choice.nBits).toInt()};
    CExportDlg dialog(coefficients, requirements, opened, m_pFrame);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.GetChoice();
    settings.setValue(kExportFormatKey, QString::fromStdString(ExportFormatName(choice.format)));
    settings.setValue(kBlockSizeKey, choice.nBlockSize);
    settings.setValue(kWordBitsKey, choice.nBits);
    return true;
}

std::string CWorkbenchUi::AskImportPath()
{
    const QString filters = QCoreApplication::translate("CWorkbenchUi", "Coefficient files (*.txt *.csv *.h *.c *.npy *.json *.coe *.mif *.hex);;All files (*)");
    return QFileDialog::getOpenFileName(
        m_pFrame, QCoreApplication::translate("CWorkbenchUi", "Import Coefficients"), QString(), filters)
        .toStdString();
}

std::optional<int> CWorkbenchUi::AskImportWordBits(const std::string& path, const std::string&)
{
    CWordBitsDlg dialog(QFileInfo(QString::fromStdString(path)).fileName(), m_pFrame);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetBits();
}

bool CWorkbenchUi::ConfirmImport(const std::string& path, int count)
{
    const QString text = QCoreApplication::translate("CWorkbenchUi", "\"%1\" holds %2 coefficients.\nInstall them as the filter's coefficients?")
                             .arg(QFileInfo(QString::fromStdString(path)).fileName())
                             .arg(count);
    return QMessageBox::question(
               m_pFrame, AfxGetAppTitle(), text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok;
}

bool CWorkbenchUi::WaitForRootFinder(CProcessHandle& process)
{
    m_rootProgress = {};
    return WaitCancellable(process, QCoreApplication::translate("CWorkbenchUi", "Finding the zeros of the filter..."));
}

void CWorkbenchUi::ShowRootFinderProgress(const CRootFinderProgress& progress)
{
    m_rootProgress = progress;
}

void CWorkbenchUi::ShowProgressIn(QProgressDialog& dialog, const QString& text) const
{
    if (m_rootProgress.total <= 0)
        return;
    dialog.setLabelText(text + "\n"
        + QCoreApplication::translate("CWorkbenchUi", "%1 of %2 zeros found, %3 certified")
              .arg(m_rootProgress.found)
              .arg(m_rootProgress.total)
              .arg(m_rootProgress.certified));
    // Half the bar for finding the zeros, half for certifying them.
    dialog.setMaximum(2 * m_rootProgress.total);
    dialog.setValue(m_rootProgress.found + m_rootProgress.certified);
}

bool CWorkbenchUi::WaitForExchange(CWaitable& lock)
{
    m_rootProgress = {};
    return WaitCancellable(lock,
        QCoreApplication::translate("CWorkbenchUi", "Waiting for another root finding in this folder..."));
}

bool CWorkbenchUi::WaitCancellable(CWaitable& task, const QString& text)
{
    CWaitCursor cursor;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < kProgressDelayMs) {
        if (task.WaitFor(kPollMs))
            return true;
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    QProgressDialog progress(text, QCoreApplication::translate("CWorkbenchUi", "Cancel"), 0, 0, m_pFrame);
    progress.setWindowTitle(AfxGetAppTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.show();
    while (!progress.wasCanceled()) {
        if (task.WaitFor(kPollMs))
            return true;
        ShowProgressIn(progress, text);
        QApplication::processEvents();
    }
    return false;
}

void CWorkbenchUi::ShowError(const std::string& message)
{
    QMessageBox::warning(m_pFrame, AfxGetAppTitle(), QString::fromStdString(message));
}

void CWorkbenchUi::ShowStatusError(const std::string& message)
{
    if (m_pFrame)
        m_pFrame->ShowStatusMessage(QString::fromStdString(message));
}

void CWorkbenchUi::ShowStatus(const std::string& message)
{
    if (m_pFrame)
        m_pFrame->ShowResult(QString::fromStdString(message));
}

void CWorkbenchUi::ShowFilterProperties(const CFilterMeasurement& measurement)
{
    CFilterPropertiesDlg(MeasurementReport(measurement, SampleRate()), m_pFrame).exec();
}

std::unique_ptr<CWorkProgress> CWorkbenchUi::BeginWork(const std::string& title)
{
    QWidget* over = QApplication::activeModalWidget();
    return std::make_unique<CWorkbenchProgress>(over ? over : m_pFrame, QString::fromStdString(title));
}

double CWorkbenchUi::SampleRate() const { return LoadSampleRate(); }
