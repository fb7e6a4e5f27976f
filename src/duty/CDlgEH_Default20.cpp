#include "duty/CDlgEH_Default20.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/RadioChoiceBox.h"

CDlgEH_Default20::CDlgEH_Default20(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Feld 20"));
    m_model.open(text);
    QStringList labels{m_model.ownText()};
    for (int i = 1; i < Default20Model::Count; ++i)
        labels << QStringLiteral("%1 - %2").arg(Default20Model::code(i), Default20Model::meaning(i));
    m_choices = new RadioChoiceBox(QStringLiteral("20 Lieferbedingung"), labels, this);
    m_choices->setObjectName(QStringLiteral("terms"));
    m_choices->setCheckedIndex(m_model.selected());
    connect(m_choices, &RadioChoiceBox::choiceChanged, this, [this](int index) { m_model.select(index); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choices);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString()));
    m_choices->focusChoice();
}
