#pragma once

#include "CWinApp.h"
#include "CWorkbenchUi.h"

#include <memory>

class CFilterDoc;
class CMainFrame;

// The workbench program: its one document, its main frame with the two views, and the
// About box.
class CFilterApp : public CWinApp {
public:
    CFilterApp();
    ~CFilterApp() override;

    // Builds the document and the frame, then carries out the command line (arguments
    // without the program name): none makes a new document, one opens that document.
    // Shows the frame with the graph pane active and returns true; false when the command
    // line failed (the reason has been shown) and the program should end.
    bool InitInstance(const QStringList& arguments);

    CFilterDoc& GetFilterDoc() const { return *m_pDoc; }
    CMainFrame& GetFrame() const { return *m_pFrame; }

    // The About box, besides the application's file commands.
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;
    void OnAppAbout();

private:
    CWorkbenchUi m_ui;
    std::unique_ptr<CFilterDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
};
