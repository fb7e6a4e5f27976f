#include "duty/CDlgEH_Default19.h"

#include "duty/RadioChoiceBox.h"

CDlgEH_Default19::CDlgEH_Default19(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Feld 19"));
    m_model.open(text);
    QStringList labels;
    for (int i = 0; i < Default19Model::Count; ++i)
        labels << Default19Model::entry(i);
    m_choices = RadioChoiceBox::fillDialog(this, QStringLiteral("19 Ctr."), labels, m_model.selected(),
                                           [this](int index) { m_model.select(index); });
    m_choices->setObjectName(QStringLiteral("container"));
}
