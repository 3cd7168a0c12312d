#pragma once

#include "ShortestButton.h"  // CShortestAnswer

#include <QString>

class QDialog;
class QLineEdit;
class QPushButton;

// The design dialogs' Shortest button: labelled label (in the dialog's own translation),
// named after IDC_SHORTEST, never the default button, with a tool tip saying what it does.
QPushButton* CreateShortestButton(const QString& label);
// Shows what the document answered: its length in lengthEdit, or its reason in a message
// box over dialog (nothing when the user stopped the search).
void ShowShortestAnswer(QDialog* dialog, QLineEdit* lengthEdit, const CShortestAnswer& answer);
