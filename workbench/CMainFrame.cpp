#include "CMainFrame.h"

#include "AfxIds.h"
#include "AppIcon.h"
#include "CDataView.h"
#include "CFilterView.h"
#include "MainFrameTables.h"

#include <QApplication>
#include <QSplitter>
#include <QStyle>

namespace {

// The tool bar image of command id.
QIcon toolIcon(int id)
{
    QStyle* style = QApplication::style();
    switch (id) {
    case ID_FILE_NEW: return style->standardIcon(QStyle::SP_FileIcon);
    case ID_FILE_OPEN: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ID_FILE_SAVE: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ID_FILE_PRINT: return PrinterIcon();
    default: return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    }
}

}  // namespace

CMainFrame::CMainFrame(CWinApp& app, CFilterDoc& doc)
    : CFrameWnd(app), m_pSplitter(new QSplitter(Qt::Vertical))
{
    setWindowIcon(AppIcon());
    LoadMenus(WorkbenchMenus());
    LoadAccelerators(WorkbenchAccelerators());
    std::vector<CToolButton> buttons;
    for (int id : WorkbenchToolBar())
        buttons.push_back({id, id == ID_SEPARATOR ? QIcon() : toolIcon(id)});
    LoadToolBar(buttons);
    LoadPrompts(WorkbenchPrompts());
    CreateStatusBar(WorkbenchIdleText(), WorkbenchIndicators());
    m_pGraphView = new CFilterView(doc, app);
    m_pDataView = new CDataView(doc);
    m_pSplitter->addWidget(m_pGraphView);
    m_pSplitter->addWidget(m_pDataView);
    m_pSplitter->setChildrenCollapsible(false);
    // The graph keeps its ideal height of 270 pixels; the form takes the rest.
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_pSplitter);
    AddPane(m_pGraphView, m_pGraphView);
    AddPane(m_pDataView, m_pDataView);
    move(0, 0);  // the window frame at the top-left corner of the screen
    resize(600, 450);
}
