#include "masterdata/TablePath.h"

#include <QDir>
#include <QFileInfo>

namespace tablepath {

namespace {

QString resolveIn(const QString& folder, const QString& name)
{
    const QString exact = folder.isEmpty() ? name : QDir(folder).filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                               QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.isEmpty() ? entry : QDir(folder).filePath(entry);
    }
    return exact;
}

} // namespace

QString resolve(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return resolveIn(QString(), clean);
    const QString name = clean.mid(slash + 1);
    QString folder = slash == 0 ? QStringLiteral("/") : clean.left(slash);
    if (folder != QLatin1String("/") && !QFileInfo::exists(folder))
        folder = resolve(folder);
    if (name.isEmpty())
        return folder;
    return resolveIn(folder, name);
}

bool exists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(resolve(path));
}

QString companionIndex(const QString& tablePath)
{
    const qsizetype slash = std::max(tablePath.lastIndexOf(QLatin1Char('/')), tablePath.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = tablePath.lastIndexOf(QLatin1Char('.'));
    QString base = tablePath;
    if (dot > slash)
        base = tablePath.left(dot);
    return resolve(base + QStringLiteral(".idx"));
}

QString join(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty())
        return fileName;
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

void split(const QString& path, QString& folder, QString& fileName)
{
    const qsizetype at = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    folder = at < 0 ? QString() : path.left(at == 0 ? 1 : at);
    fileName = path.mid(at + 1);
}

} // namespace tablepath
