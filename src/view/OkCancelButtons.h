#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

// "OK" and "Abbrechen" for a dialog, accepting and rejecting it. ok, when
// given, receives the OK button.
QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton** ok = nullptr);
