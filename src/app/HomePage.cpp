#include "app/HomePage.h"

namespace HomePage {

QUrl address()
{
    return QUrl(QStringLiteral("https://kestrovane-import.pavo.example/index2.html"));
}

QString noBrowserText()
{
    return QStringLiteral("Das Programm konnte auf Ihrem Rechner\nleider keinen Internet-Browser finden.");
}

} // namespace HomePage
