#include "duty/CDlgEH_Default19.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/RadioChoiceBox.h"

CDlgEH_Default19::CDlgEH_Default19(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Feld 19"));
    m_model.open(text);
    QStringList labels;
    for (int i = 0; i < Default19Model::Count; ++i)
        labels << Default19Model::entry(i);
    m_choices = new RadioChoiceBox(QStringLiteral("19 Ctr."), labels, this);
    m_choices->setObjectName(QStringLiteral("container"));
    m_choices->setCheckedIndex(m_model.selected());
    connect(m_choices, &RadioChoiceBox::choiceChanged, this, [this](int index) { m_model.select(index); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choices);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString()));
    m_choices->focusChoice();
}
