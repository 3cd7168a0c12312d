#include "ExchangeFailure.h"

#include "CWinApp.h"

#include <QLineEdit>
#include <QMessageBox>

void ReportExchangeFailure(QWidget* parent, QLineEdit* edit, const QString& message)
{
    QMessageBox::warning(parent, AfxGetAppTitle(), message);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}
