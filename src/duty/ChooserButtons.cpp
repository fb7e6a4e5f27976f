#include "duty/ChooserButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

#include "settings/HelpKey.h"
#include "settings/OkCancelButtons.h"

namespace ChooserButtons {

QDialogButtonBox* make(QDialog* dialog, const QString& cancelText, const QString& helpText, QPushButton** take)
{
    return make(dialog, QStringLiteral("Übernehmen"), cancelText, helpText, take);
}

QDialogButtonBox* make(QDialog* dialog, const QString& takeText, const QString& cancelText, const QString& helpText,
                       QPushButton** take)
{
    QPushButton* ok = nullptr;
    QDialogButtonBox* buttons = okCancelButtons(dialog, &ok, takeText, cancelText);
    ok->setToolTip(QStringLiteral("Dialog beenden und alle Daten sichern"));
    ok->setDefault(true);
    for (QAbstractButton* b : buttons->buttons()) {
        if (buttons->buttonRole(b) == QDialogButtonBox::RejectRole)
            b->setToolTip(QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern"));
    }
    if (!helpText.isEmpty())
        addHelpButton(buttons, dialog, helpText);
    if (take)
        *take = ok;
    return buttons;
}

QPushButton* addHelpButton(QDialogButtonBox* buttons, QDialog* dialog, const QString& helpText)
{
    QPushButton* help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("help"));
    help->setToolTip(QStringLiteral("Aufruf der On-Line Hilfe"));
    QObject::connect(help, &QPushButton::clicked, dialog, [dialog, helpText] { showHelp(dialog, helpText); });
    return help;
}

void showHelp(QDialog* dialog, const QString& helpText)
{
    // The manual at the dialog's topic; the short text when the program
    // has no manual to open (the dialog on its own).
    if (HelpKey::requestHelp(dialog))
        return;
    QMessageBox::information(dialog, QStringLiteral("Hilfe"), helpText);
}

} // namespace ChooserButtons
