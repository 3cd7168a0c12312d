#pragma once

#include <QDialog>

class QIcon;

// The About box: the program's icon on the left, two lines of text, and an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(QWidget* parent, const QString& title, const QIcon& icon, const QString& line1,
        const QString& line2);
};
