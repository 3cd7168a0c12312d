#pragma once

#include "DialogData.h"
#include "ShortestButton.h"

#include <QDialog>
#include <map>

class QButtonGroup;
class QLineEdit;
class QPushButton;

// "Designating Pass Band": filter type, cut-off frequencies, length and out-of-band
// attenuation. Opens with the controls WritePassBand gives for its data and the focus in the
// Low edit (OpenOnField); OK reads them back with ReadPassBand and stays open on the first
// refused field, named by its label. Beside the length, Shortest asks shortest for the
// shortest length meeting the requirements and puts it in the field.
class CPassBandDlg : public QDialog {
    Q_OBJECT
public:
    CPassBandDlg(const CPassBandData& data, const CPassBandShortest& shortest, QWidget* parent);

    // The values read by the last accepted OK.
    const CPassBandData& GetData() const { return m_data; }
    // The edit of control id (IDC_LOWCUT, IDC_HIGHCUT, IDC_LENGTH, IDC_ATTENUATION).
    QLineEdit* GetEdit(int id) const { return m_edits.at(id); }
    QPushButton* GetShortestButton() const { return m_pShortest; }

    void accept() override;

private:
    QLineEdit* AddEdit(int id, const std::string& text);
    // The radio buttons: the High edit is enabled for the band types only.
    void OnTypeChosen(int type);
    CPassBandTexts CurrentTexts() const;
    void FindShortest();

    CPassBandData m_data;
    std::map<int, QLineEdit*> m_edits;
    QButtonGroup* m_pTypes;
    CPassBandShortest m_shortest;
    QPushButton* m_pShortest;
};
