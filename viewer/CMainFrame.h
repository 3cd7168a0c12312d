#pragma once

#include "CFrameWnd.h"

class CZeroplotDoc;
class CZeroplotView;
class CWinApp;

// The zero viewer's main window: 360 x 400 pixels at (100, 50), its menu and accelerator
// keys, and the z-plane view of doc filling it. No tool bar; no status bar unless the scale
// is on, when one shows the view's readout. The scale's choice is kept in the settings.
class CMainFrame : public CFrameWnd {
    Q_OBJECT
public:
    // doc must outlive the frame; the view prints on app's printer.
    CMainFrame(CWinApp& app, CZeroplotDoc& doc);

    CZeroplotView& GetView() const { return *m_pView; }
    QLabel* GetReadout() const { return m_pReadout; }

    // The scale, besides the frame's own commands.
    bool OnCmdMsg(int id, CCmdUI* ui) override;
    // Turns the scale on or off and remembers the choice.
    void OnViewScale();

private:
    void ShowScale(bool visible);

    CZeroplotView* m_pView;
    QLabel* m_pReadout;
};
