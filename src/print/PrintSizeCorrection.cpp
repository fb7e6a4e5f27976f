#include "print/PrintSizeCorrection.h"

#include <cmath>

#include "settings/Profile.h"

PrintSizeCorrection::Texts PrintSizeCorrection::texts(int language)
{
    if (language == 1) {
        return {QStringLiteral("Print Area Correction"),
                QStringLiteral("&Vertical Correction"),
                QStringLiteral("&Horizontal Correction"),
                QStringLiteral("This Settings will change the printout!"),
                QStringLiteral("Input with decimal point or comma, e.g. 99.5"),
                QStringLiteral("OK"),
                QStringLiteral("Abort")};
    }
    return {QStringLiteral("Druckbereich-Korrektur"),
            QStringLiteral("&Vertikale Korrektur"),
            QStringLiteral("&Horizontale Korrektur"),
            QStringLiteral("Diese Einstellungen verändern den Ausdruck!"),
            QStringLiteral("Eingabe mit Komma oder Punkt, z. B. 99,5"),
            QStringLiteral("OK"),
            QStringLiteral("Abbrechen")};
}

QString PrintSizeCorrection::percentText(int tenthsOfPercent, int language)
{
    QString text = QString::number(tenthsOfPercent / 10.0, 'f', 1);
    if (language != 1)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

std::optional<int> PrintSizeCorrection::parse(const QString& text)
{
    // A German user writes "99,5", others "99.5"; both mean the same. A
    // text with both marks is no plain number and is refused rather than
    // guessed at (QString::toDouble reads the C notation only).
    QString number = text.trimmed();
    if (number.contains(QLatin1Char(',')) && number.contains(QLatin1Char('.')))
        return std::nullopt;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = number.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < MinPercent || v > MaxPercent)
        return std::nullopt;
    // A hair above the value keeps 100.3 from becoming 1002 through the
    // binary fraction; 99.95 stays 999.
    return int(std::floor(v * 10.0 + 1e-7));
}

QString PrintSizeCorrection::rangeMessage(int language)
{
    if (language == 1)
        return QStringLiteral("Please enter a number between 97.0 and 103.0.");
    return QStringLiteral("Geben Sie eine Zahl zwischen 97,0 und 103,0 ein.");
}

void PrintSizeCorrection::load()
{
    m_vertical = Profile::get(Settings::PrnFactorV);
    m_horizontal = Profile::get(Settings::PrnFactorH);
}

void PrintSizeCorrection::save() const
{
    Profile::set(Settings::PrnFactorV, m_vertical);
    Profile::set(Settings::PrnFactorH, m_horizontal);
}
