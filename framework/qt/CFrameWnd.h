#pragma once

#include "CCmdTarget.h"
#include "CView.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <utility>
#include <vector>

class CDocument;
class QAction;
class QLabel;
class QToolBar;

// One entry of a menu table: a command (id > 0), a separator (id 0, no text), or a
// submenu titled text holding items.
struct CMenuItem {
    QString text;
    int id = 0;
    std::vector<CMenuItem> items;
};

// A key combination that sends command id.
struct CAccelerator {
    QKeySequence keys;
    int id;
};

// A tool bar button for command id, or a separator (id 0).
struct CToolButton {
    int id;
    QIcon icon;
};

// The main window of a single-document program: menus, accelerators, tool bar and status
// bar built from tables, one QAction per command id, and the command routing. A command is
// offered to the active view, the document, the frame and the application in that order;
// a command that none of them handles is disabled. The frame knows the document and the
// application only as command targets: the application that owns it attaches them. The command states are refreshed when
// a menu is about to show, and through a zero-delay timer after every command, document
// change and focus change.
class CFrameWnd : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    // appTitle: the title of the message boxes the frame shows.
    explicit CFrameWnd(const QString& appTitle);
    ~CFrameWnd() override;

    // The action of command id, created on first use; its data() is the id.
    QAction* GetAction(int id);
    // A menu bar of the given menus (each a submenu entry of the table).
    void LoadMenus(const std::vector<CMenuItem>& menus);
    void LoadAccelerators(const std::vector<CAccelerator>& accelerators);
    void LoadToolBar(const std::vector<CToolButton>& buttons);
    // Command prompts "status text\ntool tip": the status text shows in the message pane
    // while the item is highlighted, the tool tip over its tool bar button.
    void LoadPrompts(const std::map<int, QString>& prompts);
    // A status bar: the message pane showing idleText when there is no prompt, then one
    // pane per indicator text.
    void CreateStatusBar(const QString& idleText, const QStringList& indicators);
    // Shows message in the message pane until the next prompt or message replaces it.
    void ShowStatusMessage(const QString& message);

    // Adds a pane showing view (in the order of panes for Next/Previous Pane). The first
    // pane added is the active one until the focus moves into another.
    void AddPane(QWidget* pane, CView* view);
    CView* GetActiveView() const;
    // Gives the focus to pane index (0 .. panes - 1), which makes it the active view.
    void ActivatePane(int index);
    // Offers commands to doc after the active view and to app after the frame itself,
    // refreshes the command states whenever doc updates its views, and asks mayClose
    // whether the window may close. Called once by the application that owns the frame,
    // after the views have been added to doc.
    void Attach(CDocument& doc, CCmdTarget& app, std::function<bool()> mayClose);

    // Offers command id along the route; ui null: runs it. True when someone handled it.
    bool RouteCommand(int id, CCmdUI* ui);
    // Sets every action's enabled and checked state from the route, now.
    void UpdateCommandStates();
    void ScheduleCommandUpdate();

    // The frame's own commands: tool bar and status bar visibility, next and previous pane.
    bool OnCmdMsg(int id, CCmdUI* ui) override;

protected:
    // Closing the window asks the owner whether the document may go.
    void closeEvent(QCloseEvent* event) override;

private:
    // Refreshes the command states when the document changes.
    class CDocumentWatcher : public CView {
    public:
        explicit CDocumentWatcher(CFrameWnd& frame) : m_frame(frame) {}
        void OnUpdate(CView*, long) override { m_frame.ScheduleCommandUpdate(); }

    private:
        CFrameWnd& m_frame;
    };

    void OnCommand(int id);
    void OnFocusChanged(QWidget* now);
    void AddMenuItems(QMenu* menu, const std::vector<CMenuItem>& items);
    void ToggleBar(QWidget* bar);

    QString m_strAppTitle;
    CCmdTarget* m_pApp = nullptr;
    std::function<bool()> m_mayClose;
    std::map<int, QAction*> m_actions;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pIdleLabel = nullptr;
    std::vector<std::pair<QWidget*, CView*>> m_panes;
    size_t m_nActivePane = 0;
    QTimer m_updateTimer;
    QMetaObject::Connection m_focusConnection;
    CDocumentWatcher m_watcher{*this};
    CDocument* m_pDocument = nullptr;
};
