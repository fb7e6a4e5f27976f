#include "print/WholeNumberInput.h"

namespace WholeNumberInput {

std::optional<int> parse(const QString& text, int min, int max)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < min || n > max)
        return std::nullopt;
    return n;
}

QString rangeMessage(int min, int max)
{
    return QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(min).arg(max);
}

} // namespace WholeNumberInput
