#include "ShortestLengthButton.h"

#include "ControlIds.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

QPushButton* CreateShortestButton(const QString& label)
{
    auto* button = new QPushButton(label);
    button->setObjectName(QString("IDC_%1").arg(IDC_SHORTEST));
    button->setAutoDefault(false);
    button->setToolTip(QCoreApplication::translate("ShortestLengthButton", "The shortest length whose filter meets the requirements"));
    return button;
}

void ShowShortestAnswer(QDialog* dialog, QLineEdit* lengthEdit, const CShortestAnswer& answer)
{
    if (answer.nLength > 0)
        lengthEdit->setText(QString::number(answer.nLength));
    else if (!answer.strWhy.empty())
        QMessageBox::warning(dialog, dialog->windowTitle(), QString::fromStdString(answer.strWhy));
}
