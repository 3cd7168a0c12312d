#include "CVerdictPane.h"

#include "CFilterDoc.h"
#include "GraphMask.h"
#include "MeasurementReport.h"

#include <stdexcept>

CVerdictPane::CVerdictPane(CFilterDoc& doc) : m_doc(doc)
{
    setObjectName("verdict");
    m_doc.AddView(this);
}

CVerdictPane::~CVerdictPane() { m_doc.RemoveView(this); }

void CVerdictPane::OnUpdate(CView*, long)
{
    m_bStale = true;
    if (isVisible())
        Refresh();
}

void CVerdictPane::SetSampleRate(double sampleRate)
{
    m_dSampleRate = sampleRate;
    m_measuredRequirements.reset();  // measures afresh, to write the new units
    OnUpdate(nullptr, 0);
}

void CVerdictPane::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (m_bStale)
        Refresh();
}

void CVerdictPane::Refresh()
{
    m_bStale = false;
    const CRealArray* coefficients = m_doc.m_pCoef.get();
    std::vector<double> current;
    if (coefficients)
        current.assign(coefficients->data(), coefficients->data() + coefficients->GetSize());
    if (current == m_measuredCoefficients && m_doc.m_requirements == m_measuredRequirements && m_measuredRequirements)
        return;
    m_measuredCoefficients = std::move(current);
    m_measuredRequirements = m_doc.m_requirements;
    ShowVerdict();
}

void CVerdictPane::ShowVerdict()
{
    QString text;
    bool meets = true;
    if (m_doc.m_pCoef && m_doc.m_pCoef->GetSize() > 0 && m_doc.m_requirements) {
        try {
            const CFilterMeasurement m = m_doc.Measure();
            text = QString::fromStdString(VerdictText(m, m_dSampleRate));
            meets = m.MeetsRequirements();
        } catch (const std::invalid_argument&) {
            text.clear();  // coefficients that cannot be measured have no verdict
        }
    }
    setText(text);
    setToolTip(text);
    setStyleSheet(meets ? QString() : QString("color: %1").arg(WarningColour().name()));
}
