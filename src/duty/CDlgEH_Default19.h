#pragma once

#include <QDialog>

#include "duty/Default19Model.h"

class RadioChoiceBox;

// "Vorgaben für Feld 19": container or not.
class CDlgEH_Default19 : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgEH_Default19(const QString& text, QWidget* parent = nullptr);

    // "0" or "1".
    QString code() const { return m_model.result(); }
    RadioChoiceBox* choices() const { return m_choices; }

private:
    Default19Model m_model;
    RadioChoiceBox* m_choices;
};
