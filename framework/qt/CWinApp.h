#pragma once

#include "CCmdTarget.h"
#include "CRecentFileList.h"

#include <QString>
#include <QStringList>
#include <memory>

class CDocument;
class CFrameWnd;
class QPrinter;

// The title of the program's application object (while one exists), for the titles of
// message boxes; the application's display name otherwise.
QString AfxGetAppTitle();

// The application side of a single-document program: the one document and its frame, the
// file commands New, Open, Save, Save As, Print Setup and Exit, the printer, and the
// recent-file list kept in the settings (QSettings with the application's name).
class CWinApp : public CCmdTarget {
public:
    // appTitle: the program's title, shown after the document's title in the window's.
    explicit CWinApp(const QString& appTitle);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The document and the frame the program made at start-up, the document first; the
    // frame is then attached to the document and this application (CFrameWnd::Attach),
    // and asks SaveModified before it closes. Both outlive their use here.
    void SetDocument(CDocument* doc) { m_pDocument = doc; }
    void SetMainFrame(CFrameWnd* frame);
    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetMainFrame() const { return m_pMainFrame; }
    const QString& GetAppTitle() const { return m_strAppTitle; }
    QPrinter& GetPrinter();
    CRecentFileList& GetRecentFiles() { return m_recentFiles; }

    // Carries out the command line: no argument makes a new document, one names the
    // document to open. False when that failed (the reason has been shown) or the command
    // line is not understood (told on stderr).
    bool ProcessShellCommand(const QStringList& arguments);
    // Opens the document at path into the one document. On failure shows a message box
    // naming the file and the reason; the document keeps its contents and name. True on
    // success.
    bool OpenDocumentFile(const QString& path);
    // Saves the document to path, or to a path asked for when path is empty (starting in
    // the document's folder, at its name). On failure shows the reason; the previous file
    // stays as it was. True when saved.
    bool DoSave(const QString& path);
    // May the document be replaced or the program end? Asks whether to save a modified
    // document: Yes saves (false if that fails), No discards, Cancel keeps it.
    bool SaveModified();
    // The window's title: the document's title and the program's title.
    void UpdateFrameTitle();

    bool OnCmdMsg(int id, CCmdUI* ui) override;

private:
    // The file to open, or empty when cancelled: a file dialog with no type filter.
    QString AskOpenPath();
    // The file to save to, starting at suggested, or empty when cancelled. Asks before
    // overwriting; appends no extension.
    QString AskSavePath(const QString& suggested);
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    void ShowError(const QString& message);

    QString m_strAppTitle;
    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pMainFrame = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter;
    CRecentFileList m_recentFiles;
};
