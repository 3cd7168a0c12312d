#include "CWorkbenchUi.h"

#include "CEquirippleDlg.h"
#include "CFrameWnd.h"
#include "CLengthEstimateDlg.h"
#include "CPassBandDlg.h"
#include "CProcessHandle.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace {

// How long one wait for the root finder lasts before events are processed again.
constexpr int kPollMs = 20;

}  // namespace

bool CWorkbenchUi::DoPassBandDialog(CPassBandData& data)
{
    CPassBandDlg dialog(data, m_pFrame);
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

bool CWorkbenchUi::DoEquirippleDialog(CEquirippleData& data)
{
    CEquirippleDlg dialog(data, m_dSampleRateHz, m_pFrame);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.GetData();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer::singleShot(0, [] { QApplication::restoreOverrideCursor(); });
    return true;
}

std::string CWorkbenchUi::AskTextExportPath(const std::string& defaultName)
{
    QFileDialog dialog(m_pFrame);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::string();
    return dialog.selectedFiles().front().toStdString();
}

bool CWorkbenchUi::WaitForRootFinder(CProcessHandle& process)
{
    CWaitCursor cursor;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < kProgressDelayMs) {
        if (process.WaitFor(kPollMs))
            return true;
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    QProgressDialog progress("Finding the zeros of the filter...", "Cancel", 0, 0, m_pFrame);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.show();
    while (!progress.wasCanceled()) {
        if (process.WaitFor(kPollMs))
            return true;
        QApplication::processEvents();
    }
    return false;
}

void CWorkbenchUi::ShowError(const std::string& message)
{
    QMessageBox::warning(m_pFrame, QApplication::applicationDisplayName(), QString::fromStdString(message));
}

void CWorkbenchUi::ShowStatusError(const std::string& message)
{
    if (m_pFrame)
        m_pFrame->ShowStatusMessage(QString::fromStdString(message));
}
