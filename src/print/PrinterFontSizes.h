#pragma once

#include <QString>

#include <optional>

// The printer font sizes ("Schriftgrößen für Druck"): the percentage by which
// each form type scales its print fonts ("PrinterFontFactor" of the
// Einheitspapier and of the D.V.1), whole numbers from 50 to 150.
class PrinterFontSizes
{
public:
    static constexpr int Min = 50;
    static constexpr int Max = 150;

    // A field's text as a factor; nothing for anything but a whole number in
    // the range.
    static std::optional<int> parse(const QString& text);
    static QString rangeMessage();

    int einheitspapier() const { return m_eh; }
    int dv1() const { return m_dv1; }
    void setEinheitspapier(int percent) { m_eh = percent; }
    void setDv1(int percent) { m_dv1 = percent; }

    void load();
    void save() const;

private:
    int m_eh = 95;
    int m_dv1 = 95;
};
