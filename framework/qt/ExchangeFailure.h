#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Tells the user that the text of edit was refused: a message box over parent with
// message, then the focus on edit with its whole text selected.
void ReportExchangeFailure(QWidget* parent, QLineEdit* edit, const QString& message);
