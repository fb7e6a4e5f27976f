#pragma once

#include <QString>

#include <optional>

// The print area correction ("Druckbereich-Korrektur"): how much the printer
// stretches the print vertically and horizontally, in 0.1 % ("PrnFactorV",
// "PrnFactorH"; 1000 = 100.0 %). The dialog shows percent and takes 97.0 to
// 103.0, entered with a decimal comma or point.
class PrintSizeCorrection
{
public:
    static constexpr double MinPercent = 97.0;
    static constexpr double MaxPercent = 103.0;

    // The texts of the dialog in the language of "Language" (1: English).
    struct Texts {
        QString caption;
        QString vertical;
        QString horizontal;
        QString warning;
        QString hint;
        QString ok;
        QString cancel;
    };
    static Texts texts(int language);

    // A stored value as the field shows it: 1000 -> "100,0" (in English
    // "100.0").
    static QString percentText(int tenthsOfPercent, int language = 0);
    // The field's text in 0.1 %, truncated (99.95 -> 999); nothing for a
    // text that is no number with a decimal comma or point, or lies outside
    // the range.
    static std::optional<int> parse(const QString& text);
    // The message for a refused entry.
    static QString rangeMessage(int language);

    int vertical() const { return m_vertical; }
    int horizontal() const { return m_horizontal; }
    void setVertical(int tenths) { m_vertical = tenths; }
    void setHorizontal(int tenths) { m_horizontal = tenths; }

    void load();
    void save() const;

private:
    int m_vertical = 1000;
    int m_horizontal = 1000;
};
