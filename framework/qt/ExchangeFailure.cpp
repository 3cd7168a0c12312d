#include "ExchangeFailure.h"

#include "CWinApp.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// The name a label gives its field: "Transient\n   Band Width:" reads "Transient Band Width".
QString fieldName(const QString& labelText)
{
    QString name = labelText.simplified();
    name.replace(QRegularExpression("&(.)"), "\\1");  // "&&" stands for "&"
    while (name.endsWith(':') || name.endsWith(QChar(0xFF1A)))  // the colon, also the full-width one
        name.chop(1);
    return name.trimmed();
}

}  // namespace

void ReportExchangeFailure(QWidget* parent, QLineEdit* edit, const QString& message)
{
    QString text = message;
    for (const QLabel* label : parent->findChildren<QLabel*>())
        if (label->buddy() == edit && !fieldName(label->text()).isEmpty())
            text = QCoreApplication::translate("ExchangeFailure", "%1: %2").arg(fieldName(label->text()), message);
    QMessageBox::warning(parent, AfxGetAppTitle(), text);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}
