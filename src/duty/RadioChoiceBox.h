#pragma once

#include <QElapsedTimer>
#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QDialog;
class QRadioButton;

// A framed column of radio buttons for the pickers of boxes 1, 19 and 20.
// The arrow keys move the choice as usual; typed letters jump to the first
// button whose label begins with them, as in a list.
class RadioChoiceBox : public QGroupBox
{
    Q_OBJECT

public:
    // Labels are shown as given: an ampersand is a character, not a key.
    RadioChoiceBox(const QString& title, const QStringList& labels, QWidget* parent = nullptr);

    // A picker that is one column of choices: the box, then "Übernehmen" and
    // "Abbrechen", with the keyboard on the chosen entry. chosen is told
    // every new choice.
    static RadioChoiceBox* fillDialog(QDialog* dialog, const QString& title, const QStringList& labels, int checked,
                                      std::function<void(int)> chosen);

    // -1 when no button is chosen.
    int checkedIndex() const;
    void setCheckedIndex(int index);
    void setLabel(int index, const QString& label);
    QRadioButton* button(int index) const { return m_buttons.value(index); }
    // Focus to the chosen button, or the first when none is chosen.
    void focusChoice();

signals:
    void choiceChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
    QStringList m_labels;
    QString m_typed;
    QElapsedTimer m_lastKey;
};
