#include "CMainFrame.h"

#include "CWinApp.h"
#include "CZeroplotView.h"
#include "Resource.h"
#include "ZeroplotResources.h"
#include "ZeroplotSettings.h"

#include <QLabel>
#include <QStatusBar>

CMainFrame::CMainFrame(CWinApp& app, CZeroplotDoc& doc)
    : CFrameWnd(app.GetAppTitle()), m_pView(new CZeroplotView(doc, app.GetPrinter())), m_pReadout(new QLabel)
{
    move(zeroplot::kFrameX, zeroplot::kFrameY);
    resize(zeroplot::kFrameWidth, zeroplot::kFrameHeight);
    setWindowIcon(zeroplot::AppIcon());
    LoadMenus(zeroplot::Menus());
    LoadAccelerators(zeroplot::Accelerators());
    LoadPrompts(zeroplot::Prompts());
    setCentralWidget(m_pView);
    AddPane(m_pView, m_pView);
    m_pReadout->setObjectName("readout");
    // Three lines, so that the bar keeps its height whatever the readout says: the narrow
    // window wraps a zero's figures, and a chosen zero's partners take a line of their own.
    m_pReadout->setWordWrap(true);
    m_pReadout->setMinimumHeight(3 * m_pReadout->fontMetrics().lineSpacing());
    m_pReadout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    statusBar()->addWidget(m_pReadout, 1);
    connect(m_pView, &CZeroplotView::ReadoutChanged, m_pReadout, &QLabel::setText);
    ShowScale(zeroplot::LoadScaleVisible());
}

bool CMainFrame::OnCmdMsg(int id, CCmdUI* ui)
{
    if (id != ID_VIEW_SCALE)
        return CFrameWnd::OnCmdMsg(id, ui);
    if (ui)
        ui->SetCheck(m_pView->IsScaleVisible());
    else
        OnViewScale();
    return true;
}

void CMainFrame::OnViewScale()
{
    ShowScale(!m_pView->IsScaleVisible());
    zeroplot::SaveScaleVisible(m_pView->IsScaleVisible());
}

// The sample rate is read again each time, so that the readout follows the workbench.
void CMainFrame::ShowScale(bool visible)
{
    m_pView->SetSampleRate(zeroplot::WorkbenchSampleRate());
    m_pView->SetScaleVisible(visible);
    statusBar()->setVisible(visible);
}
