#include "duty/ListOrder.h"

#include <QCollator>
#include <QLocale>

namespace ListOrder {

int compare(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b);
}

} // namespace ListOrder
