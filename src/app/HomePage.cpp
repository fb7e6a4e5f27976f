#include "app/HomePage.h"

#include <QDesktopServices>

#include "app/UpdateSite.h"

namespace HomePage {

QString noBrowserText()
{
    return QStringLiteral("Das Programm konnte auf Ihrem Rechner\nleider keinen Internet-Browser finden.");
}

bool open(const UpdateSite& site, QString* message)
{
    if (!site.isValid()) {
        *message = site.error();
        return false;
    }
    if (!QDesktopServices::openUrl(site.address(QLatin1String(Path)))) {
        *message = noBrowserText();
        return false;
    }
    return true;
}

} // namespace HomePage
