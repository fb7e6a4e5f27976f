#include "duty/ChooserButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

namespace ChooserButtons {

QDialogButtonBox* make(QDialog* dialog, const QString& cancelText, const QString& helpText, QPushButton** take)
{
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("take"));
    ok->setToolTip(QStringLiteral("Dialog beenden und alle Daten sichern"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(cancelText, QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setToolTip(QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern"));
    if (!helpText.isEmpty()) {
        QPushButton* help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
        help->setObjectName(QStringLiteral("help"));
        help->setToolTip(QStringLiteral("Aufruf der On-Line Hilfe"));
        QObject::connect(help, &QPushButton::clicked, dialog, [dialog, helpText] { showHelp(dialog, helpText); });
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    if (take)
        *take = ok;
    return buttons;
}

void showHelp(QDialog* dialog, const QString& helpText)
{
    QMessageBox::information(dialog, QStringLiteral("Hilfe"), helpText);
}

} // namespace ChooserButtons
