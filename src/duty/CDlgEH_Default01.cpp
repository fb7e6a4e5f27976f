#include "duty/CDlgEH_Default01.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/RadioChoiceBox.h"

CDlgEH_Default01::CDlgEH_Default01(const std::array<QString, Default01Model::Parts>& texts,
                                   const std::array<bool, Default01Model::Parts>& shown, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Feld 1"));
    m_model.open(texts);

    auto* heading = new QLabel(QStringLiteral("1  A N M E L D U N G"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    const char* const titles[Default01Model::Parts] = {"1 A", "1 B", "1 C"};
    auto* parts = new QHBoxLayout;
    RadioChoiceBox* first = nullptr;
    for (int i = 0; i < Default01Model::Parts; ++i) {
        auto* box = new RadioChoiceBox(QString::fromLatin1(titles[i]), Default01Model::entries(i), this);
        box->setObjectName(QStringLiteral("part%1").arg(i));
        box->setCheckedIndex(m_model.selected(i));
        box->setVisible(shown[i]);
        connect(box, &RadioChoiceBox::choiceChanged, this, [this, i](int index) { m_model.select(i, index); });
        parts->addWidget(box);
        m_boxes[i] = box;
        if (shown[i] && !first)
            first = box;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(parts);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString()));
    // Wide enough for the title bar to show the whole title.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 2);
    if (first)
        first->focusChoice();
}
