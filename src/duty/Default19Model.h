#pragma once

#include <QString>

// What "Vorgaben für Feld 19" offers: whether the goods travel in a
// container, as the code 0 or 1.
class Default19Model
{
public:
    static QString entry(int position);
    static constexpr int Count = 2;

    // 1 when the box reads as 1, else 0.
    void open(const QString& text);
    int selected() const { return m_position; }
    void select(int position) { m_position = position == 1 ? 1 : 0; }
    QString result() const { return QString::number(m_position); }

private:
    int m_position = 0;
};
