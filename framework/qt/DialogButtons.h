#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;

// The OK and Cancel buttons of dialog, Cancel labelled cancelText (in the caller's
// translation context): OK calls dialog's accept(), Cancel its reject(), both virtually, so
// that a dialog checking its fields in accept() keeps doing so. The caller places the box,
// which then takes its place in the dialog's tab order, normally after the fields.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, const QString& cancelText);
