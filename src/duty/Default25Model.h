#pragma once

#include <QString>

// What "Vorgaben für Verkehrszweig" offers for boxes 25 and 26: the modes of
// transport, returned as their one-digit code.
class Default25Model
{
public:
    // The entry the box's code names; codes beyond the list pick the first.
    void open(const QString& text);

    int selected() const { return m_position; }
    void select(int position);

    // Position + 1, and one more above the postal entry: the list has no
    // code 6, so 7 .. 9 follow 5.
    QString result() const;

private:
    int m_position = 0;
};
