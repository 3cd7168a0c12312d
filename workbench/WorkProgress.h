#pragma once

#include "CFilterUi.h"
#include "WaitCursor.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

// A long computation as the workbench shows it: the wait cursor at once, and once the work
// has run for CFilterUi::kWorkProgressDelayMs a modal progress dialog over parent, titled
// title, that shows what the work does and whose Cancel stops it.
class CWorkbenchProgress : public CWorkProgress {
public:
    CWorkbenchProgress(QWidget* parent, const QString& title);
    ~CWorkbenchProgress() override;

    bool Continue(const std::string& status) override;
    // The dialog, once it shows.
    QProgressDialog* GetDialog() const { return m_pDialog.get(); }

private:
    CWaitCursor m_cursor;
    QWidget* m_pParent;
    QString m_strTitle;
    QElapsedTimer m_elapsed;
    std::unique_ptr<QProgressDialog> m_pDialog;
};
