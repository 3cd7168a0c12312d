#pragma once

#include "CoefficientExport.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QSpinBox;

// "Export Coefficients": the format, the block size of the DSP headers' state buffer, and
// what the chosen format does to the coefficients (the quantization's figures for fixed
// point), shown before anything is written.
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
    QLabel* GetFigures() const { return m_pFigures; }

private:
    // Shows what the chosen format does; the block size counts for the DSP headers only.
    void OnFormatChosen();

    const CRealArray& m_coefficients;
    const std::optional<CRequirements> m_requirements;
    QComboBox* m_pFormat;
    QSpinBox* m_pBlockSize;
    QLabel* m_pFigures;
};
