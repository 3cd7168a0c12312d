#pragma once

class QDialog;
class QWidget;

// How a dialog opens, called at the end of its constructor (after its title is set): with
// the focus on firstField, the field's text selected (a line edit's) so that typing
// replaces it, and at least as wide as the window manager needs to show its title whole
// (the title in the bold UI font, plus room for the title bar's icon and buttons).
void OpenOnField(QDialog* dialog, QWidget* firstField);
