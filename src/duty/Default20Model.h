#pragma once

#include <QString>

// What "Vorgaben für Feld 20" offers: the fourteen delivery terms, and a
// first choice that keeps whatever else the box holds (in upper case).
class Default20Model
{
public:
    // Choice 0 is the box's own text; choices 1 .. 14 the terms.
    static constexpr int Count = 15;

    // The code of choice 1 .. 14 ("EXW" .. "XXX"), empty for 0.
    static QString code(int choice);
    // What a term means ("Ab Werk"), empty for 0.
    static QString meaning(int choice);

    // The box text in upper case picks its term; any other text picks
    // choice 0, which then stands for that text.
    void open(const QString& text);

    int selected() const { return m_choice; }
    void select(int choice);
    // The box's text in upper case: the label and result of choice 0.
    QString ownText() const { return m_own; }

    QString result() const;

private:
    QString m_own;
    int m_choice = 0;
};
