#include "app/RecentFileList.h"

#include <QDir>
#include <QFileInfo>

#include "settings/Profile.h"
#include "settings/SettingsKeys.h"

namespace {

QString section()
{
    return QString::fromLatin1(Settings::SectionRecentFiles);
}

QString keyOf(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

RecentFileList::RecentFileList(int size)
    : m_size(size)
{
}

QString RecentFileList::normalised(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QStringList RecentFileList::files() const
{
    QStringList result;
    for (int i = 0; i < m_size; ++i) {
        const QString path = Profile::GetProfileString(section(), keyOf(i), QString());
        if (!path.isEmpty() && !result.contains(path))
            result.append(path);
    }
    return result;
}

void RecentFileList::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString entry = QDir::toNativeSeparators(normalised(path));
    QStringList list = files();
    list.removeAll(entry);
    list.prepend(entry);
    store(list);
}

void RecentFileList::remove(const QString& path)
{
    QStringList list = files();
    const QString entry = QDir::toNativeSeparators(normalised(path));
    if (list.removeAll(entry) + list.removeAll(path) > 0)
        store(list);
}

void RecentFileList::store(const QStringList& files) const
{
    // Only the entries that change are written: each write is a trip to
    // the store.
    for (int i = 0; i < m_size; ++i) {
        const QString entry = i < files.size() ? files.at(i) : QString();
        if (Profile::GetProfileString(section(), keyOf(i), QString()) != entry)
            Profile::WriteProfileString(section(), keyOf(i), entry);
    }
}

QString RecentFileList::menuText(int index, const QString& path, int maxLength)
{
    QString shown = path;
    if (shown.size() > maxLength && maxLength > 8) {
        // Keep the start of the path and the whole file name where possible.
        const QString name = QFileInfo(path).fileName();
        const int keepEnd = std::min<int>(int(name.size()) + 1, maxLength - 6);
        const int keepStart = maxLength - keepEnd - 3;
        shown = path.left(keepStart) + QStringLiteral("...") + path.right(keepEnd);
    }
    // A literal "&" in a path must not become a mnemonic.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
