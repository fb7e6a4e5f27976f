#include "dv1/DV1Amount.h"

#include "duty/AmountText.h"

double ParseAmount(const QString& text)
{
    const qsizetype firstComma = text.indexOf(QLatin1Char(','));
    QString plain = text;
    plain.remove(QLatin1Char('.'));
    if (firstComma > 0)
        plain.replace(plain.indexOf(QLatin1Char(',')), 1, QLatin1Char('.'));
    else if (firstComma == 0)
        plain.replace(0, 1, QStringLiteral("0."));
    return AmountText::leadingDecimal(plain);
}

QString FormatAmount(double value)
{
    QString text = AmountText::twoDecimals(value);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (!negative && text.size() > 6)
        text.insert(text.size() - 6, QLatin1Char('.'));
    if (!negative && text.size() > 10)
        text.insert(text.size() - 10, QLatin1Char('.'));
    if (text == QLatin1String("0,00"))
        return {};
    return text;
}
