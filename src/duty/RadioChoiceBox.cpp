#include "duty/RadioChoiceBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"

namespace {

QString shown(QString label)
{
    return label.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

RadioChoiceBox::RadioChoiceBox(const QString& title, const QStringList& labels, QWidget* parent)
    : QGroupBox(title, parent)
    , m_group(new QButtonGroup(this))
    , m_labels(labels)
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(shown(labels.at(i)), this);
        button->setObjectName(QStringLiteral("choice%1").arg(i));
        button->installEventFilter(this);
        m_group->addButton(button, i);
        m_buttons.append(button);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit choiceChanged(id);
    });
}

RadioChoiceBox* RadioChoiceBox::fillDialog(QDialog* dialog, const QString& title, const QStringList& labels,
                                           int checked, std::function<void(int)> chosen)
{
    auto* box = new RadioChoiceBox(title, labels, dialog);
    box->setCheckedIndex(checked);
    connect(box, &RadioChoiceBox::choiceChanged, dialog, std::move(chosen));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(box);
    layout->addWidget(ChooserButtons::make(dialog, QStringLiteral("Abbrechen"), QString()));
    box->focusChoice();
    return box;
}

int RadioChoiceBox::checkedIndex() const
{
    return m_group->checkedId();
}

void RadioChoiceBox::setCheckedIndex(int index)
{
    if (QRadioButton* b = button(index))
        b->setChecked(true);
}

void RadioChoiceBox::setLabel(int index, const QString& label)
{
    if (QRadioButton* b = button(index)) {
        m_labels[index] = label;
        b->setText(shown(label));
    }
}

void RadioChoiceBox::focusChoice()
{
    QRadioButton* b = button(checkedIndex());
    if (!b)
        b = button(0);
    if (b)
        b->setFocus(Qt::TabFocusReason);
}

bool RadioChoiceBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (!m_lastKey.isValid() || m_lastKey.elapsed() > QApplication::keyboardInputInterval())
                m_typed.clear();
            m_lastKey.restart();
            m_typed += text;
            auto find = [this](const QString& prefix) {
                for (int i = 0; i < m_labels.size(); ++i) {
                    if (m_labels.at(i).startsWith(prefix, Qt::CaseInsensitive))
                        return i;
                }
                return -1;
            };
            int index = find(m_typed);
            if (index < 0) {
                m_typed = text;
                index = find(m_typed);
            }
            if (index >= 0) {
                setCheckedIndex(index);
                button(index)->setFocus(Qt::ShortcutFocusReason);
            }
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
