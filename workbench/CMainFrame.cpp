#include "CMainFrame.h"

#include "AfxIds.h"
#include "AppIcon.h"
#include "CDataView.h"
#include "CFilterDoc.h"
#include "CFilterView.h"
#include "FileIo.h"
#include "MainFrameTables.h"
#include "Resource.h"

#include <QApplication>
#include <QMessageBox>
#include <QSplitter>
#include <QStyle>

namespace {

// The tool bar image of command id.
QIcon toolIcon(int id)
{
    QStyle* style = QApplication::style();
    switch (id) {
    case ID_FILE_NEW: return style->standardIcon(QStyle::SP_FileIcon);
    case ID_FILE_OPEN: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ID_FILE_SAVE: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ID_FILE_PRINT: return PrinterIcon();
    default: return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    }
}

}  // namespace

CMainFrame::CMainFrame(CWinApp& app, CFilterDoc& doc)
    : CFrameWnd(app), m_doc(doc), m_pSplitter(new QSplitter(Qt::Vertical))
{
    setWindowIcon(AppIcon());
    LoadMenus(WorkbenchMenus());
    LoadAccelerators(WorkbenchAccelerators());
    std::vector<CToolButton> buttons;
    for (int id : WorkbenchToolBar())
        buttons.push_back({id, id == ID_SEPARATOR ? QIcon() : toolIcon(id)});
    LoadToolBar(buttons);
    LoadPrompts(WorkbenchPrompts());
    CreateStatusBar(WorkbenchIdleText(), WorkbenchIndicators());
    m_pGraphView = new CFilterView(doc, app);
    m_pDataView = new CDataView(doc);
    m_pSplitter->addWidget(m_pGraphView);
    m_pSplitter->addWidget(m_pDataView);
    m_pSplitter->setChildrenCollapsible(false);
    // The graph keeps its ideal height of 270 pixels; the form takes the rest.
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_pSplitter);
    AddPane(m_pGraphView, m_pGraphView);
    AddPane(m_pDataView, m_pDataView);
    move(0, 0);  // the window frame at the top-left corner of the screen
    resize(600, 450);
}

bool CMainFrame::OnCmdMsg(int id, CCmdUI* ui)
{
    if (id != ID_FILE_SAVE_IMAGE && id != ID_EDIT_COPY_IMAGE)
        return CFrameWnd::OnCmdMsg(id, ui);
    if (ui)
        ui->Enable(m_doc.m_pDisplay != nullptr);
    else if (id == ID_FILE_SAVE_IMAGE)
        OnFileSaveImage();
    else
        OnEditCopyImage();
    return true;
}

void CMainFrame::OnFileSaveImage()
{
    const std::optional<CPictureRequest> request = AskPictureFile(this, m_pGraphView->size(), "graph.png");
    if (!request)
        return;
    try {
        SavePicture(request->strPath, request->size, GraphPicture(), tr("Filter graph"));
    } catch (const exchange::FileError& e) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(),
            tr("The image was not saved: %1.").arg(QString::fromStdString(e.what())));
    }
}

void CMainFrame::OnEditCopyImage() { CopyPicture(m_pGraphView->size(), GraphPicture(), tr("Filter graph")); }

CPictureDraw CMainFrame::GraphPicture() const
{
    return [view = m_pGraphView](QPainter& painter) { view->OnDraw(painter, false); };
}
