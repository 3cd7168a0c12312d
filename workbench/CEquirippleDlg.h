#pragma once

#include "CFilterUi.h"
#include "EquirippleDialogData.h"
#include "ShortestButton.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <map>
#include <optional>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// "Designing Equiripple Filter": filter type, band edges (fractions of the sampling
// frequency, or Hz when a sample rate is set), in-band ripple, out-of-band attenuation and
// filter length, with the length estimate of the values typed so far and a button that
// takes it, and a Shortest button that asks shortest for the shortest length meeting the
// requirements the values state. Opens with the controls WriteEquiripple gives for its
// data and the focus in the first edge's edit (OpenOnField); OK reads them back with
// ReadEquiripple and stays open on the first refused field, named by its label. A length
// far below the estimate (IsFarBelowEstimate) is designed only after a question naming
// both, unless Shortest found it for the values as they stand; then OK designs, and a
// design that fails is told while the dialog stays open with what was typed.
class CEquirippleDlg : public QDialog {
    Q_OBJECT
public:
    // sampleRateHz > 0 shows the edges in Hz; 0 as fractions of the sampling frequency.
    // shortest finds the shortest length meeting the requirements (Shortest); design makes
    // the filter of the values OK read (CFilterUi::CEquirippleAttempt).
    CEquirippleDlg(const CEquirippleData& data, double sampleRateHz, const CEquirippleShortest& shortest,
        CFilterUi::CEquirippleAttempt design, QWidget* parent);

    // The values read by the last accepted OK.
    const CEquirippleData& GetData() const { return m_data; }
    // The edit of control id (IDC_EDGE1 .. IDC_EDGE4, IDC_RIPPLE, IDC_ATTENUATION, IDC_LENGTH).
    QLineEdit* GetEdit(int id) const { return m_edits.at(id); }
    // The label of band edge i (0 .. 3), the estimate line and its button. The line follows
    // the conditions kEstimateDelayMs after they last changed.
    QLabel* GetEdgeLabel(int i) const { return m_edgeLabels.at(static_cast<size_t>(i)); }
    QLabel* GetEstimateLabel() const { return m_pEstimate; }
    QPushButton* GetEstimateButton() const { return m_pTakeEstimate; }
    QPushButton* GetShortestButton() const { return m_pShortest; }

    void accept() override;

    static constexpr int kEstimateDelayMs = 300;

private:
    QWidget* CreateTypeBox(int type);
    QWidget* CreateEdgeBox(const CEquirippleTexts& texts, double sampleRateHz);
    QLayout* CreateConditionForm(const CEquirippleTexts& texts);
    QLineEdit* AddEdit(int id, const std::string& text);
    CEquirippleTexts CurrentTexts() const;
    // The radio buttons: edge labels for the type, edges 3 and 4 for the band types only.
    void OnTypeChosen(int type);
    // Recomputes the estimate line when the conditions have not changed for
    // kEstimateDelayMs: the estimate designs the filter, up to about a second at 4096
    // coefficients.
    void UpdateEstimate();
    void GrowToFit();
    void TakeEstimate();
    // The estimate of the conditions typed now, waiting for none that is pending.
    void CatchUpEstimate();
    // Whether the length read may be designed: found by Shortest for the values typed now,
    // not far below the estimate, or the user said so when asked.
    bool ConfirmLength();
    void FindShortest();

    CEquirippleData m_data;
    double m_dSampleRateHz;
    std::map<int, QLineEdit*> m_edits;
    std::array<QLabel*, 4> m_edgeLabels{};
    QButtonGroup* m_pTypes;
    QLabel* m_pEstimate = nullptr;
    QPushButton* m_pTakeEstimate = nullptr;
    CEquirippleShortest m_shortest;
    CFilterUi::CEquirippleAttempt m_design;
    QPushButton* m_pShortest = nullptr;
    // The values, with the length, that Shortest last found: it measured that they meet
    // the requirements, so OK does not question their length.
    std::optional<CEquirippleTexts> m_shortestFound;
    int m_nEstimate = 0;  // the estimate shown, 0 when there is none
    // The estimate's length also when it is too long to design (CLengthEstimate::nLength).
    int m_nEstimatedLength = 0;
    QTimer m_estimateDelay;
};
