#include "CFrameWnd.h"

#include "AfxIds.h"
#include "CActionCmdUI.h"
#include "CDocument.h"
#include "GuardedApplication.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

CFrameWnd::CFrameWnd(const QString& appTitle) : m_strAppTitle(appTitle)
{
    m_updateTimer.setSingleShot(true);
    m_updateTimer.setInterval(0);
    connect(&m_updateTimer, &QTimer::timeout, this, &CFrameWnd::UpdateCommandStates);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

CFrameWnd::~CFrameWnd()
{
    // The panes are deleted after this body, and their focus changes must not reach it.
    disconnect(m_focusConnection);
    if (m_pDocument)
        m_pDocument->RemoveView(&m_watcher);
}

QAction* CFrameWnd::GetAction(int id)
{
    QAction*& action = m_actions[id];
    if (!action) {
        action = new QAction(this);
        action->setData(id);
        addAction(action);  // its shortcuts work whichever pane has the focus
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    return action;
}

void CFrameWnd::LoadMenus(const std::vector<CMenuItem>& menus)
{
    for (const CMenuItem& entry : menus) {
        QMenu* menu = menuBar()->addMenu(entry.text);
        connect(menu, &QMenu::aboutToShow, this, &CFrameWnd::UpdateCommandStates);
        AddMenuItems(menu, entry.items);
    }
}

void CFrameWnd::AddMenuItems(QMenu* menu, const std::vector<CMenuItem>& items)
{
    for (const CMenuItem& item : items) {
        if (!item.items.empty()) {
            QMenu* submenu = menu->addMenu(item.text);
            connect(submenu, &QMenu::aboutToShow, this, &CFrameWnd::UpdateCommandStates);
            AddMenuItems(submenu, item.items);
        } else if (item.id == ID_SEPARATOR) {
            menu->addSeparator();
        } else {
            QAction* action = GetAction(item.id);
            action->setText(item.text);
            menu->addAction(action);
        }
    }
}

void CFrameWnd::LoadAccelerators(const std::vector<CAccelerator>& accelerators)
{
    for (const CAccelerator& accelerator : accelerators) {
        QAction* action = GetAction(accelerator.id);
        action->setShortcuts(action->shortcuts() << accelerator.keys);
    }
}

void CFrameWnd::LoadToolBar(const std::vector<CToolButton>& buttons)
{
    m_pToolBar = addToolBar(QString());
    m_pToolBar->setObjectName("toolbar");
    m_pToolBar->setIconSize(QSize(16, 15));
    for (const CToolButton& button : buttons) {
        if (button.id == ID_SEPARATOR) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* action = GetAction(button.id);
        action->setIcon(button.icon);
        m_pToolBar->addAction(action);
    }
}

void CFrameWnd::LoadPrompts(const std::map<int, QString>& prompts)
{
    for (const auto& [id, prompt] : prompts) {
        const qsizetype newline = prompt.indexOf('\n');
        QAction* action = GetAction(id);
        action->setStatusTip(prompt.left(newline));
        if (newline >= 0)
            action->setToolTip(prompt.mid(newline + 1));
    }
}

void CFrameWnd::CreateStatusBar(const QString& idleText, const QStringList& indicators)
{
    m_pIdleLabel = new QLabel(idleText);
    statusBar()->addWidget(m_pIdleLabel, 1);
    for (const QString& text : indicators) {
        auto* pane = new QLabel(text);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 8);
        // The lock-key states cannot be read portably; the pane shows its text greyed.
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
}

void CFrameWnd::ShowStatusMessage(const QString& message) { statusBar()->showMessage(message); }

void CFrameWnd::AddPane(QWidget* pane, CView* view) { m_panes.emplace_back(pane, view); }

CView* CFrameWnd::GetActiveView() const
{
    return m_nActivePane < m_panes.size() ? m_panes[m_nActivePane].second : nullptr;
}

void CFrameWnd::ActivatePane(int index)
{
    m_nActivePane = static_cast<size_t>(index);
    QWidget* pane = m_panes.at(m_nActivePane).first;
    QWidget* last = pane->focusWidget();
    (last ? last : pane)->setFocus(Qt::OtherFocusReason);
    ScheduleCommandUpdate();
}

void CFrameWnd::Attach(CDocument& doc, CCmdTarget& app, std::function<bool()> mayClose)
{
    m_pDocument = &doc;
    m_pApp = &app;
    m_mayClose = std::move(mayClose);
    doc.AddView(&m_watcher);
}

void CFrameWnd::OnFocusChanged(QWidget* now)
{
    for (size_t i = 0; now && i < m_panes.size(); ++i) {
        QWidget* pane = m_panes[i].first;
        if (pane == now || pane->isAncestorOf(now))
            m_nActivePane = i;
    }
    ScheduleCommandUpdate();
}

bool CFrameWnd::RouteCommand(int id, CCmdUI* ui)
{
    CCmdTarget* const route[] = {GetActiveView(), m_pDocument, this, m_pApp};
    for (CCmdTarget* target : route)
        if (target && target->OnCmdMsg(id, ui))
            return true;
    return false;
}

void CFrameWnd::UpdateCommandStates()
{
    m_updateTimer.stop();
    for (const auto& [id, action] : m_actions) {
        CActionCmdUI ui(*action);
        const bool handled = RouteCommand(id, &ui);
        action->setEnabled(handled && ui.IsEnableRequested());
    }
}

void CFrameWnd::ScheduleCommandUpdate() { m_updateTimer.start(); }

// Runs a command. A failure that reaches here is shown in a message box, as the
// framework's command dispatch does.
void CFrameWnd::OnCommand(int id)
{
    try {
        RouteCommand(id, nullptr);
    } catch (...) {
        QMessageBox::critical(this, m_strAppTitle, CurrentFailureSentence());
    }
    ScheduleCommandUpdate();
}

bool CFrameWnd::OnCmdMsg(int id, CCmdUI* ui)
{
    QWidget* bar = id == ID_VIEW_TOOLBAR ? static_cast<QWidget*>(m_pToolBar)
        : id == ID_VIEW_STATUS_BAR      ? static_cast<QWidget*>(statusBar())
                                        : nullptr;
    if (bar) {
        if (ui)
            ui->SetCheck(!bar->isHidden());
        else
            bar->setVisible(bar->isHidden());
        return true;
    }
    if ((id == ID_NEXT_PANE || id == ID_PREV_PANE) && m_panes.size() > 1) {
        const size_t step = id == ID_NEXT_PANE ? 1 : m_panes.size() - 1;
        if (!ui)
            ActivatePane(static_cast<int>((m_nActivePane + step) % m_panes.size()));
        return true;
    }
    return false;
}

void CFrameWnd::closeEvent(QCloseEvent* event)
{
    if (!m_mayClose || m_mayClose())
        event->accept();
    else
        event->ignore();
}
