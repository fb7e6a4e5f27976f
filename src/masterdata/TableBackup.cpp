#include "masterdata/TableBackup.h"

#include <QFile>
#include <QFileInfo>

#include "masterdata/TablePath.h"

namespace TableBackup {

namespace {

// "folder/Artikel1.dbf" -> "folder/Artikel1" and ".dbf".
void splitExtension(const QString& path, QString& base, QString& extension)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash + 1) {
        base = path.left(dot);
        extension = path.mid(dot);
    } else {
        base = path;
        extension.clear();
    }
}

QString stamped(const QString& base, const QDate& date, int number, const QString& extension)
{
    QString name = base + QLatin1Char('-') + date.toString(QStringLiteral("yyyy-MM-dd"));
    if (number > 1)
        name += QLatin1Char('-') + QString::number(number);
    return name + QStringLiteral(".bak") + extension;
}

} // namespace

QString backupPath(const QString& tablePath, const QDate& date)
{
    QString base, extension;
    splitExtension(tablePath, base, extension);
    for (int number = 1;; ++number) {
        const QString candidate = stamped(base, date, number, extension);
        QString candidateBase, unused;
        splitExtension(candidate, candidateBase, unused);
        // The index of an older backup counts as taken as well.
        if (!tablepath::exists(candidate) && !tablepath::exists(candidateBase + QStringLiteral(".idx")))
            return candidate;
    }
}

Moved moveAside(const QString& tablePath, const QDate& date)
{
    Moved moved;
    const QString table = tablepath::resolve(tablePath);
    if (table.isEmpty() || !QFileInfo::exists(table)) {
        moved.ok = true;
        return moved;
    }
    const QString backup = backupPath(table, date);
    QFile file(table);
    if (!file.rename(backup)) {
        moved.error = QStringLiteral("Die Datei %1 konnte nicht nach %2 gesichert werden: %3")
                          .arg(table, backup, file.errorString());
        return moved;
    }
    moved.ok = true;
    moved.table = table;
    moved.backup = backup;

    // The index belongs to the old records; beside a new, empty table it
    // would only point at records that are not there.
    const QString index = tablepath::companionIndex(table);
    if (QFileInfo::exists(index)) {
        QString base, extension;
        splitExtension(backup, base, extension);
        const QString indexBackup = base + QStringLiteral(".idx");
        if (QFile::rename(index, indexBackup)) {
            moved.index = index;
            moved.indexBackup = indexBackup;
        } else {
            QFile::remove(index);
        }
    }
    return moved;
}

bool restore(const Moved& moved)
{
    if (moved.table.isEmpty())
        return true;
    QFile::remove(moved.table);
    bool ok = QFile::rename(moved.backup, moved.table);
    if (!moved.index.isEmpty()) {
        QFile::remove(moved.index);
        ok = QFile::rename(moved.indexBackup, moved.index) && ok;
    }
    return ok;
}

} // namespace TableBackup
