#pragma once

#include "CFrameWnd.h"
#include "Picture.h"

class CDataView;
class CFilterDoc;
class CFilterView;
class QSplitter;

// The workbench's main window: 600 x 450 pixels at the top-left corner of the screen,
// menus, accelerators, tool bar and status bar from the workbench's tables, and a splitter
// with the graph view (270 pixels high) above the data form. It saves and copies the
// graph as a picture, whichever pane is active.
class CMainFrame : public CFrameWnd {
    Q_OBJECT
public:
    CMainFrame(CWinApp& app, CFilterDoc& doc);

    CFilterView* GetGraphView() const { return m_pGraphView; }
    CDataView* GetDataView() const { return m_pDataView; }
    QSplitter* GetSplitter() const { return m_pSplitter; }

    // Save Graph as Image and Copy Graph Image, available while there is a display array.
    bool OnCmdMsg(int id, CCmdUI* ui) override;
    void OnFileSaveImage();
    void OnEditCopyImage();

private:
    // The graph view's drawing, for a picture.
    CPictureDraw GraphPicture() const;

    CFilterDoc& m_doc;
    QSplitter* m_pSplitter;
    CFilterView* m_pGraphView;
    CDataView* m_pDataView;
};
