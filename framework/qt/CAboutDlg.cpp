#include "CAboutDlg.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent, const QString& title, const QIcon& icon,
    const QString& line1, const QString& line2)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QGridLayout(this);
    auto* picture = new QLabel;
    picture->setPixmap(icon.pixmap(32, 32));
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(line1), 0, 1);
    layout->addWidget(new QLabel(line2), 1, 1);
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
}
