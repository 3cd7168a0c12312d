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
    setStyleSheet(meets ? QString() : QString("color: %1").arg(WarningColour().name()));
}
