#pragma once

#include <QDialog>
#include <QList>

class QAbstractButton;
class QPushButton;

// "Neues Dokument erzeugen": one picture button per form. A click on a
// button, or Enter while a button has the focus, closes the dialog with its
// choice; Enter anywhere else does nothing. "Abbruch" cancels.
class CDlgNew : public QDialog
{
    Q_OBJECT

public:
    // The choices: Einheitspapier form sets 0..3, and 99 for the D.V.1.
    static constexpr int Dv1Choice = 99;

    explicit CDlgNew(bool offerDv1, QWidget* parent = nullptr);

    // The choice the dialog was closed with; -1 until then.
    int choice() const { return m_choice; }

    // The button of a choice (object names "eh0" .. "eh3", "dv1"); null
    // when the choice is not offered.
    QAbstractButton* button(int choice) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int choice);
    QAbstractButton* addChoice(int choice);

    QList<QAbstractButton*> m_buttons;
    QPushButton* m_cancel = nullptr;
    int m_choice = -1;
};
