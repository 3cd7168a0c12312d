#include "WorkProgress.h"

#include <QApplication>
#include <QProgressDialog>

CWorkbenchProgress::CWorkbenchProgress(QWidget* parent, const QString& title) : m_pParent(parent), m_strTitle(title)
{
    m_elapsed.start();
}

CWorkbenchProgress::~CWorkbenchProgress() = default;

bool CWorkbenchProgress::Continue(const std::string& status)
{
    if (!m_pDialog && m_elapsed.elapsed() >= CFilterUi::kWorkProgressDelayMs) {
        m_pDialog = std::make_unique<QProgressDialog>(QString(), QCoreApplication::translate("CWorkbenchUi", "Cancel"), 0, 0, m_pParent);
        m_pDialog->setWindowTitle(m_strTitle);
        m_pDialog->setWindowModality(Qt::ApplicationModal);
        m_pDialog->setMinimumDuration(0);
        m_pDialog->show();
    }
    if (!m_pDialog)
        return true;
    m_pDialog->setLabelText(QString::fromStdString(status));
    QApplication::processEvents();
    return !m_pDialog->wasCanceled();
}
