#include "CActionCmdUI.h"

#include <QAction>

void CActionCmdUI::SetCheck(int check)
{
    m_action.setCheckable(true);
    m_action.setChecked(check != 0);
}
