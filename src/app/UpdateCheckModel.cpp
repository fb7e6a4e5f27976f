#include "app/UpdateCheckModel.h"

const QString UpdateCheckModel::NothingLoadedText = QStringLiteral("Es sind noch keine Daten geladen.");
const QString UpdateCheckModel::TransferFailedText = QStringLiteral("Fehler bei der Übertragung");

UpdateCheckModel::UpdateCheckModel(const QString& programName, Version installed)
    : m_programName(programName)
    , m_installed(installed)
    , m_status(NothingLoadedText)
{
}

QString UpdateCheckModel::versionText(Version v)
{
    return QStringLiteral("%1.%2.%3")
        .arg(v.major)
        .arg(v.minor, 2, 10, QLatin1Char('0'))
        .arg(v.build, 3, 10, QLatin1Char('0'));
}

void UpdateCheckModel::takeIndex(const UpdateIndex::Result& result)
{
    if (!result.found || result.entry.name != m_programName) {
        takeBrokenTransfer();
        return;
    }
    m_entry = result.entry;
    if (installedVersionText() != m_entry.version) {
        m_status = QStringLiteral("Die derzeit aktuelle Version von %1 ist die Version %2")
                       .arg(m_entry.name, m_entry.version);
        m_updateFound = true;
    } else {
        m_status = QStringLiteral("Die benutzte Version von %1 ist auf dem aktuellen Stand.").arg(m_entry.name);
    }
}

void UpdateCheckModel::takeBrokenTransfer()
{
    m_status = TransferFailedText;
}

int UpdateCheckModel::majorOf(const QString& versionText)
{
    const QString text = versionText.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && digits < 6 && text.at(digits) >= QLatin1Char('0') && text.at(digits) <= QLatin1Char('9'))
        ++digits;
    if (digits == 0)
        return -1;
    return text.left(digits).toInt();
}

bool UpdateCheckModel::isFreeUpdate() const
{
    // The whole major number counts, not its first digit: version 10 is
    // not version 1, and 2 is not 20.
    return majorOf(m_entry.version) == m_installed.major;
}
