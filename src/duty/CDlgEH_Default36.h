#pragma once

#include <QDialog>

#include "duty/Default36Model.h"

class QComboBox;
class QLabel;

// "Vorgaben für Präferenz": the preference code of box 36 from its first
// digit and its last two digits, each explained beside its list.
class CDlgEH_Default36 : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgEH_Default36(const QString& text, QWidget* parent = nullptr);

    QString code() const { return m_model.result(); }
    QComboBox* firstDigit() const { return m_first; }
    QComboBox* lastDigits() const { return m_last; }
    QLabel* firstMeaning() const { return m_firstMeaning; }
    QLabel* lastMeaning() const { return m_lastMeaning; }

private:
    Default36Model m_model;
    QComboBox* m_first;
    QComboBox* m_last;
    QLabel* m_firstMeaning;
    QLabel* m_lastMeaning;
};
