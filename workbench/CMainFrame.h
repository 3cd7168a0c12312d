#pragma once

#include "CFrameWnd.h"
#include "Picture.h"

class CDataView;
class CFilterDoc;
class CFilterView;
class CStatusField;
class CVerdictPane;
class CWinApp;
class QLabel;
class QSplitter;

// The workbench's main window: at its first start 600 x 450 pixels at the top-left corner
// of the screen, then where and as large as it was last closed; menus, accelerators, tool
// bar and status bar from the workbench's tables, and a splitter with the graph view (270
// pixels high at first, then as last left) above the data form. When the window grows the
// graph takes the growth; the form keeps its height. It owns the view options kept in the
// settings: the graph's scale, with its readout and the verdict on the requirements in
// extra status-bar panes, and the sample rate; and it saves and copies the graph as a
// picture, whichever pane is active. A field of the status bar keeps the last result told
// in passing (the length estimate) in view, where menu prompts do not replace it.
class CMainFrame : public CFrameWnd {
    Q_OBJECT
public:
    CMainFrame(CWinApp& app, CFilterDoc& doc);

    CFilterView* GetGraphView() const { return m_pGraphView; }
    CDataView* GetDataView() const { return m_pDataView; }
    QSplitter* GetSplitter() const { return m_pSplitter; }
    QLabel* GetReadoutPane() const { return m_pReadout; }
    // The status-bar field of the last result told in passing (the length estimate).
    CStatusField* GetResultField() const { return m_pResult; }
    // Shows message in the result field until the next one; empty hides the field.
    void ShowResult(const QString& message);
    CVerdictPane* GetVerdictPane() const { return m_pVerdict; }

    // The scale, the sample rate and the graph's picture, besides the frame's own commands.
    bool OnCmdMsg(int id, CCmdUI* ui) override;
    // Turns the scale on or off and remembers the choice.
    void OnViewScale();
    // The sample-rate dialog; on OK the rate is used and remembered.
    void OnViewSampleRate();

    // Save Graph as Image and Copy Graph Image (which says so in the status bar), available
    // while there is a display array.
    void OnFileSaveImage();
    void OnEditCopyImage();

protected:
    // A window that closes remembers its place, size and splitter for the next start.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateClient(CWinApp& app, CFilterDoc& doc);
    // The window's first place and size, or those it was last closed with.
    void RestoreLayout();
    // The graph view's drawing, for a picture.
    CPictureDraw GraphPicture() const;

    CFilterDoc& m_doc;
    QSplitter* m_pSplitter;
    CFilterView* m_pGraphView;
    CDataView* m_pDataView;
    QLabel* m_pReadout;
    CStatusField* m_pResult;
    bool m_bSplitterPlaced = false;
    CVerdictPane* m_pVerdict = nullptr;
};
