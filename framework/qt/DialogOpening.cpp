#include "DialogOpening.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace {

// Room a title bar takes besides its text: the window icon, the buttons and the margins.
constexpr int kTitleBarRoom = 140;

}  // namespace

void OpenOnField(QDialog* dialog, QWidget* firstField)
{
    firstField->setFocus(Qt::OtherFocusReason);  // the dialog's focus widget when it shows
    if (auto* edit = qobject_cast<QLineEdit*>(firstField))
        edit->selectAll();
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle()) + kTitleBarRoom;
    dialog->setMinimumWidth(std::max(dialog->minimumWidth(), titleWidth));  // the layout still sets the height
}
