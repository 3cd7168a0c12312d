#include "CExportDlg.h"

#include "DialogButtons.h"
#include "DialogOpening.h"
#include "ExportName.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// The formats' names in the list, in the order of ExportFormats().
QStringList formatTexts()
{
    return {CExportDlg::tr("Full precision text (17 digits a line)"), CExportDlg::tr("CSV (index,coefficient)"),
        CExportDlg::tr("C header, Q15 (int16_t)"), CExportDlg::tr("C header, Q31 (int32_t)"),
        CExportDlg::tr("Cortex-M DSP library, float32_t"), CExportDlg::tr("Cortex-M DSP library, q15_t"),
        CExportDlg::tr("Cortex-M DSP library, q31_t"), CExportDlg::tr("NumPy array (.npy, float64)"),
        CExportDlg::tr("MATLAB/Octave script (.m)"),
        CExportDlg::tr("JSON with the design, requirements and measurements"),
        CExportDlg::tr("Xilinx coefficient file (.coe)"), CExportDlg::tr("Intel memory initialisation file (.mif)"),
        CExportDlg::tr("Hex words for $readmemh (.hex)")};
}

}  // namespace

CExportDlg::CExportDlg(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
    const CCoefficientExportChoice& choice, QWidget* parent)
    : QDialog(parent), m_coefficients(coefficients), m_requirements(requirements), m_pFormat(new QComboBox),
      m_pName(new QLineEdit(QString::fromStdString(choice.strName))), m_pNameProblem(new QLabel),
      m_pBlockSize(new QSpinBox), m_pBits(new QSpinBox), m_pFigures(new QPlainTextEdit)
{
    setWindowTitle(tr("Export Coefficients"));
    SetUpFields(choice);
    LayOut();
    connect(m_pFormat, &QComboBox::currentIndexChanged, this, &CExportDlg::OnFormatChosen);
    connect(m_pBits, &QSpinBox::valueChanged, this, &CExportDlg::OnFormatChosen);
    connect(m_pName, &QLineEdit::textChanged, this, &CExportDlg::OnNameEdited);
    OnFormatChosen();
    OnNameEdited();
    OpenOnField(this, m_pFormat);
}

void CExportDlg::SetUpFields(const CCoefficientExportChoice& choice)
{
    m_pFormat->addItems(formatTexts());
    const auto& formats = ExportFormats();
    m_pFormat->setCurrentIndex(static_cast<int>(std::find(formats.begin(), formats.end(), choice.format) - formats.begin()));
    m_pBlockSize->setRange(1, kMaxBlockSize);
    m_pBlockSize->setValue(choice.nBlockSize);
    m_pBits->setRange(kMinWordBits, kMaxWordBits);
    m_pBits->setValue(choice.nBits);
    m_pBits->setSuffix(tr(" bits"));
    m_pName->setPlaceholderText(tr("from the file's name"));
    m_pNameProblem->setWordWrap(true);
    m_pFigures->setReadOnly(true);
    m_pFigures->setMinimumWidth(60 * m_pFigures->fontMetrics().averageCharWidth());
}

void CExportDlg::LayOut()
{
    auto* form = new QFormLayout;
    form->addRow(tr("Format:"), m_pFormat);
    form->addRow(tr("Name:"), m_pName);
    form->addRow(QString(), m_pNameProblem);
    form->addRow(tr("Block size:"), m_pBlockSize);
    form->addRow(tr("Word length:"), m_pBits);
    auto* figuresBox = new QGroupBox(tr("What the format does to the coefficients"));
    (new QVBoxLayout(figuresBox))->addWidget(m_pFigures);
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(figuresBox);
    layout->addWidget(buttons);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
}

CCoefficientExportChoice CExportDlg::GetChoice() const
{
    return {ExportFormats().at(static_cast<size_t>(m_pFormat->currentIndex())), m_pBlockSize->value(),
        m_pBits->value(), m_pName->text().toStdString()};
}

void CExportDlg::OnFormatChosen()
{
    const CCoefficientExportChoice choice = GetChoice();
    m_pBlockSize->setEnabled(IsDspFormat(choice.format));
    m_pBits->setEnabled(IsWordFormat(choice.format));
    m_pName->setEnabled(IsNamedFormat(choice.format));
    if (m_pOk)
        OnNameEdited();
    QStringList lines;
    try {
        for (const std::string& line : DescribeExport(m_coefficients, choice, m_requirements))
            lines << QString::fromStdString(line);
    } catch (const std::invalid_argument& e) {
        lines << tr("These coefficients cannot be exported: %1.").arg(QString::fromStdString(e.what()));
    }
    m_pFigures->setPlainText(lines.join('\n'));
    FitFigures();
}

// The text's height wrapped at the box's narrowest content width, and room for the frame
// and the document's margins; the box only grows, so that switching formats never makes
// the dialog jump smaller.
void CExportDlg::FitFigures()
{
    const int frame = 2 * m_pFigures->frameWidth();
    const int margin = 2 * static_cast<int>(std::ceil(m_pFigures->document()->documentMargin()));
    const int width = m_pFigures->minimumWidth() - frame - margin - m_pFigures->verticalScrollBar()->sizeHint().width();
    const QFontMetrics fm = m_pFigures->fontMetrics();
    const QRect text = fm.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, m_pFigures->toPlainText());
    m_pFigures->setMinimumHeight(std::max(m_pFigures->minimumHeight(), text.height() + frame + margin + fm.lineSpacing()));
}

void CExportDlg::OnNameEdited()
{
    const std::string name = m_pName->text().toStdString();
    const bool counts = IsNamedFormat(GetChoice().format) && !name.empty();
    const QString problem = counts ? QString::fromStdString(CheckExportName(name)) : QString();
    m_pNameProblem->setText(problem);
    m_pNameProblem->setVisible(!problem.isEmpty());
    m_pOk->setEnabled(problem.isEmpty());
}
