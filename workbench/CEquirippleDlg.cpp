#include "CEquirippleDlg.h"

#include "DialogButtons.h"
#include "CWinApp.h"
#include "DialogOpening.h"
#include "ExchangeFailure.h"
#include "Resource.h"
#include "ShortestLengthButton.h"
#include "WaitCursor.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

namespace {

// The labels of the band edges of each filter type, in increasing frequency (none for the
// multiband filter and the differentiator, whose bands have a field of their own).
const char* const kEdgeLabels[8][4] = {
    {QT_TRANSLATE_NOOP("CEquirippleDlg", "Pass Band Edge:"), QT_TRANSLATE_NOOP("CEquirippleDlg", "Stop Band Edge:"), "", ""},
    {QT_TRANSLATE_NOOP("CEquirippleDlg", "Stop Band Edge:"), QT_TRANSLATE_NOOP("CEquirippleDlg", "Pass Band Edge:"), "", ""},
    {QT_TRANSLATE_NOOP("CEquirippleDlg", "Lower Stop Edge:"), QT_TRANSLATE_NOOP("CEquirippleDlg", "Lower Pass Edge:"),
        QT_TRANSLATE_NOOP("CEquirippleDlg", "Upper Pass Edge:"), QT_TRANSLATE_NOOP("CEquirippleDlg", "Upper Stop Edge:")},
    {QT_TRANSLATE_NOOP("CEquirippleDlg", "Lower Pass Edge:"), QT_TRANSLATE_NOOP("CEquirippleDlg", "Lower Stop Edge:"),
        QT_TRANSLATE_NOOP("CEquirippleDlg", "Upper Stop Edge:"), QT_TRANSLATE_NOOP("CEquirippleDlg", "Upper Pass Edge:")},
    {"", "", "", ""},
    {"", "", "", ""},
    {QT_TRANSLATE_NOOP("CEquirippleDlg", "Lower Band Edge:"), QT_TRANSLATE_NOOP("CEquirippleDlg", "Upper Band Edge:"), "", ""},
    {QT_TRANSLATE_NOOP("CEquirippleDlg", "Pass Band Edge:"), "", "", ""},
};

// Whether two sets of the dialog's texts are the same, field for field.
bool SameTexts(const CEquirippleTexts& a, const CEquirippleTexts& b)
{
    return std::tie(a.nType, a.strEdges, a.strRipple, a.strAttenuation, a.strLength)
        == std::tie(b.nType, b.strEdges, b.strRipple, b.strAttenuation, b.strLength);
}

}  // namespace

CEquirippleDlg::CEquirippleDlg(const CEquirippleData& data, double sampleRateHz, const CEquirippleShortest& shortest,
    CFilterUi::CEquirippleAttempt design, QWidget* parent)
    : QDialog(parent), m_data(data), m_dSampleRateHz(sampleRateHz), m_pTypes(new QButtonGroup(this)),
      m_shortest(shortest), m_design(std::move(design))
{
    setWindowTitle(tr("Designing Equiripple Filter"));
    const CEquirippleTexts texts = WriteEquiripple(data, sampleRateHz);
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateTypeBox(texts.nType));
    layout->addWidget(CreateEdgeBox(texts, sampleRateHz));
    layout->addLayout(CreateConditionForm(texts));
    layout->addWidget(buttons);
    m_estimateDelay.setSingleShot(true);
    m_estimateDelay.setInterval(kEstimateDelayMs);
    connect(&m_estimateDelay, &QTimer::timeout, this, &CEquirippleDlg::UpdateEstimate);
    OnTypeChosen(texts.nType);
    UpdateEstimate();
    OpenOnField(this, GetEdit(IDC_EDGE1));
}

QWidget* CEquirippleDlg::CreateTypeBox(int type)
{
    auto* box = new QGroupBox(tr("Type of Filter"));
    auto* layout = new QGridLayout(box);
    const QString names[] = {tr("Low Pass Filter"), tr("High Pass Filter"), tr("Band Pass Filter"),
        tr("Band Elimination Filter"), tr("Multiband Filter"), tr("Differentiator"), tr("Hilbert Transformer"),
        tr("Half-Band Low Pass")};
    // The four types of the document's file on the left, those only this design makes on the right.
    for (int t = 0; t < 8; ++t) {
        auto* radio = new QRadioButton(names[t]);
        radio->setObjectName(t < 4 ? QString("IDC_RADIO%1").arg(IDC_LOWPASS + t) : QString("IDC_TYPE%1").arg(t));
        m_pTypes->addButton(radio, t);
        layout->addWidget(radio, t % 4, t / 4);
    }
    m_pTypes->button(type)->setChecked(true);
    connect(m_pTypes, &QButtonGroup::idClicked, this, &CEquirippleDlg::OnTypeChosen);
    return box;
}

QWidget* CEquirippleDlg::CreateEdgeBox(const CEquirippleTexts& texts, double sampleRateHz)
{
    auto* box = new QGroupBox(tr("Band Edges"));
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < 4; ++i) {
        m_edgeLabels[static_cast<size_t>(i)] = new QLabel;
        grid->addWidget(m_edgeLabels[static_cast<size_t>(i)], i, 0);
        grid->addWidget(AddEdit(IDC_EDGE1 + i, texts.strEdges[static_cast<size_t>(i)]), i, 1);
        m_edgeLabels[static_cast<size_t>(i)]->setBuddy(GetEdit(IDC_EDGE1 + i));  // names the field in a refusal
    }
    grid->addWidget(new QLabel(tr("Bands:")), 4, 0);
    QLineEdit* bands = AddEdit(IDC_BANDS, texts.strBands);
    bands->setPlaceholderText(tr("F1,F2,GAIN[,WEIGHT]; ..."));
    bands->setToolTip(tr("The bands of a multiband filter or differentiator in increasing order, separated by ';': "
                         "each its edges, its gain (a differentiator's amplitude is f times it) and optionally the "
                         "weight of its error."));
    grid->addWidget(bands, 4, 1);
    grid->addWidget(new QLabel(sampleRateHz > 0.0 ? tr("Hz") : tr("As per Sampling Frequency")), 5, 0, 1, 2);
    return box;
}

QLayout* CEquirippleDlg::CreateConditionForm(const CEquirippleTexts& texts)
{
    auto* grid = new QGridLayout;
    const std::pair<QString, int> rows[] = {{tr("Inband Ripple:"), IDC_RIPPLE}, {tr("Outband Attn.:"), IDC_ATTENUATION},
        {tr("Band Weights:"), IDC_WEIGHTS}, {tr("Filter Length:"), IDC_LENGTH}};
    const std::string values[] = {texts.strRipple, texts.strAttenuation, texts.strWeights, texts.strLength};
    for (int row = 0; row < 4; ++row) {
        auto* label = new QLabel(rows[row].first);
        grid->addWidget(label, row, 0);
        grid->addWidget(AddEdit(rows[row].second, values[row]), row, 1);
        label->setBuddy(GetEdit(rows[row].second));  // names the field in a refusal
    }
    grid->addWidget(new QLabel(tr("dB")), 0, 2);
    grid->addWidget(new QLabel(tr("dB")), 1, 2);
    // Empty: the weights of ripple and attenuation; the field is wide enough to say so whole.
    QLineEdit* weights = GetEdit(IDC_WEIGHTS);
    weights->setPlaceholderText(tr("from ripple and attenuation"));
    const QFontMetrics metrics = weights->fontMetrics();
    weights->setMinimumWidth(metrics.horizontalAdvance(weights->placeholderText()) + 4 * metrics.averageCharWidth());
    m_pTakeEstimate = new QPushButton(tr("Use Estimate"));
    m_pTakeEstimate->setObjectName(QString("IDC_%1").arg(IDC_ESTIMATE));
    m_pTakeEstimate->setAutoDefault(false);
    connect(m_pTakeEstimate, &QPushButton::clicked, this, &CEquirippleDlg::TakeEstimate);
    grid->addWidget(m_pTakeEstimate, 3, 2);
    m_pShortest = CreateShortestButton(tr("Shortest"));
    connect(m_pShortest, &QPushButton::clicked, this, &CEquirippleDlg::FindShortest);
    grid->addWidget(m_pShortest, 4, 2);  // below Use Estimate, so that the dialog keeps its width
    m_pEstimate = new QLabel;
    m_pEstimate->setWordWrap(true);
    grid->addWidget(m_pEstimate, 5, 0, 1, 3);
    return grid;
}

QLineEdit* CEquirippleDlg::AddEdit(int id, const std::string& text)
{
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(QString("IDC_%1").arg(id));
    m_edits[id] = edit;
    if (id != IDC_LENGTH)
        connect(edit, &QLineEdit::textChanged, &m_estimateDelay, qOverload<>(&QTimer::start));
    return edit;
}

CEquirippleTexts CEquirippleDlg::CurrentTexts() const
{
    CEquirippleTexts texts;
    texts.nType = m_pTypes->checkedId();
    for (size_t i = 0; i < texts.strEdges.size(); ++i)
        texts.strEdges[i] = GetEdit(IDC_EDGE1 + static_cast<int>(i))->text().toStdString();
    texts.strRipple = GetEdit(IDC_RIPPLE)->text().toStdString();
    texts.strAttenuation = GetEdit(IDC_ATTENUATION)->text().toStdString();
    texts.strLength = GetEdit(IDC_LENGTH)->text().toStdString();
    // A type without band weights ignores the field, which keeps its text for the others.
    if (EquirippleBandCount(texts.nType) > 0)
        texts.strWeights = GetEdit(IDC_WEIGHTS)->text().toStdString();
    texts.strBands = GetEdit(IDC_BANDS)->text().toStdString();
    return texts;
}

void CEquirippleDlg::OnTypeChosen(int type)
{
    for (int i = 0; i < 4; ++i) {
        const bool used = i < EquirippleEdgeCount(type);
        m_edgeLabels[static_cast<size_t>(i)]->setText(used ? tr(kEdgeLabels[type][i]) : QString());
        GetEdit(IDC_EDGE1 + i)->setEnabled(used);
    }
    GetEdit(IDC_BANDS)->setEnabled(EquirippleTakesBands(type));
    GetEdit(IDC_WEIGHTS)->setEnabled(EquirippleBandCount(type) > 0);
    m_estimateDelay.start();
}

void CEquirippleDlg::UpdateEstimate()
{
    CWaitCursor cursor;
    const std::optional<CLengthEstimate> estimate = EquirippleEstimateOf(CurrentTexts(), m_dSampleRateHz);
    m_nEstimate = estimate && estimate->strError.empty() ? estimate->nLength : 0;
    m_nEstimatedLength = estimate ? estimate->nLength : 0;
    if (estimate && !estimate->strError.empty())
        m_pEstimate->setText(QString::fromStdString(estimate->strError));
    else
        m_pEstimate->setText(
            tr("Estimated Length: %1").arg(m_nEstimate > 0 ? QString::number(m_nEstimate) : QStringLiteral("-")));
    m_pTakeEstimate->setEnabled(m_nEstimate > 0);
    GrowToFit();
}

// A longer estimate line (a refusal wraps to more lines) grows the dialog, so that its last
// lines never hide behind the buttons; the dialog does not shrink under the user's hands.
void CEquirippleDlg::GrowToFit()
{
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void CEquirippleDlg::CatchUpEstimate()
{
    if (m_estimateDelay.isActive()) {
        m_estimateDelay.stop();
        UpdateEstimate();
    }
}

void CEquirippleDlg::TakeEstimate()
{
    CatchUpEstimate();
    if (m_nEstimate > 0)
        GetEdit(IDC_LENGTH)->setText(QString::number(m_nEstimate));
}

bool CEquirippleDlg::ConfirmLength()
{
    CatchUpEstimate();
    if (m_shortestFound && SameTexts(*m_shortestFound, CurrentTexts()))
        return true;
    if (!IsFarBelowEstimate(m_data.m_nLength, m_nEstimatedLength))
        return true;
    const QString question =
        tr("These conditions need about %1 taps by the length estimate. A design of %2 taps will miss the ripple and "
           "attenuation by far.\n\nDesign %2 taps all the same?")
            .arg(m_nEstimatedLength)
            .arg(m_data.m_nLength);
    if (QMessageBox::question(this, AfxGetAppTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes)
        return true;
    GetEdit(IDC_LENGTH)->setFocus(Qt::OtherFocusReason);
    GetEdit(IDC_LENGTH)->selectAll();
    return false;
}

void CEquirippleDlg::FindShortest()
{
    CEquirippleData conditions = m_data;
    if (const auto failure = ReadEquirippleConditions(CurrentTexts(), m_dSampleRateHz, conditions)) {
        ReportExchangeFailure(this, GetEdit(failure->nControl), QString::fromStdString(failure->strMessage));
        return;
    }
    const CShortestAnswer answer = m_shortest(conditions);
    ShowShortestAnswer(this, GetEdit(IDC_LENGTH), answer);
    if (answer.nLength > 0)
        m_shortestFound = CurrentTexts();
}

void CEquirippleDlg::accept()
{
    if (const auto failure = ReadEquiripple(CurrentTexts(), m_dSampleRateHz, m_data)) {
        ReportExchangeFailure(this, GetEdit(failure->nControl), QString::fromStdString(failure->strMessage));
        return;
    }
    if (!ConfirmLength())
        return;
    std::string failure;
    {
        CWaitCursor cursor;
        failure = m_design(m_data);
    }
    if (!failure.empty()) {
        QMessageBox::warning(this, AfxGetAppTitle(), QString::fromStdString(failure));
        return;
    }
    QDialog::accept();
}
