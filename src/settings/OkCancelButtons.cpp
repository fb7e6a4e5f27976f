#include "settings/OkCancelButtons.h"

#include <QAbstractSpinBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

QDialogButtonBox* okCancelButtons(QDialog* dialog, QPushButton** ok, const QString& okText,
                                  const QString& cancelText)
{
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* okButton = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("ok"));
    buttons->addButton(cancelText, QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    if (ok)
        *ok = okButton;
    return buttons;
}

void refuseEntry(QDialog* dialog, QWidget* field, const QString& message)
{
    QMessageBox::warning(dialog, dialog->windowTitle(), message);
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->selectAll();
}
