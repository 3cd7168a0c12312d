#include "CWorkbenchUi.h"

#include "CFrameWnd.h"
#include "CLengthEstimateDlg.h"
#include "CPassBandDlg.h"
#include "CProcessHandle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

// How long one wait for the root finder lasts before events are processed again.
constexpr int kPollMs = 20;

// Shows the wait cursor for its lifetime.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

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
    return WaitCancellable(process, QCoreApplication::translate("CWorkbenchUi", "Finding the zeros of the filter..."));
}

bool CWorkbenchUi::WaitForExchange(CWaitable& lock)
{
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
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.show();
    while (!progress.wasCanceled()) {
        if (task.WaitFor(kPollMs))
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
