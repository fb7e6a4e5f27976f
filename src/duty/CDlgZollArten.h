#pragma once

#include <QDialog>

#include "duty/ZollArtenModel.h"

class QComboBox;
class QLabel;

// "Vorgaben für Zollarten": picks the duty type of an "Art" box of box 47
// and shows what the selected code means.
class CDlgZollArten : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgZollArten(const QString& text, QWidget* parent = nullptr);

    QString code() const { return m_model.resultCode(); }

    QComboBox* codes() const { return m_codes; }
    QLabel* meaning() const { return m_meaning; }

private:
    ZollArtenModel m_model;
    QComboBox* m_codes;
    QLabel* m_meaning;
};
