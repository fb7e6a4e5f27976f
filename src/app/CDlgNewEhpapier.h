#pragma once

#include <QDialog>

class QButtonGroup;

// "Neues Einheitspapier": which of the four form sets a new Einheitspapier
// gets. Starts at the set chosen last ("Settings"/"LastEhType") and stores
// the new choice there on OK.
class CDlgNewEhpapier : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgNewEhpapier(QWidget* parent = nullptr);

    // The selected form set 0..3.
    int formSet() const;
    void setFormSet(int formSet);

    // Shows the dialog: the chosen form set, or -1 when cancelled.
    static int ask(QWidget* parent);

    void accept() override;

private:
    QButtonGroup* m_group;
};
