#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Tells the user that the text of edit was refused: a message box over parent that names
// the field by its label (the label among parent's children whose buddy is edit: its text
// on one line, without mnemonic marks and closing colon) and says message; then the focus
// on edit with its whole text selected.
void ReportExchangeFailure(QWidget* parent, QLineEdit* edit, const QString& message);
