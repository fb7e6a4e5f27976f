#pragma once

#include <QDate>
#include <QString>

// Before a master-data table is made anew, the old file is moved aside
// beside it, never deleted: "Artikel1.dbf" becomes
// "Artikel1-2025-03-07.bak.dbf" (the day of the move; "-2", "-3" ... when a
// backup of that day exists already), and its index file goes along.
namespace TableBackup {

// The backup name for a table moved aside on date; the first that is free.
QString backupPath(const QString& tablePath, const QDate& date);

struct Moved {
    bool ok = false;
    QString table;       // the file that was moved, as spelled on disk; empty when there was none
    QString backup;      // where it went
    QString index;       // its index file, when it had one
    QString indexBackup;
    QString error;       // why not, for the user
};

// Moves the table at path (any spelling of its name) and its index aside.
// ok with an empty table when there is no such file.
Moved moveAside(const QString& tablePath, const QDate& date = QDate::currentDate());

// Puts a moved table back, when making the new one failed.
bool restore(const Moved& moved);

} // namespace TableBackup
