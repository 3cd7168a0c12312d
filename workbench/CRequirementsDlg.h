#pragma once

#include "RequirementsDialogData.h"

#include <QDialog>
#include <array>
#include <map>

class QButtonGroup;
class QLabel;
class QLineEdit;

// "Filter Requirements": the filter type, its band edges (fractions of the sampling
// frequency, or Hz when a sample rate is set), the pass-band ripple and the stop-band
// attenuation the filter must meet. Opens with the controls WriteRequirements gives and the
// focus in the first edge's edit (OpenOnField); OK reads them back with ReadRequirements
// and stays open on the first refused field, named by its label.
class CRequirementsDlg : public QDialog {
    Q_OBJECT
public:
    // sampleRateHz > 0 shows the edges in Hz; 0 as fractions of the sampling frequency.
    CRequirementsDlg(const CRequirements& requirements, double sampleRateHz, QWidget* parent);

    // The requirements read by the last accepted OK.
    const CRequirements& GetRequirements() const { return m_requirements; }
    // The edit of control id (IDC_EDGE1 .. IDC_EDGE4, IDC_RIPPLE, IDC_ATTENUATION).
    QLineEdit* GetEdit(int id) const { return m_edits.at(id); }
    // The label of band edge i (0 .. 3).
    QLabel* GetEdgeLabel(int i) const { return m_edgeLabels.at(static_cast<size_t>(i)); }

    void accept() override;

private:
    QWidget* CreateTypeBox(int type);
    QWidget* CreateEdgeBox(const CRequirementsTexts& texts);
    QLayout* CreateToleranceForm(const CRequirementsTexts& texts);
    QLineEdit* AddEdit(int id, const std::string& text);
    // The radio buttons: edge labels for the type, edges 3 and 4 for the band types only.
    void OnTypeChosen(int type);

    CRequirements m_requirements;
    double m_dSampleRateHz;
    std::map<int, QLineEdit*> m_edits;
    std::array<QLabel*, 4> m_edgeLabels{};
    QButtonGroup* m_pTypes;
};
