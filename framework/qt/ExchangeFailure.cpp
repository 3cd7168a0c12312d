#include "ExchangeFailure.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>

void ReportExchangeFailure(QWidget* parent, QLineEdit* edit, const QString& message)
{
    QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), message);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}
