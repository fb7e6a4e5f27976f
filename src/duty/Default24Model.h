#pragma once

#include <QString>

// What "Art des Geschäfts" offers for box 24: the kinds of transaction with
// the texts that explain them.
class Default24Model
{
public:
    // Picks the kind whose two digits are the first two digits of the box
    // (box 24 A and 24 B together); the first kind when there is none.
    void open(const QString& boxDigits);

    int selected() const { return m_position; }
    void select(int position);

    // The explanations of the selected kind: of its first digit, of itself.
    QString firstDigitText() const;
    QString entryText() const;

    // The digits of the selected kind, for 24 A and 24 B.
    QString firstDigit() const;
    QString secondDigit() const;

private:
    int m_position = 0;
};
