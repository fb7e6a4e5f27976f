#include "duty/CDlgEH_Default54.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/OkCancelButtons.h"

CDlgEH_Default54::CDlgEH_Default54(const QDate& today, QWidget* parent) : QDialog(parent), m_today(today)
{
    setWindowTitle(QStringLiteral("Aktuelles Datum einfügen"));
    m_model.open();

    m_place = new QLineEdit(m_model.place(), this);
    m_place->setObjectName(QStringLiteral("place"));
    m_place->setToolTip(QStringLiteral("Ortsname eintragen"));
    m_remember = new QCheckBox(QStringLiteral("Ortsname merken"), this);
    m_remember->setObjectName(QStringLiteral("remember"));
    m_remember->setChecked(m_model.rememberPlace());

    QPushButton* take = nullptr;
    QDialogButtonBox* buttons =
        okCancelButtons(this, &take, QStringLiteral("Datum einsetzen"));
    take->setDefault(true);
    take->setToolTip(QStringLiteral("Datum in das Feld einsetzen und den Dialog beenden"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Ort:"), m_place);
    form->addRow(QString(), m_remember);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_place->setFocus();
    m_place->selectAll();
}

void CDlgEH_Default54::accept()
{
    m_text = m_model.take(m_place->text(), m_remember->isChecked(), m_today);
    QDialog::accept();
}
