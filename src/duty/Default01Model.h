#pragma once

#include <QString>
#include <QStringList>

#include <array>

// What "Vorgaben für Feld 1" offers: one choice for each of the three parts
// of box 1 (1 A the kind of declaration, 1 B the kind of document, 1 C the
// transit status).
class Default01Model
{
public:
    static constexpr int Parts = 3;

    // The entries of a part 0 .. 2, as they go into the box.
    static QStringList entries(int part);

    // Each part starts on the entry its box text reads as (blanks around it
    // and the case do not count), with nothing chosen otherwise.
    void open(const std::array<QString, Parts>& texts);

    int selected(int part) const { return m_selected.at(part); }
    void select(int part, int index);

    // The chosen entry of a part; empty when none is chosen.
    QString result(int part) const;

private:
    std::array<int, Parts> m_selected{-1, -1, -1};
};
