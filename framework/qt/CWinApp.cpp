#include "CWinApp.h"

#include "AfxIds.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "GuardedApplication.h"
#include "Printing.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <cstdio>
#include <stdexcept>

namespace {

// The one application object, while it lives.
CWinApp* s_pApp = nullptr;

}  // namespace

QString AfxGetAppTitle() { return s_pApp ? s_pApp->GetAppTitle() : QGuiApplication::applicationDisplayName(); }

CWinApp::CWinApp(const QString& appTitle) : m_strAppTitle(appTitle), m_recentFiles(4) { s_pApp = this; }

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

void CWinApp::SetMainFrame(CFrameWnd* frame)
{
    m_pMainFrame = frame;
    if (m_pDocument)
        frame->Attach(*m_pDocument, *this, [this] { return SaveModified(); });
}

QPrinter& CWinApp::GetPrinter()
{
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

bool CWinApp::ProcessShellCommand(const QStringList& arguments)
{
    if (arguments.size() > 1) {
        std::fprintf(stderr, "usage: %s [document]\n", qPrintable(QCoreApplication::applicationName()));
        return false;
    }
    if (arguments.size() == 1)
        return OpenDocumentFile(arguments.front());
    OnFileNew();
    return true;
}

bool CWinApp::OpenDocumentFile(const QString& path)
{
    try {
        m_pDocument->OnOpenDocument(path.toStdString());
    } catch (...) {
        ShowError(CurrentFailureSentence());
        return false;
    }
    m_recentFiles.Add(path);
    m_pDocument->UpdateAllViews(nullptr);
    UpdateFrameTitle();
    return true;
}

bool CWinApp::DoSave(const QString& path)
{
    const std::string& current = m_pDocument->GetPathName();
    const QString suggested = QString::fromStdString(current.empty() ? m_pDocument->GetTitle() : current);
    const QString target = path.isEmpty() ? AskSavePath(suggested) : path;
    if (target.isEmpty())
        return false;
    try {
        m_pDocument->OnSaveDocument(target.toStdString());
    } catch (...) {
        ShowError(CurrentFailureSentence());
        return false;
    }
    m_recentFiles.Add(target);
    UpdateFrameTitle();
    return true;
}

bool CWinApp::SaveModified()
{
    if (!m_pDocument || !m_pDocument->IsModified())
        return true;
    const QString question = QCoreApplication::translate("CWinApp", "Save changes to \"%1\"?")
                                 .arg(QString::fromStdString(m_pDocument->GetTitle()));
    switch (QMessageBox::question(m_pMainFrame, m_strAppTitle, question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return DoSave(QString::fromStdString(m_pDocument->GetPathName()));
    case QMessageBox::No: return true;
    default: return false;
    }
}

void CWinApp::UpdateFrameTitle()
{
    if (m_pMainFrame)
        m_pMainFrame->setWindowTitle(QString::fromStdString(m_pDocument->GetTitle()) + " - " + m_strAppTitle);
}

bool CWinApp::OnCmdMsg(int id, CCmdUI* ui)
{
    switch (id) {
    case ID_FILE_NEW: if (!ui) OnFileNew(); return true;
    case ID_FILE_OPEN: if (!ui) OnFileOpen(); return true;
    case ID_FILE_SAVE: if (!ui) DoSave(QString::fromStdString(m_pDocument->GetPathName())); return true;
    case ID_FILE_SAVE_AS: if (!ui) DoSave(QString()); return true;
    case ID_FILE_PRINT_SETUP: if (!ui) OnFilePrintSetup(); return true;
    case ID_APP_EXIT: if (!ui) OnAppExit(); return true;
    default: return false;
    }
}

void CWinApp::OnFileNew()
{
    if (!SaveModified() || !m_pDocument->OnNewDocument())
        return;
    m_pDocument->UpdateAllViews(nullptr);
    UpdateFrameTitle();
}

void CWinApp::OnFileOpen()
{
    if (!SaveModified())
        return;
    const QString path = AskOpenPath();
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CWinApp::OnFilePrintSetup() { PrintSetup(m_pMainFrame, GetPrinter()); }

void CWinApp::OnAppExit()
{
    if (m_pMainFrame)
        m_pMainFrame->close();
}

QString CWinApp::AskOpenPath()
{
    return QFileDialog::getOpenFileName(m_pMainFrame, QCoreApplication::translate("CWinApp", "Open"));
}

QString CWinApp::AskSavePath(const QString& suggested)
{
    return QFileDialog::getSaveFileName(m_pMainFrame, QCoreApplication::translate("CWinApp", "Save As"), suggested);
}

void CWinApp::ShowError(const QString& message)
{
    QMessageBox::critical(m_pMainFrame, m_strAppTitle, message);
}
