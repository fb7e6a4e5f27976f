// Moving a table aside before it is made anew: dated names beside it, the
// index along with it, and back again when the new table failed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TestSupport.h"
#include "masterdata/TableBackup.h"

namespace {

const QDate Day(2025, 3, 7);

} // namespace

TEST(TableBackup, DatedNameBesideTheTableCountsUpWhenTaken)
{
    testsupport::TempDir dir;
    const QString table = dir.file(QStringLiteral("Artikel1.dbf"));
    EXPECT_EQ(TableBackup::backupPath(table, Day), dir.file(QStringLiteral("Artikel1-2025-03-07.bak.dbf")));
    testsupport::writeFile(dir.file(QStringLiteral("ARTIKEL1-2025-03-07.BAK.DBF")), "x");
    EXPECT_EQ(TableBackup::backupPath(table, Day), dir.file(QStringLiteral("Artikel1-2025-03-07-2.bak.dbf")));
    // A left-over index of that name is taken as well.
    testsupport::writeFile(dir.file(QStringLiteral("Artikel1-2025-03-07-2.bak.idx")), "x");
    EXPECT_EQ(TableBackup::backupPath(table, Day), dir.file(QStringLiteral("Artikel1-2025-03-07-3.bak.dbf")));
    EXPECT_EQ(TableBackup::backupPath(dir.file(QStringLiteral("adressen")), Day),
              dir.file(QStringLiteral("adressen-2025-03-07.bak")));
}

TEST(TableBackup, TableAndIndexMoveAsideAndComeBack)
{
    testsupport::TempDir dir;
    // Spelled on disk otherwise than in the settings.
    testsupport::writeFile(dir.file(QStringLiteral("ARTIKEL1.DBF")), "records");
    testsupport::writeFile(dir.file(QStringLiteral("ARTIKEL1.IDX")), "index");

    const TableBackup::Moved moved = TableBackup::moveAside(dir.file(QStringLiteral("Artikel1.dbf")), Day);
    ASSERT_TRUE(moved.ok) << moved.error.toStdString();
    EXPECT_EQ(moved.table, dir.file(QStringLiteral("ARTIKEL1.DBF")));
    EXPECT_EQ(moved.backup, dir.file(QStringLiteral("ARTIKEL1-2025-03-07.bak.DBF")));
    EXPECT_EQ(testsupport::readFile(moved.backup), QByteArray("records"));
    EXPECT_EQ(testsupport::readFile(dir.file(QStringLiteral("ARTIKEL1-2025-03-07.bak.idx"))), QByteArray("index"));
    EXPECT_FALSE(QFile::exists(moved.table));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ARTIKEL1.IDX"))));

    // A half-made new table is replaced by the old one.
    testsupport::writeFile(moved.table, "half");
    ASSERT_TRUE(TableBackup::restore(moved));
    EXPECT_EQ(testsupport::readFile(dir.file(QStringLiteral("ARTIKEL1.DBF"))), QByteArray("records"));
    EXPECT_EQ(testsupport::readFile(dir.file(QStringLiteral("ARTIKEL1.IDX"))), QByteArray("index"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);

    // Nothing there: nothing to move.
    const TableBackup::Moved none = TableBackup::moveAside(dir.file(QStringLiteral("Adress1.dbf")), Day);
    EXPECT_TRUE(none.ok);
    EXPECT_TRUE(none.table.isEmpty());
}
