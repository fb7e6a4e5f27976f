#pragma once

#include <QDate>
#include <QDialog>

#include "duty/Default54Model.h"

class QCheckBox;
class QLineEdit;

// "Aktuelles Datum einfügen": place and today's date for box 54.
class CDlgEH_Default54 : public QDialog
{
    Q_OBJECT

public:
    // today: the date to insert (the caller's clock).
    explicit CDlgEH_Default54(const QDate& today, QWidget* parent = nullptr);

    // After "Datum einsetzen": "place, d.m.yyyy" or the date alone.
    QString text() const { return m_text; }

    QLineEdit* place() const { return m_place; }
    QCheckBox* remember() const { return m_remember; }

    void accept() override;

private:
    Default54Model m_model;
    QDate m_today;
    QString m_text;
    QLineEdit* m_place;
    QCheckBox* m_remember;
};
