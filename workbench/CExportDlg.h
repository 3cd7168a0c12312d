#pragma once

#include "CoefficientExport.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// "Export Coefficients": the format, the name of the headers' array (empty: from the file's
// name), the block size of the DSP headers' state buffer, the word length of the coe, mif
// and hex formats, and what the chosen format does to the coefficients (the quantization's
// figures for fixed point), shown before anything is written. OK waits for a name that can
// be one. Opens with the focus on the format.
class CExportDlg : public QDialog {
    Q_OBJECT
public:
    // Opens on choice for the coefficients to export (at least one, all finite), judged
    // against requirements when there are any.
    CExportDlg(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
        const CCoefficientExportChoice& choice, QWidget* parent);

    // The choice the controls show.
    CCoefficientExportChoice GetChoice() const;
    QComboBox* GetFormatBox() const { return m_pFormat; }
    QSpinBox* GetBlockSizeBox() const { return m_pBlockSize; }
    QSpinBox* GetBitsBox() const { return m_pBits; }
    QLineEdit* GetNameEdit() const { return m_pName; }
    QLabel* GetNameProblem() const { return m_pNameProblem; }
    // The figures, in a read-only box that opens tall enough to show them whole and scrolls
    // when the dialog is made smaller.
    QPlainTextEdit* GetFigures() const { return m_pFigures; }

private:
    // The fields' ranges and units, opened on choice.
    void SetUpFields(const CCoefficientExportChoice& choice);
    // The form, the figures' box and the buttons, in the dialog.
    void LayOut();
    // Shows what the chosen format does; the block size counts for the DSP headers only,
    // the word length for coe, mif and hex, the name for the formats that name an array.
    void OnFormatChosen();
    // Says why the name typed cannot be one, and lets OK be pressed only when it can.
    void OnNameEdited();
    // Makes the figures' box at least as tall as its text needs at the box's width.
    void FitFigures();

    const CRealArray& m_coefficients;
    const std::optional<CRequirements> m_requirements;
    QComboBox* m_pFormat;
    QLineEdit* m_pName;
    QLabel* m_pNameProblem;
    QSpinBox* m_pBlockSize;
    QSpinBox* m_pBits;
    QPlainTextEdit* m_pFigures;
    QPushButton* m_pOk = nullptr;
};
