#include "app/CDlgEditFeldDefinitionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/OkCancelButtons.h"

CDlgEditFeldDefinitionen::CDlgEditFeldDefinitionen(FieldDefinitions& live, CRegeditManagment& registry,
                                                   QWidget* parent)
    : QDialog(parent)
    , m_editor(live, registry)
{
    setWindowTitle(QStringLiteral("Felddefinitionen anpassen"));

    m_formSet = new QComboBox(this);
    m_formSet->setObjectName(QStringLiteral("formSet"));
    m_formSet->addItems(FieldDefinitionsEditor::formSetNames());
    m_field = new QComboBox(this);
    m_field->setObjectName(QStringLiteral("field"));
    m_field->addItems(FieldDefinitionsEditor::fieldNames());
    m_field->setMaxVisibleItems(20);

    m_notEditable = new QCheckBox(QStringLiteral("nicht &editierbar"), this);
    m_notEditable->setObjectName(QStringLiteral("notEditable"));
    m_notPrinted = new QCheckBox(QStringLiteral("nicht &drucken"), this);
    m_notPrinted->setObjectName(QStringLiteral("notPrinted"));
    m_hidden = new QCheckBox(QStringLiteral("im &Bildschirm nicht anzeigen"), this);
    m_hidden->setObjectName(QStringLiteral("hidden"));
    m_reset = new QPushButton(QStringLiteral("&Originalwerte für alle Felder"), this);
    m_reset->setObjectName(QStringLiteral("reset"));
    m_reset->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Formular:"), m_formSet);
    form->addRow(QStringLiteral("Fe&ld:"), m_field);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_notEditable);
    layout->addWidget(m_notPrinted);
    layout->addWidget(m_hidden);
    layout->addWidget(m_reset, 0, Qt::AlignLeft);
    layout->addWidget(okCancelButtons(this));

    connect(m_formSet, &QComboBox::currentIndexChanged, this, &CDlgEditFeldDefinitionen::selectionChanged);
    connect(m_field, &QComboBox::currentIndexChanged, this, &CDlgEditFeldDefinitionen::selectionChanged);
    for (QCheckBox* box : {m_notEditable, m_notPrinted, m_hidden})
        connect(box, &QCheckBox::clicked, this, &CDlgEditFeldDefinitionen::checkClicked);
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_editor.resetAll();
        // Show the restored state at once: a click on a box would otherwise
        // write the old state of the other two boxes back into the field.
        showChecks();
    });

    showChecks();
    m_formSet->setFocus();
}

void CDlgEditFeldDefinitionen::selectionChanged()
{
    m_editor.select(m_formSet->currentIndex(), m_field->currentIndex());
    showChecks();
}

void CDlgEditFeldDefinitionen::showChecks()
{
    const FieldDefinitionsEditor::Checks c = m_editor.checks();
    m_notEditable->setChecked(c.notEditable);
    m_notPrinted->setChecked(c.notPrinted);
    m_hidden->setChecked(c.hidden);
}

void CDlgEditFeldDefinitionen::checkClicked()
{
    m_editor.setChecks({m_notEditable->isChecked(), m_notPrinted->isChecked(), m_hidden->isChecked()});
}

void CDlgEditFeldDefinitionen::accept()
{
    if (!m_editor.save()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Die Felddefinitionen konnten nicht in den Einstellungen "
                                            "gespeichert werden."));
        return;
    }
    QDialog::accept();
}

void CDlgEditFeldDefinitionen::reject()
{
    m_editor.revert();
    QDialog::reject();
}
