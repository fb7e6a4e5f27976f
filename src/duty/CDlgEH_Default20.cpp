#include "duty/CDlgEH_Default20.h"

#include "duty/RadioChoiceBox.h"

CDlgEH_Default20::CDlgEH_Default20(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Feld 20"));
    m_model.open(text);
    QStringList labels{m_model.ownText()};
    for (int i = 1; i < Default20Model::Count; ++i)
        labels << QStringLiteral("%1 - %2").arg(Default20Model::code(i), Default20Model::meaning(i));
    m_choices = RadioChoiceBox::fillDialog(this, QStringLiteral("20 Lieferbedingung"), labels, m_model.selected(),
                                           [this](int index) { m_model.select(index); });
    m_choices->setObjectName(QStringLiteral("terms"));
}
