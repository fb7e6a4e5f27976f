#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QWidget;

// "OK" and "Abbrechen" for a dialog, accepting and rejecting it (a dialog's
// own accept() override runs). The buttons are named "ok" and "cancel"; ok,
// when given, receives the OK button. Every dialog of the program takes its
// buttons from here.
QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton** ok = nullptr,
                                  const QString& okText = QStringLiteral("OK"),
                                  const QString& cancelText = QStringLiteral("Abbrechen"));

// A refused entry in a dialog's accept(): says why in a message box over the
// dialog and puts the focus back into the field, its text selected.
void refuseEntry(QDialog* dialog, QWidget* field, const QString& message);
