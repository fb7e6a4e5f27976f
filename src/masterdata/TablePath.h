#pragma once

#include <QString>

// File names of the master-data tables are compared without regard to case:
// "Artikel1.dbf" and "ARTIKEL1.DBF" are one table, also on file systems that
// tell them apart.
namespace tablepath {

// The existing file whose path equals the given one except for the case of
// its letters; the path itself when it exists or when nothing matches. Every
// component is matched, the folders as well as the file name.
QString resolve(const QString& path);

// True when a file exists at the path in any spelling.
bool exists(const QString& path);

// The companion index file: the three characters after the last dot (or the
// end of the name) replaced by "idx", matched to an existing spelling.
QString companionIndex(const QString& tablePath);

// path = folder + separator + name; an empty folder stays out.
QString join(const QString& folder, const QString& fileName);

// Splits a stored path at its last separator ("\" or "/") into folder and
// file name; a path without separator is all file name.
void split(const QString& path, QString& folder, QString& fileName);

} // namespace tablepath
