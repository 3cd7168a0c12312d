#pragma once

#include "CWinApp.h"

#include <QStringList>
#include <memory>

class CMainFrame;
class CZeroplotDoc;

// The zero viewer program: its one document, read from "root.bin" at start-up, and the
// main frame showing it; the About box. The framework's CWinApp does New, Open, Save,
// Print Setup, Exit and the recent-file list of 4 entries.
class CZeroplotApp : public CWinApp {
public:
    CZeroplotApp();
    ~CZeroplotApp() override;

    // Makes the document (which reads "root.bin" from the current directory) and the
    // frame, carries out the command line (arguments without the program's name: none
    // makes a new document, one names a document to open) and shows the frame. False
    // when the command line failed; the program then ends.
    bool InitInstance(const QStringList& arguments);

    // Answers ID_APP_ABOUT, then the framework's commands.
    bool OnCmdMsg(int id, CCmdUI* ui) override;
    // The About box, modal.
    void OnAppAbout();

private:
    std::unique_ptr<CZeroplotDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
};
