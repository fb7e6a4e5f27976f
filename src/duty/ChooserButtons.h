#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

// The buttons the choosers and the box 47 dialogs share, with their tooltips.
namespace ChooserButtons {

// "Übernehmen" (the default button, accepting; named "ok"), a cancel button
// with the given text ("Abbrechen" or "Abbruch"), and "Hilfe" when helpText
// is not empty (it shows that text). take receives "Übernehmen".
QDialogButtonBox* make(QDialog* dialog, const QString& cancelText, const QString& helpText,
                       QPushButton** take = nullptr);

// The same with another text on the accepting button ("OK" for the dialogs
// that store rather than take).
QDialogButtonBox* make(QDialog* dialog, const QString& takeText, const QString& cancelText, const QString& helpText,
                       QPushButton** take);

// Adds "Hilfe" with its tooltip to a dialog's buttons; it shows helpText.
QPushButton* addHelpButton(QDialogButtonBox* buttons, QDialog* dialog, const QString& helpText);

// Opens the manual at the topic of the help context, as F1 does; without
// the program's help key, shows helpText in a message box titled "Hilfe".
void showHelp(QDialog* dialog, const QString& helpText);

} // namespace ChooserButtons
