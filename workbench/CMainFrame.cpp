#include "CMainFrame.h"

#include "AfxIds.h"
#include "AppIcon.h"
#include "CDataView.h"
#include "CFilterDoc.h"
#include "CFilterView.h"
#include "CSampleRateDlg.h"
#include "CStatusField.h"
#include "CVerdictPane.h"
#include "CWinApp.h"
#include "FileIo.h"
#include "MainFrameTables.h"
#include "Resource.h"
#include "WorkbenchSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <utility>

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
    : CFrameWnd(app.GetAppTitle()), m_doc(doc), m_pSplitter(new QSplitter(Qt::Vertical)), m_pReadout(new QLabel),
      m_pResult(new CStatusField)
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
    m_pReadout->setObjectName("readout");
    m_pReadout->setMinimumWidth(m_pReadout->fontMetrics().horizontalAdvance("[00000]  f = 0.000000 kHz  -000.000 dB"));
    statusBar()->insertPermanentWidget(1, m_pReadout);  // after the message pane, before the indicators
    m_pResult->setObjectName("result");
    statusBar()->insertPermanentWidget(1, m_pResult);  // before the readout
    CreateClient(app, doc);
    m_pVerdict = new CVerdictPane(doc);  // a view of the document after the result and the readout
    statusBar()->insertPermanentWidget(3, m_pVerdict);
    AddPane(m_pGraphView, m_pGraphView);
    AddPane(m_pDataView, m_pDataView);
    m_pGraphView->SetSampleRate(LoadSampleRate());
    m_pVerdict->SetSampleRate(LoadSampleRate());
    m_pGraphView->SetScaleVisible(LoadScaleVisible());
    m_pReadout->setVisible(LoadScaleVisible());
    m_pVerdict->setVisible(LoadScaleVisible());
    RestoreLayout();
}

void CMainFrame::RestoreLayout()
{
    move(0, 0);  // the window frame at the top-left corner of the screen
    resize(600, 450);
    const QByteArray geometry = LoadWindowLayout().geometry;
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

// The splitter is placed once it has its first size: the graph at its ideal height of 270
// pixels and the form below it, or where the window was last closed with.
void CMainFrame::showEvent(QShowEvent* event)
{
    CFrameWnd::showEvent(event);
    if (std::exchange(m_bSplitterPlaced, true))
        return;
    const QByteArray state = LoadWindowLayout().splitter;
    if (state.isEmpty() || !m_pSplitter->restoreState(state)) {
        const QList<int> sizes = m_pSplitter->sizes();
        m_pSplitter->setSizes({270, sizes.value(0) + sizes.value(1) - 270});
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    CFrameWnd::closeEvent(event);
    if (event->isAccepted())
        SaveWindowLayout({saveGeometry(), m_pSplitter->saveState()});
}

void CMainFrame::CreateClient(CWinApp& app, CFilterDoc& doc)
{
    m_pGraphView = new CFilterView(doc, app);
    m_pDataView = new CDataView(doc);
    m_pSplitter->addWidget(m_pGraphView);
    m_pSplitter->addWidget(m_pDataView);
    m_pSplitter->setChildrenCollapsible(false);
    // A growing window gives its growth to the graph; the form keeps its height.
    m_pSplitter->setStretchFactor(0, 1);
    m_pSplitter->setStretchFactor(1, 0);
    // A handle that can be seen and grasped between the white graph and the form.
    m_pSplitter->setHandleWidth(6);
    m_pSplitter->setStyleSheet("QSplitter::handle { background: palette(mid); border: 1px solid palette(dark); }");
    setCentralWidget(m_pSplitter);
    connect(m_pGraphView, &CFilterView::ReadoutChanged, m_pReadout, &QLabel::setText);
    connect(m_pGraphView, &CFilterView::PointClicked, m_pDataView, &CDataView::SelectIndex);
}

bool CMainFrame::OnCmdMsg(int id, CCmdUI* ui)
{
    switch (id) {
    case ID_VIEW_SCALE:
        if (ui)
            ui->SetCheck(m_pGraphView->IsScaleVisible());
        else
            OnViewScale();
        return true;
    case ID_VIEW_SAMPLERATE:
        if (!ui)
            OnViewSampleRate();
        return true;
    case ID_FILE_SAVE_IMAGE:
    case ID_EDIT_COPY_IMAGE:
        if (ui)
            ui->Enable(m_doc.m_pDisplay != nullptr);
        else if (id == ID_FILE_SAVE_IMAGE)
            OnFileSaveImage();
        else
            OnEditCopyImage();
        return true;
    default:
        return CFrameWnd::OnCmdMsg(id, ui);
    }
}

void CMainFrame::ShowResult(const QString& message) { m_pResult->SetText(message); }

void CMainFrame::OnViewScale()
{
    const bool visible = !m_pGraphView->IsScaleVisible();
    m_pGraphView->SetScaleVisible(visible);
    m_pReadout->setVisible(visible);
    m_pVerdict->setVisible(visible);
    SaveScaleVisible(visible);
}

void CMainFrame::OnViewSampleRate()
{
    CSampleRateDlg dialog(LoadSampleRate(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SaveSampleRate(dialog.GetSampleRate());
    m_pGraphView->SetSampleRate(dialog.GetSampleRate());
    m_pVerdict->SetSampleRate(dialog.GetSampleRate());
}

void CMainFrame::OnFileSaveImage()
{
    const std::optional<CPictureRequest> request = AskPictureFile(this, m_pGraphView->size(), "graph.png");
    if (!request)
        return;
    try {
        SavePicture(request->strPath, request->size, GraphPicture(), tr("Filter graph"));
    } catch (const exchange::FileError& e) {
        QMessageBox::warning(
            this, AfxGetAppTitle(), tr("The image was not saved: %1.").arg(QString::fromStdString(e.what())));
    }
}

void CMainFrame::OnEditCopyImage()
{
    CopyPicture(m_pGraphView->size(), GraphPicture(), tr("Filter graph"));
    ShowStatusMessage(tr("Graph copied"));
}

CPictureDraw CMainFrame::GraphPicture() const
{
    // The drawing fills the picture as it fills the pane.
    return [picture = m_pGraphView->GetPicture()](QPainter& painter) {
        const QPaintDevice* device = painter.device();
        DrawGraph(painter, picture, QSize(device->width(), device->height()), false);
    };
}
