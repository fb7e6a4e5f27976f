#include "duty/CDlgEH_Default36.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "duty/ChooserButtons.h"
#include "duty/PreferenceCodes.h"

namespace {

QComboBox* codeList(const char* name, std::span<const CodeText> codes, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(QStringLiteral("Kennzahl auswählen"));
    for (const CodeText& code : codes)
        box->addItem(code.codeString());
    return box;
}

QLabel* meaningLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 50);
    return label;
}

} // namespace

CDlgEH_Default36::CDlgEH_Default36(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Präferenz"));
    m_model.open(text);

    m_first = codeList("firstDigit", PreferenceCodes::firstDigit(), this);
    m_last = codeList("lastDigits", PreferenceCodes::lastTwoDigits(), this);
    m_firstMeaning = meaningLabel("firstMeaning", this);
    m_lastMeaning = meaningLabel("lastMeaning", this);
    m_first->setCurrentIndex(m_model.firstSelected());
    m_last->setCurrentIndex(m_model.lastSelected());
    const auto show = [this] {
        m_firstMeaning->setText(m_model.firstMeaning());
        m_lastMeaning->setText(m_model.lastMeaning());
    };
    show();

    auto* firstLabel = new QLabel(QStringLiteral("Ziffer 1"), this);
    firstLabel->setBuddy(m_first);
    auto* lastLabel = new QLabel(QStringLiteral("Ziffer &2 und 3"), this);
    lastLabel->setBuddy(m_last);

    auto* layout = new QGridLayout(this);
    layout->addWidget(firstLabel, 0, 0);
    layout->addWidget(m_first, 0, 1);
    layout->addWidget(m_firstMeaning, 0, 2);
    layout->addWidget(lastLabel, 1, 0);
    layout->addWidget(m_last, 1, 1);
    layout->addWidget(m_lastMeaning, 1, 2);
    layout->setColumnStretch(2, 1);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString()), 2, 0, 1, 3);

    connect(m_first, &QComboBox::currentIndexChanged, this, [this, show](int index) {
        m_model.selectFirst(index);
        show();
    });
    connect(m_last, &QComboBox::currentIndexChanged, this, [this, show](int index) {
        m_model.selectLast(index);
        show();
    });
    m_first->setFocus();
}
