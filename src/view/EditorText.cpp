#include "view/EditorText.h"

#include "form/FieldStore.h"

namespace EditorText {

QString toEditor(const QString& stored)
{
    QString s = stored;
    s.replace(QLatin1String("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString toStored(const QString& raw)
{
    QString out;
    out.reserve(raw.size() + 8);
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n'))
            out += QLatin1String("\r\n");
        else
            out += c;
    }
    return out;
}

QString normalizePasted(const QString& text)
{
    QString s;
    s.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r')))
            s += QLatin1Char('\r');
        s += text[i];
    }
    s = FieldStore::trimmedRight(s);
    // A lone quote begins and ends the text too; it stays, there is no pair.
    if (s.size() >= 2 && s.front() == QLatin1Char('"') && s.back() == QLatin1Char('"'))
        s = s.mid(1, s.size() - 2);
    return s;
}

} // namespace EditorText
