#pragma once

#include "DialogData.h"

#include <QDialog>
#include <map>

class QGridLayout;
class QLineEdit;

// "Estimating Filter Length": in-band ripple, out-of-band attenuation and transition band
// width. Opens with the focus in the ripple's edit (OpenOnField). OK reads the edits with
// ReadLengthEstimate and stays open on the first refused field, named by its label.
class CLengthEstimateDlg : public QDialog {
    Q_OBJECT
public:
    CLengthEstimateDlg(const CLengthEstimateData& data, QWidget* parent);

    const CLengthEstimateData& GetData() const { return m_data; }
    // The edit of control id (IDC_RIPPLE, IDC_ATTENUATION, IDC_TRANSITION).
    QLineEdit* GetEdit(int id) const { return m_edits.at(id); }

    void accept() override;

private:
    void AddRow(QGridLayout* grid, int id, const QString& label, const std::string& text, const QString& unit);

    CLengthEstimateData m_data;
    std::map<int, QLineEdit*> m_edits;
};
