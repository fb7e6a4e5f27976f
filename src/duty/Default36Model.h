#pragma once

#include <QString>

// What "Vorgaben für Präferenz" offers for box 36: the first digit and the
// last two digits of the preference code, each with its meaning.
class Default36Model
{
public:
    // The box's code c read as a number: 3 for c >= 300, 2 from 200, else
    // 1; the last two digits from the rest r by ranges (00 below 10, 10 up
    // to 14, 15 up to 17, ...), 00 for c below 100.
    void open(const QString& text);

    int firstSelected() const { return m_first; }
    int lastSelected() const { return m_last; }
    void selectFirst(int position);
    void selectLast(int position);

    QString firstMeaning() const;
    QString lastMeaning() const;

    // The three digits: "1" and "00" give "100".
    QString result() const;

private:
    int m_first = 0;
    int m_last = 0;
};
