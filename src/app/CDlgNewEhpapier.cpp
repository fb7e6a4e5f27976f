#include "app/CDlgNewEhpapier.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/Profile.h"
#include "settings/OkCancelButtons.h"

CDlgNewEhpapier::CDlgNewEhpapier(QWidget* parent)
    : QDialog(parent)
    , m_group(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Neues Einheitspapier"));
    static const char* const texts[] = {
        "0737 / 0738 (Bestimmung - Eingang / Einfuhr)",
        "0747 / 0748 (Bestimmung - Eingang / Einfuhr)",
        "0777 / 0778 (Vereinfachte Zollanmeldung)",
        "0779 / 0780 (Bestimmung - Eingang / Einfuhr)",
    };
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(texts[i]), this);
        radio->setObjectName(QStringLiteral("formSet%1").arg(i));
        m_group->addButton(radio, i);
        layout->addWidget(radio);
    }
    layout->addWidget(okCancelButtons(this));

    setFormSet(Profile::get(Settings::LastEhType));
}

int CDlgNewEhpapier::formSet() const
{
    return m_group->checkedId();
}

void CDlgNewEhpapier::setFormSet(int formSet)
{
    // A stored value outside 0..3 would leave no button checked and OK
    // without a form set, so it starts at the first one.
    QAbstractButton* b = m_group->button(formSet >= 0 && formSet <= 3 ? formSet : 0);
    b->setChecked(true);
    b->setFocus();
}

void CDlgNewEhpapier::accept()
{
    Profile::set(Settings::LastEhType, formSet());
    QDialog::accept();
}

int CDlgNewEhpapier::ask(QWidget* parent)
{
    CDlgNewEhpapier dialog(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.formSet() : -1;
}
