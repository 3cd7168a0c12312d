#include "CFilterApp.h"

#include "AfxIds.h"
#include "AppIcon.h"
#include "CAboutDlg.h"
#include "CFilterDoc.h"
#include "CMainFrame.h"
#include "Version.h"

#include <QCoreApplication>

CFilterApp::CFilterApp() : CWinApp("Filter") {}

CFilterApp::~CFilterApp()
{
    m_pFrame.reset();  // the views leave the document before it goes
    m_pDoc.reset();
}

bool CFilterApp::InitInstance(const QStringList& arguments)
{
    m_pDoc = std::make_unique<CFilterDoc>(m_ui);
    SetDocument(m_pDoc.get());
    m_pFrame = std::make_unique<CMainFrame>(*this, *m_pDoc);
    m_ui.SetFrame(m_pFrame.get());
    SetMainFrame(m_pFrame.get());
    if (!ProcessShellCommand(arguments))
        return false;
    m_pFrame->show();
    m_pFrame->ActivatePane(0);
    m_pFrame->UpdateCommandStates();
    return true;
}

bool CFilterApp::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    if (id != ID_APP_ABOUT)
        return CWinApp::OnCmdMsg(id, pCmdUI);
    if (!pCmdUI)
        OnAppAbout();
    return true;
}

void CFilterApp::OnAppAbout()
{
    CAboutDlg(&GetFrame(), QCoreApplication::translate("CFilterApp", "ﾊﾞｰｼﾞｮﾝ情報(Filter)"), AppIcon(),
        QCoreApplication::translate("CFilterApp", "Filter: FIR filter design workbench, version %1").arg(kFilterVersion),
        QCoreApplication::translate("CFilterApp", "Kaiser-window and equiripple design"))
        .exec();
}
