#pragma once

#include "EquirippleDialogData.h"
#include "ShortestButton.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <map>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// "Designing Equiripple Filter": filter type (the four of the document's file, multiband,
// differentiator, Hilbert transformer, half-band low pass), band edges (fractions of the
// sampling frequency, or Hz when a sample rate is set) or the bands of a multiband filter or
// differentiator, in-band ripple, out-of-band attenuation, band weights and filter length,
// with the length estimate of the values typed so far and a button that takes it, and a
// Shortest button that asks shortest for the shortest length meeting the requirements the
// values state. Opens with the controls WriteEquiripple gives for its
// data; OK reads them back with ReadEquiripple and stays open on the first refused field.
class CEquirippleDlg : public QDialog {
    Q_OBJECT
public:
    // sampleRateHz > 0 shows the edges in Hz; 0 as fractions of the sampling frequency.
    CEquirippleDlg(const CEquirippleData& data, double sampleRateHz, const CEquirippleShortest& shortest,
        QWidget* parent);

    // The values read by the last accepted OK.
    const CEquirippleData& GetData() const { return m_data; }
    // The edit of control id (IDC_EDGE1 .. IDC_EDGE4, IDC_BANDS, IDC_RIPPLE, IDC_ATTENUATION,
    // IDC_WEIGHTS, IDC_LENGTH).
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
    // The radio buttons: edge labels for the type and the edges it uses; Bands for the
    // multiband filter and differentiator, Band Weights for the four types of the file.
    void OnTypeChosen(int type);
    // Recomputes the estimate line when the conditions have not changed for
    // kEstimateDelayMs: the estimate designs the filter, up to about a second at 4096
    // coefficients.
    void UpdateEstimate();
    void TakeEstimate();
    void FindShortest();

    CEquirippleData m_data;
    double m_dSampleRateHz;
    std::map<int, QLineEdit*> m_edits;
    std::array<QLabel*, 4> m_edgeLabels{};
    QButtonGroup* m_pTypes;
    QLabel* m_pEstimate = nullptr;
    QPushButton* m_pTakeEstimate = nullptr;
    CEquirippleShortest m_shortest;
    QPushButton* m_pShortest = nullptr;
    int m_nEstimate = 0;  // the estimate shown, 0 when there is none
    QTimer m_estimateDelay;
};
