#include "app/SystemInfoReport.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QSysInfo>

#include "settings/Profile.h"
#include "app/RecentFileList.h"
#include "settings/SettingsKeys.h"
#include "settings/StringTable.h"

SystemInfoReport::Facts SystemInfoReport::gather(const QString& programDirectory, const QString& installed)
{
    Facts f;
    f.version = QStringLiteral(KV_PRODUCT_VERSION);
    f.installed = installed;
    f.operatingSystem = QSysInfo::prettyProductName() + QStringLiteral(" (") + QSysInfo::kernelType() +
                        QLatin1Char(' ') + QSysInfo::kernelVersion() + QLatin1Char(')');
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        f.screenWidth = screen->size().width();
        f.screenHeight = screen->size().height();
        f.screenDpi = qRound(screen->logicalDotsPerInchX());
    }
    f.programDirectory = QDir::toNativeSeparators(programDirectory);
    f.recentFiles = RecentFileList(Settings::RecentFileCount).files();
    f.profileDirectory = QDir::toNativeSeparators(QDir::homePath());
    f.documentsDirectory =
        QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return f;
}

QString SystemInfoReport::text(const Facts& f)
{
    using StringTable::choose;
    QStringList lines;
    lines << choose(QStringLiteral("Programmversion: %1"), QStringLiteral("Program version: %1")).arg(f.version);
    lines << choose(QStringLiteral("Erstinstallation: %1"), QStringLiteral("First installation: %1")).arg(f.installed);
    lines << choose(QStringLiteral("Betriebssystem: %1"), QStringLiteral("Operating system: %1")).arg(f.operatingSystem);
    lines << choose(QStringLiteral("Bildschirmauflösung: %1 x %2 (%3 DPI)"),
                    QStringLiteral("Screen resolution: %1 x %2 (%3 DPI)"))
                 .arg(f.screenWidth)
                 .arg(f.screenHeight)
                 .arg(f.screenDpi);
    lines << choose(QStringLiteral("Programmverzeichnis: %1"), QStringLiteral("Program directory: %1"))
                 .arg(f.programDirectory);
    lines << QString();

    lines << QStringLiteral("Registry-Details:");
    QStringList fonts;
    for (Settings::FontFamily family :
         {Settings::FontFamily::Screen, Settings::FontFamily::Editor, Settings::FontFamily::Print}) {
        const QChar letter = family == Settings::FontFamily::Screen   ? QLatin1Char('D')
                             : family == Settings::FontFamily::Editor ? QLatin1Char('E')
                                                                      : QLatin1Char('P');
        QStringList row;
        for (const Settings::FontSlot& slot : Settings::FontSlots)
            row << QStringLiteral("%1Font%2=%3").arg(letter).arg(QLatin1String(slot.slot)).arg(
                       Profile::fontValue(family, slot.slot));
        fonts << QStringLiteral("  ") + row.join(QStringLiteral(", "));
    }
    lines << fonts;
    lines << QStringLiteral("  PrnFactorV=%1, PrnFactorH=%2")
                 .arg(Profile::get(Settings::PrnFactorV))
                 .arg(Profile::get(Settings::PrnFactorH));
    const QString scaled = QString::number(Profile::get(Settings::WinFormScaledFactor, QLatin1String(Settings::SectionEH)));
    const QString settings = QLatin1String(Settings::SectionSettings);
    const QString key = QLatin1String(Settings::WinFormScaledFactorOv);
    const QString override = Profile::HasProfileValue(settings, key)
                                 ? QString::number(Profile::GetProfileInt(settings, key, 0))
                                 : choose(QStringLiteral("(nicht gesetzt)"), QStringLiteral("(not set)"));
    lines << QStringLiteral("  WinFormScaledFactor=%1, WinFormScaledFactorOv=%2").arg(scaled, override);
    lines << QString();

    lines << choose(QStringLiteral("Zuletzt geöffnete Dateien:"), QStringLiteral("Recently opened files:"));
    for (const QString& file : f.recentFiles.mid(0, 6))
        lines << QStringLiteral("  ") + file;
    lines << QString();
    lines << choose(QStringLiteral("Benutzerprofil: %1"), QStringLiteral("User profile: %1")).arg(f.profileDirectory);
    lines << choose(QStringLiteral("Dokumente: %1"), QStringLiteral("Documents: %1")).arg(f.documentsDirectory);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
