#pragma once

#include <QDate>
#include <QString>

// What "Aktuelles Datum einfügen" does for box 54: today's date, after a
// place that the dialog can remember for next time ("Ortsname merken").
class Default54Model
{
public:
    // Reads "ReuseDatumOrt" and, when it is set, the remembered place.
    void open();

    bool rememberPlace() const { return m_remember; }
    QString place() const { return m_place; }

    // "Datum einsetzen": stores the switch and, when it is set, the place
    // (without trailing white space); returns "place, d.m.yyyy", or the date
    // alone when there is no place.
    QString take(const QString& place, bool remember, const QDate& today);

private:
    bool m_remember = true;
    QString m_place;
};
