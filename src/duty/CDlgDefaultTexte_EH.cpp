#include "duty/CDlgDefaultTexte_EH.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/FederalStates.h"
#include "form/DeclarantRoles.h"
#include "form/FieldDefinitions.h"
#include "settings/StringTable.h"

namespace {

const char* const HelpText =
    "Die Angaben dieses Dialogs gelten für jedes neue Einheitspapier:\n\n"
    "Feld 8, Feld 14, Feld 17b und Feld 34b erhalten den Vorgabetext, wenn "
    "\"Vorgabetext benutzen\" angekreuzt ist.\n"
    "Die Stempel in den Feldern A und C und die Anzeige von XXX gelten für alle Formulare.\n\n"
    "Geöffnete Dokumente bleiben unverändert.";

const QString UseText = QStringLiteral("Vorgabetext benutzen");
const QString UseTip = QStringLiteral("Aktiviert die Angaben für jedes neue Dokument");

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, const QString& tip, bool on)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    if (!tip.isEmpty())
        box->setToolTip(tip);
    box->setChecked(on);
    return box;
}

QComboBox* stateList(QWidget* parent, const char* name, const QString& tip, int position)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setToolTip(tip);
    for (int i = 0; i < DefaultTexteModel::StateEntries; ++i)
        list->addItem(FederalStates::entry(i));
    list->setCurrentIndex(position);
    return list;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(tip);
    return edit;
}

} // namespace

CDlgDefaultTexte_EH::CDlgDefaultTexte_EH(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Voreinstellungen und Vorgabetexte (Einheitspapier)"));
    m_model.load();

    // Box 8.
    m_address = new QPlainTextEdit(this);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setToolTip(QStringLiteral("Eintragen: Firmenname und Adresse des Versenders/Ausführers"));
    m_address->setTabChangesFocus(true);
    m_address->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_address->setPlainText(QString(m_model.address).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    {
        const QFontMetrics fm(m_address->font());
        m_address->setFixedHeight(fm.lineSpacing() * DefaultTexteModel::AddressLines + 2 * m_address->frameWidth() + 10);
        m_address->setMinimumWidth(fm.averageCharWidth() * (DefaultTexteModel::AddressLineWidth + 4));
    }
    m_customs1 = lineEdit(this, "customsNumber1", m_model.customsNumber1,
                          QStringLiteral("Eintragen: Zollnummer des Versenders/Ausführers"));
    auto* box8 = new QGroupBox(QStringLiteral(" Feld 8: Empfänger"), this);
    auto* box8Layout = new QGridLayout(box8);
    box8Layout->addWidget(m_address, 0, 0, 1, 2);
    box8Layout->addWidget(new QLabel(QStringLiteral("Zollnummer"), box8), 1, 0);
    box8Layout->addWidget(m_customs1, 1, 1);
    box8Layout->addWidget(checkBox(box8, "useAddress", UseText, UseTip, m_model.useAddress), 2, 0, 1, 2);
    box8Layout->addWidget(checkBox(box8, "notOnPage2", QStringLiteral("Auf Seite 2 nicht drucken"),
                                   QStringLiteral("Deaktiviert die Angaben für die Ergänzungsblätter"),
                                   m_model.notOnPage2),
                          3, 0, 1, 2);

    // Box 14.
    m_declarant = new QComboBox(this);
    m_declarant->setObjectName(QStringLiteral("declarant"));
    m_declarant->setToolTip(QStringLiteral("Auswählen: Standardtext"));
    m_declarant->addItem(QString());
    for (int role = 1; role <= DeclarantRoles::Count; ++role)
        m_declarant->addItem(DeclarantRoles::text(role));
    m_declarant->setCurrentIndex(m_model.declarant);
    m_customs2 = lineEdit(this, "customsNumber2", m_model.customsNumber2,
                          QStringLiteral("Eintragen: Zollnummer des Anmelders/Vertereters"));
    auto* box14 = new QGroupBox(QStringLiteral(" Feld 14: Anmelder/Vertreter "), this);
    auto* box14Layout = new QGridLayout(box14);
    box14Layout->addWidget(m_declarant, 0, 0, 1, 2);
    box14Layout->addWidget(new QLabel(QStringLiteral("Zollnummer"), box14), 1, 0);
    box14Layout->addWidget(m_customs2, 1, 1);
    box14Layout->addWidget(checkBox(box14, "useDeclarant", UseText, UseTip, m_model.useDeclarant), 2, 0, 1, 2);

    // Boxes 17 b and 34 b.
    m_state17 = stateList(this, "state17", QStringLiteral("Auswählen: Bestimmungsland"), m_model.state17);
    auto* box17 = new QGroupBox(QStringLiteral("Feld 17b: Bestimmungsland/Code "), this);
    auto* box17Layout = new QVBoxLayout(box17);
    box17Layout->addWidget(m_state17);
    box17Layout->addWidget(checkBox(box17, "useState17", UseText, UseTip, m_model.useState17));
    m_state34 = stateList(this, "state34", QStringLiteral("Auswählen: Ursprungsland"), m_model.state34);
    auto* box34 = new QGroupBox(QStringLiteral("Feld 34b: Ursprungsland/Code "), this);
    auto* box34Layout = new QVBoxLayout(box34);
    box34Layout->addWidget(m_state34);
    box34Layout->addWidget(checkBox(box34, "useState34", UseText, UseTip, m_model.useState34));

    // The form-wide switches.
    auto* switches = new QVBoxLayout;
    switches->addWidget(checkBox(this, "autoFill", QStringLiteral("Automatisches Ausfüllen von Feld 3, 5 und 32 erlauben"),
                                 QStringLiteral("Aktiviert die automatische Befüllung der Felder 3, 5 und 32"),
                                 m_model.autoFill));
    switches->addWidget(checkBox(this, "stampA", QStringLiteral("Stempel im Feld A"),
                                 QStringLiteral("Aktiviert den Stempel im Feld A"), m_model.stampA));
    switches->addWidget(checkBox(this, "stampC", QStringLiteral("Stempel im Feld C"),
                                 QStringLiteral("Aktiviert den Stempel im Feld C"), m_model.stampC));
    switches->addWidget(checkBox(this, "autoDate", QStringLiteral("Automatisch das aktuelle Datum im Stempel einsetzen"),
                                 QStringLiteral("Fügt automatisch das aktuelle Datum im Stempel ein"), m_model.autoDate));
    switches->addWidget(checkBox(this, "threeLineStamp", QStringLiteral("Feld 2 und Feld 5 im Stempel dreizeilig."),
                                 QStringLiteral("Ermöglicht eine dreizeilige Eingabe im Stempelfeld 2 und 5"),
                                 m_model.threeLineStamp));
    switches->addWidget(checkBox(this, "showXX", QStringLiteral("XXX in unbenutzten Feldern anzeigen"), QString(),
                                 m_model.showXX));

    auto* grid = new QGridLayout;
    grid->addWidget(box8, 0, 0, 2, 1);
    grid->addWidget(box14, 0, 1);
    auto* states = new QVBoxLayout;
    states->addWidget(box17);
    states->addWidget(box34);
    grid->addLayout(states, 1, 1);
    grid->addLayout(switches, 2, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("OK"), QStringLiteral("Abbruch"),
                                           QString::fromUtf8(HelpText), nullptr));
    m_address->setFocus();
}

QCheckBox* CDlgDefaultTexte_EH::check(const char* name) const
{
    return findChild<QCheckBox*>(QLatin1String(name));
}

void CDlgDefaultTexte_EH::accept()
{
    m_model.address = m_address->toPlainText();
    m_model.customsNumber1 = m_customs1->text();
    m_model.useAddress = check("useAddress")->isChecked();
    m_model.notOnPage2 = check("notOnPage2")->isChecked();
    m_model.declarant = m_declarant->currentIndex();
    m_model.customsNumber2 = m_customs2->text();
    m_model.useDeclarant = check("useDeclarant")->isChecked();
    m_model.state17 = m_state17->currentIndex();
    m_model.useState17 = check("useState17")->isChecked();
    m_model.state34 = m_state34->currentIndex();
    m_model.useState34 = check("useState34")->isChecked();
    m_model.autoFill = check("autoFill")->isChecked();
    m_model.stampA = check("stampA")->isChecked();
    m_model.stampC = check("stampC")->isChecked();
    m_model.autoDate = check("autoDate")->isChecked();
    m_model.threeLineStamp = check("threeLineStamp")->isChecked();
    m_model.showXX = check("showXX")->isChecked();
    QDialog::accept();
}

bool CDlgDefaultTexte_EH::edit(QWidget* parent, FieldDefinitions& definitions, CRegeditManagment& registry)
{
    CDlgDefaultTexte_EH dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.values().save(definitions);
    // The stamp switches act through the flag tables, so those are stored
    // with the texts.
    const QString title = StringTable::text(StringTable::ApplicationTitle);
    if (!definitions.save(registry)) {
        QMessageBox::warning(parent, title,
                             QStringLiteral("Die Vorgabetexte wurden gesichert, die Einstellungen der Stempelfelder "
                                            "konnten aber nicht gespeichert werden.\nSie gelten nur bis zum Ende "
                                            "des Programms."));
        return true;
    }
    QMessageBox::information(parent, title, StringTable::text(StringTable::DefaultsSaved));
    return true;
}
