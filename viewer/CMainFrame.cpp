#include "CMainFrame.h"

#include "CWinApp.h"
#include "CZeroplotView.h"
#include "ZeroplotResources.h"

CMainFrame::CMainFrame(CWinApp& app, CZeroplotDoc& doc)
    : CFrameWnd(app.GetAppTitle()), m_pView(new CZeroplotView(doc, app.GetPrinter()))
{
    move(zeroplot::kFrameX, zeroplot::kFrameY);
    resize(zeroplot::kFrameWidth, zeroplot::kFrameHeight);
    setWindowIcon(zeroplot::AppIcon());
    LoadMenus(zeroplot::Menus());
    LoadAccelerators(zeroplot::Accelerators());
    LoadPrompts(zeroplot::Prompts());
    setCentralWidget(m_pView);
    AddPane(m_pView, m_pView);
}
