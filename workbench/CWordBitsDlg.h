#pragma once

#include <QDialog>

class QSpinBox;

// "Word Length": asked when a file of words to import (coe, hex) does not state how long
// its words are. Names the file and offers kMinWordBits .. kMaxWordBits bits, opening on
// kDefaultWordBits with the focus in the field.
class CWordBitsDlg : public QDialog {
    Q_OBJECT
public:
    // fileName: the file's name as the user knows it, without its folder.
    CWordBitsDlg(const QString& fileName, QWidget* parent);

    int GetBits() const;
    QSpinBox* GetBitsBox() const { return m_pBits; }

private:
    QSpinBox* m_pBits;
};
