#include "CZeroplotView.h"

#include "CZeroplotDoc.h"
#include "ZPlanePainter.h"

#include <QPainter>

CZeroplotView::CZeroplotView(CZeroplotDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    m_doc.AddView(this);
}

CZeroplotView::~CZeroplotView() { m_doc.RemoveView(this); }

void CZeroplotView::OnDraw(QPainter& painter, bool printing) const
{
    const QColor fill = printing ? QColor(Qt::white) : palette().color(QPalette::Base);
    zplane::DrawZPlane(painter, m_doc, size(), printing, fill);
}

void CZeroplotView::OnUpdate(CView*, long) { update(); }

void CZeroplotView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    OnDraw(painter, false);
}
