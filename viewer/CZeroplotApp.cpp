#include "CZeroplotApp.h"

#include "AfxIds.h"
#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "CZeroplotDoc.h"
#include "ZeroplotResources.h"

CZeroplotApp::CZeroplotApp() : CWinApp(zeroplot::kAppTitle) {}

// The frame goes before the document its view is registered with.
CZeroplotApp::~CZeroplotApp() { m_pFrame.reset(); }

bool CZeroplotApp::InitInstance(const QStringList& arguments)
{
    m_pDoc = std::make_unique<CZeroplotDoc>();
    SetDocument(m_pDoc.get());
    m_pFrame = std::make_unique<CMainFrame>(*this, *m_pDoc);
    SetMainFrame(m_pFrame.get());
    if (!ProcessShellCommand(arguments))
        return false;
    m_pFrame->show();
    return true;
}

bool CZeroplotApp::OnCmdMsg(int id, CCmdUI* ui)
{
    if (id != ID_APP_ABOUT)
        return CWinApp::OnCmdMsg(id, ui);
    if (!ui)
        OnAppAbout();
    return true;
}

void CZeroplotApp::OnAppAbout()
{
    CAboutDlg dialog(GetMainFrame(), zeroplot::kAboutCaption, zeroplot::AppIcon(), zeroplot::kAboutVersion,
        zeroplot::kAboutNote);
    dialog.exec();
}
