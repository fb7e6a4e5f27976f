#pragma once

#include <QDialog>

#include "duty/Default24Model.h"

class QLabel;
class QListWidget;

// "Art des Geschäfts": the kinds of transaction of box 24, explained beside
// the list.
class CDlgEH_Default24 : public QDialog
{
    Q_OBJECT

public:
    // boxDigits: the texts of 24 A and 24 B together.
    explicit CDlgEH_Default24(const QString& boxDigits, QWidget* parent = nullptr);

    QString firstDigit() const { return m_model.firstDigit(); }
    QString secondDigit() const { return m_model.secondDigit(); }

    QListWidget* list() const { return m_list; }
    QLabel* firstDigitText() const { return m_firstText; }
    QLabel* entryText() const { return m_entryText; }

private:
    Default24Model m_model;
    QListWidget* m_list;
    QLabel* m_firstText;
    QLabel* m_entryText;
};
