#pragma once

#include <QDialog>

#include "duty/Default20Model.h"

class RadioChoiceBox;

// "Vorgaben für Feld 20": the delivery terms, and the box's own text as the
// first choice.
class CDlgEH_Default20 : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgEH_Default20(const QString& text, QWidget* parent = nullptr);

    QString code() const { return m_model.result(); }
    RadioChoiceBox* choices() const { return m_choices; }

private:
    Default20Model m_model;
    RadioChoiceBox* m_choices;
};
