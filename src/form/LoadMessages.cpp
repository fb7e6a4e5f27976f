#include "form/LoadMessages.h"

namespace LoadMessages {

QString text(int loadStatus)
{
    switch (loadStatus) {
    case 18:
        return QStringLiteral("Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!");
    case 19:
        return QStringLiteral("Dies ist ein Dokument einer älteren Version\nund kann nicht geöffnet werden!");
    default:
        return {};
    }
}

} // namespace LoadMessages
