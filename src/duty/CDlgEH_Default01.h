#pragma once

#include <QDialog>

#include <array>

#include "duty/Default01Model.h"

class RadioChoiceBox;

// "Vorgaben für Feld 1": the three parts of box 1, each a column of choices.
// Parts whose field the form set hides are left out.
class CDlgEH_Default01 : public QDialog
{
    Q_OBJECT

public:
    CDlgEH_Default01(const std::array<QString, Default01Model::Parts>& texts,
                     const std::array<bool, Default01Model::Parts>& shown, QWidget* parent = nullptr);

    // The chosen entry of a part; empty when none was chosen.
    QString part(int index) const { return m_model.result(index); }
    RadioChoiceBox* partBox(int index) const { return m_boxes.at(index); }

private:
    Default01Model m_model;
    std::array<RadioChoiceBox*, Default01Model::Parts> m_boxes{};
};
