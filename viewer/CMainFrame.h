#pragma once

#include "CFrameWnd.h"

class CZeroplotDoc;
class CZeroplotView;
class CWinApp;

// The zero viewer's main window: 360 x 400 pixels at (100, 50), its menu and accelerator
// keys, and the z-plane view of doc filling it. No tool bar, no status bar.
class CMainFrame : public CFrameWnd {
    Q_OBJECT
public:
    // doc must outlive the frame; the view prints on app's printer.
    CMainFrame(CWinApp& app, CZeroplotDoc& doc);

    CZeroplotView& GetView() const { return *m_pView; }

private:
    CZeroplotView* m_pView;
};
