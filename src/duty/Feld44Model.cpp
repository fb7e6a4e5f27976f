#include "duty/Feld44Model.h"

#include <QRegularExpression>

#include <algorithm>

#include "form/FieldStore.h"

QStringList Feld44Model::lines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList result = text.split(lineBreak);
    while (!result.isEmpty() && result.constLast().trimmed().isEmpty())
        result.removeLast();
    return result;
}

void Feld44Model::open(const QString& boxText, bool inputTax)
{
    m_shown = lines(boxText).join(QLatin1Char('\n'));
    m_inputTax = inputTax;
    m_text.clear();
    m_error.clear();
}

bool Feld44Model::take(const QString& dialogText, bool cross)
{
    m_error.clear();
    QStringList result = lines(dialogText);
    for (int i = 0; i < result.size(); ++i) {
        if (result.at(i).size() > LineWidth) {
            m_error = QStringLiteral("Die Zeile %1 in Feld 44 ist länger als %2 Zeichen.\n"
                                     "Bitte kürzen Sie die Zeile oder teilen Sie sie auf.")
                          .arg(i + 1)
                          .arg(LineWidth);
            return false;
        }
    }
    const bool moved = cross && !result.isEmpty() && !result.first().trimmed().isEmpty();
    if (moved)
        result.prepend(QString());
    // Lines of the box the text takes: a dialog line wider than the box is
    // broken there into two or more.
    int boxLines = 0;
    int firstWrapped = 0;
    for (int i = 0; i < result.size(); ++i) {
        const int taken = m_breaking && !result.at(i).isEmpty() ? std::max(1, m_breaking(result.at(i))) : 1;
        if (taken > 1 && firstWrapped == 0)
            firstWrapped = moved ? i : i + 1;   // as the dialog counts its lines
        boxLines += taken;
    }
    if (result.size() <= Lines && boxLines > Lines) {
        m_error = QStringLiteral("Die Zeile %1 ist breiter als Feld 44 und wird dort umbrochen; so braucht der "
                                 "Text %2 Zeilen, Feld 44 hat Platz für fünf.\n"
                                 "Bitte kürzen Sie die Zeile oder den Text.")
                      .arg(firstWrapped)
                      .arg(boxLines);
        return false;
    }
    if (result.size() > Lines) {
        m_error = cross ? QStringLiteral("Feld 44 hat Platz für fünf Zeilen, und mit dem Kreuz für den "
                                         "Vorsteuerabzug bleibt die erste Zeile frei.\n"
                                         "Bitte kürzen Sie den Text auf vier Zeilen.")
                        : QStringLiteral("Feld 44 hat Platz für fünf Zeilen.\n"
                                         "Bitte kürzen Sie den Text auf fünf Zeilen.");
        return false;
    }
    m_text = FieldStore::trimmedRight(result.join(QStringLiteral("\r\n")));
    m_inputTax = cross;
    return true;
}
