#include "settings/ViewZoom.h"

#include <QOperatingSystemVersion>

#include <algorithm>
#include <cmath>
#include <limits>

#include "settings/Profile.h"

namespace ViewZoom {

bool runningOnWindows8OrLater()
{
#ifdef Q_OS_WIN
    return QOperatingSystemVersion::current() >= QOperatingSystemVersion::Windows8;
#else
    return true;
#endif
}

int defaultZoomFactor(int desktopHeight, bool windows8OrLater)
{
    int zoom = desktopHeight < 490 ? 22 : desktopHeight < 610 ? 18 : desktopHeight < 770 ? 16 : 14;
    if (windows8OrLater)
        zoom -= 3;
    return zoom;
}

int screenScale(int logicalDpiX)
{
    const int dpi = logicalDpiX > 0 ? logicalDpiX : 96;
    return int(std::lround(100.0 * dpi / 96.0));
}

int loadZoom(const QString& viewSection, const Screen& screen)
{
    const int zoomDefault = defaultZoomFactor(screen.desktopHeight, screen.windows8OrLater);
    int zoomFactor = Profile::GetProfileInt(viewSection, QString::fromLatin1(Settings::ZoomFactor), zoomDefault);
    if (zoomFactor <= 0)
        zoomFactor = zoomDefault;
    Profile::set(Settings::ZoomFactorLU, viewSection, zoomFactor);

    const int scale = screenScale(screen.logicalDpiX);
    Profile::set(Settings::WinFormScaledFactor, viewSection, scale);

    int scaleUsed = Profile::GetProfileInt(QString::fromLatin1(Settings::SectionSettings),
                                           QString::fromLatin1(Settings::WinFormScaledFactorOv), scale);
    if (scaleUsed <= 0)
        scaleUsed = scale;
    // The view keeps its zoom in 16 bits.
    const qint64 zoom = qint64(scaleUsed) * zoomFactor / 100;
    return int(std::clamp<qint64>(zoom, 1, std::numeric_limits<qint16>::max()));
}

} // namespace ViewZoom
