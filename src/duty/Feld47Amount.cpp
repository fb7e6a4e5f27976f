#include "duty/Feld47Amount.h"

#include "duty/AmountText.h"

namespace Feld47Amount {

double parse(const QString& text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return AmountText::leadingDecimal(text);
    // German notation: the dots before the comma only group the thousands.
    // Read as a plain decimal they would turn 1.234,56 into 1.234.
    QString plain = text.left(comma);
    plain.remove(QLatin1Char('.'));
    plain += QLatin1Char('.') + text.mid(comma + 1);
    return AmountText::leadingDecimal(plain);
}

QString format(double value)
{
    return AmountText::twoDecimals(value);
}

QString normalised(const QString& text)
{
    return totalText(parse(text));
}

QString totalText(double sum)
{
    const QString text = format(sum);
    return text == QLatin1String("0,00") ? QString() : text;
}

} // namespace Feld47Amount
