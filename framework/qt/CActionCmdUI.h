#pragma once

#include "CCmdTarget.h"

class QAction;

// The state of one command's QAction as the update handlers set it. The check mark is
// applied at once; the enabled state is collected and applied by whoever routed the
// update, since a command that nobody handles is disabled whatever was asked.
class CActionCmdUI : public CCmdUI {
public:
    explicit CActionCmdUI(QAction& action) : m_action(action) {}

    void Enable(bool on = true) override { m_bEnable = on; }
    // 0: no check mark, anything else: check mark. Makes the action checkable.
    void SetCheck(int check = 1) override;
    // What the handlers asked for; true when none asked.
    bool IsEnableRequested() const { return m_bEnable; }

private:
    QAction& m_action;
    bool m_bEnable = true;
};
