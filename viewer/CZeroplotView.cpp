#include "CZeroplotView.h"

#include "AfxIds.h"
#include "CZeroplotDoc.h"
#include "FileIo.h"
#include "Picture.h"
#include "Resource.h"
#include "ZPlanePainter.h"
#include "ZeroReadout.h"
#include "ZPlaneMapping.h"
#include "ZPlaneScale.h"
#include "ZeroplotResources.h"

#include <QMessageBox>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>

namespace {

const char* const kPictureTitle = "Zeros in the z-plane";

}  // namespace

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
    zplane::DrawZPlane(painter, m_doc, size(), printing, fill, m_bScale);
}

void CZeroplotView::OnUpdate(CView*, long) { update(); }

void CZeroplotView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    OnDraw(painter, false);
    DrawChoice(painter);
}

void CZeroplotView::SetScaleVisible(bool visible)
{
    m_bScale = visible;
    m_nChosen = -1;
    setMouseTracking(visible);
    emit ReadoutChanged(QString());
    update();
}

int CZeroplotView::ZeroAt(QPointF p) const
{
    if (!m_doc.m_pRoots)
        return -1;
    const CComplexArray& zeros = *m_doc.m_pRoots;
    const double radius = zplane::ScaleRadius(zeros, m_doc.m_bShowAll == 1);
    const QTransform transform = zplane::LogicalToDevice(zplane::Viewport(width(), height(), false));
    int found = -1;
    double nearest = kPickPixels;
    for (int i = 0; i < zeros.GetSize(); ++i) {
        if (!zplane::IsDrawable(zeros[i]))
            continue;
        const QPointF at = transform.map(QPointF(zplane::ToLogical(zeros[i].re, radius), zplane::ToLogical(zeros[i].im, radius)));
        if (QLineF(at, p).length() <= nearest) {
            found = i;
            nearest = QLineF(at, p).length();
        }
    }
    return found;
}

QString CZeroplotView::ChosenReadout() const
{
    if (m_nChosen < 0 || !m_doc.m_pRoots || m_nChosen >= m_doc.m_pRoots->GetSize())
        return QString();
    return QString::fromStdString(zplane::SelectionReadout(*m_doc.m_pRoots, m_nChosen, m_dSampleRate));
}

void CZeroplotView::DrawChoice(QPainter& painter) const
{
    if (!m_bScale || m_nChosen < 0 || !m_doc.m_pRoots || m_nChosen >= m_doc.m_pRoots->GetSize())
        return;
    const CComplexArray& zeros = *m_doc.m_pRoots;
    const double radius = zplane::ScaleRadius(zeros, m_doc.m_bShowAll == 1);
    const QTransform transform = zplane::LogicalToDevice(zplane::Viewport(width(), height(), false));
    const zplane::CZeroPartners partners = zplane::FindPartners(zeros, m_nChosen);
    const auto ring = [&](int index, const QColor& colour) {
        if (index >= 0 && zplane::IsDrawable(zeros[index]))
            zplane::DrawMarkerRing(painter, transform, zplane::ToLogical(zeros[index].re, radius),
                zplane::ToLogical(zeros[index].im, radius), colour);
    };
    for (int partner : {partners.nConjugate, partners.nMirror})
        ring(partner == m_nChosen ? -1 : partner, QColor(0, 160, 0));
    ring(m_nChosen, QColor(220, 0, 0));
}

void CZeroplotView::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!m_bScale)
        return;
    const int zero = ZeroAt(event->position());
    emit ReadoutChanged(zero >= 0 ? QString::fromStdString(zplane::ZeroReadout((*m_doc.m_pRoots)[zero], m_dSampleRate))
                                  : ChosenReadout());
}

void CZeroplotView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (!m_bScale || event->button() != Qt::LeftButton)
        return;
    m_nChosen = ZeroAt(event->position());
    emit ReadoutChanged(ChosenReadout());
    update();
}

void CZeroplotView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (m_bScale)
        emit ReadoutChanged(ChosenReadout());
}

bool CZeroplotView::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    void (CZeroplotView::*handler)() = id == ID_FILE_PRINT ? &CZeroplotView::OnFilePrint
        : id == ID_FILE_PRINT_DIRECT                       ? &CZeroplotView::OnFilePrintDirect
        : id == ID_FILE_PRINT_PREVIEW                      ? &CZeroplotView::OnFilePrintPreview
        : id == ID_FILE_SAVE_IMAGE                         ? &CZeroplotView::OnFileSaveImage
        : id == ID_EDIT_COPY_IMAGE                         ? &CZeroplotView::OnEditCopyImage
                                                           : nullptr;
    if (!handler)
        return false;
    if (!pCmdUI)
        (this->*handler)();
    else if (id == ID_FILE_SAVE_IMAGE || id == ID_EDIT_COPY_IMAGE)
        pCmdUI->Enable(m_doc.m_pRoots != nullptr);
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

void CZeroplotView::OnFileSaveImage()
{
    const std::optional<CPictureRequest> request = AskPictureFile(this, size(), "zeros.png");
    if (!request)
        return;
    const CPictureDraw draw = [this](QPainter& painter) { DrawPicture(painter); };
    try {
        SavePicture(request->strPath, request->size, draw, kPictureTitle);
    } catch (const exchange::FileError& e) {
        QMessageBox::warning(this, zeroplot::kAppTitle, QString("The image was not saved: %1.").arg(e.what()));
    }
}

void CZeroplotView::OnEditCopyImage()
{
    CopyPicture(size(), [this](QPainter& painter) { DrawPicture(painter); }, kPictureTitle);
}

void CZeroplotView::DrawPicture(QPainter& painter) const
{
    const QSize area(painter.device()->width(), painter.device()->height());
    zplane::DrawZPlane(painter, m_doc, area, false, Qt::white, m_bScale);
}
