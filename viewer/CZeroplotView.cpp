#include "CZeroplotView.h"

#include "AfxIds.h"
#include "CZeroplotDoc.h"
#include "ZPlanePainter.h"

#include <QPainter>

CZeroplotView::CZeroplotView(CZeroplotDoc& doc, QPrinter& printer, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_printer(printer)
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

bool CZeroplotView::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    void (CZeroplotView::*handler)() = id == ID_FILE_PRINT ? &CZeroplotView::OnFilePrint
        : id == ID_FILE_PRINT_DIRECT                       ? &CZeroplotView::OnFilePrintDirect
        : id == ID_FILE_PRINT_PREVIEW                      ? &CZeroplotView::OnFilePrintPreview
                                                           : nullptr;
    if (!handler)
        return false;
    if (!pCmdUI)
        (this->*handler)();
    return true;
}

void CZeroplotView::OnFilePrint()
{
    PrintWithDialog(this, m_printer, PagePainter());
}

void CZeroplotView::OnFilePrintDirect()
{
    PrintPage(m_printer, PagePainter());
}

void CZeroplotView::OnFilePrintPreview()
{
    PrintPreview(this, m_printer, PagePainter());
}

CPagePainter CZeroplotView::PagePainter() const
{
    return [this](QPainter& painter) { OnDraw(painter, true); };
}
