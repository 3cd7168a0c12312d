#include "CZeroplotView.h"

#include "AfxIds.h"
#include "CZeroplotDoc.h"
#include "FileIo.h"
#include "Picture.h"
#include "Resource.h"
#include "ZPlanePainter.h"
#include "ZeroplotResources.h"

#include <QMessageBox>
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
    zplane::DrawZPlane(painter, m_doc, area, false, Qt::white);
}
