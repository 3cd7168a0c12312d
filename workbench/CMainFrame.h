#pragma once

#include "CFrameWnd.h"
#include "Picture.h"

class CDataView;
class CFilterDoc;
class CFilterView;
class CVerdictPane;
class CWinApp;
class QLabel;
class QSplitter;

// The workbench's main window: 600 x 450 pixels at the top-left corner of the screen,
// menus, accelerators, tool bar and status bar from the workbench's tables, and a splitter
// with the graph view (270 pixels high) above the data form. It owns the view options kept
// in the settings: the graph's scale, with its readout and the verdict on the requirements
// in extra status-bar panes, and the sample rate; and it saves and copies the graph as a
// picture, whichever pane is active.
class CMainFrame : public CFrameWnd {
    Q_OBJECT
public:
    CMainFrame(CWinApp& app, CFilterDoc& doc);

    CFilterView* GetGraphView() const { return m_pGraphView; }
    CDataView* GetDataView() const { return m_pDataView; }
    QSplitter* GetSplitter() const { return m_pSplitter; }
    QLabel* GetReadoutPane() const { return m_pReadout; }
    CVerdictPane* GetVerdictPane() const { return m_pVerdict; }

    // The scale, the sample rate and the graph's picture, besides the frame's own commands.
    bool OnCmdMsg(int id, CCmdUI* ui) override;
    // Turns the scale on or off and remembers the choice.
    void OnViewScale();
    // The sample-rate dialog; on OK the rate is used and remembered.
    void OnViewSampleRate();

    // Save Graph as Image and Copy Graph Image, available while there is a display array.
    void OnFileSaveImage();
    void OnEditCopyImage();

private:
    void CreateClient(CWinApp& app, CFilterDoc& doc);
    // The graph view's drawing, for a picture.
    CPictureDraw GraphPicture() const;

    CFilterDoc& m_doc;
    QSplitter* m_pSplitter;
    CFilterView* m_pGraphView;
    CDataView* m_pDataView;
    QLabel* m_pReadout;
    CVerdictPane* m_pVerdict = nullptr;
};
