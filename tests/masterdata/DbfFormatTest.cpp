// The table file byte for byte: what we write, what we accept, what we refuse.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "masterdata/CdBaseDocument.h"

using dbffixture::Field;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

quint32 le32(const QByteArray& b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
        | quint32(quint8(b[at + 3])) << 24;
}

int le16(const QByteArray& b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8;
}

const QList<Field> kNameTable = {{"NAME", 'C', 10}};

} // namespace

TEST(DbfFormat, NewAddressTableHasExactHeaderAndGrowsByOneRecordPerAppend)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    CdBaseDocument t;
    EXPECT_EQ(t.AddField(QStringLiteral("adress1"), 'C', 80, 0), 1);
    EXPECT_EQ(t.AddField(QStringLiteral("ZOLLNR"), 'C', 25, 0), 2);
    // The header takes the day of writing; read the clock on both sides so a
    // run across midnight still knows which days are right.
    const QDate before = QDate::currentDate();
    ASSERT_EQ(t.CreateTable(path, 0), 1);
    const QDate after = QDate::currentDate();
    EXPECT_EQ(t.GetHeaderLength(), 97);
    EXPECT_EQ(t.GetRecordLength(), 106);

    QByteArray file = readFile(path);
    ASSERT_GE(file.size(), 97);
    EXPECT_EQ(quint8(file[0]), 0x03);
    const QDate stamped(1900 + quint8(file[1]), quint8(file[2]), quint8(file[3]));
    EXPECT_TRUE(stamped == before || stamped == after) << stamped.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(le32(file, 4), 0u);
    EXPECT_EQ(le16(file, 8), 97);
    EXPECT_EQ(le16(file, 10), 106);
    // Bytes 12..31 are zero but for the language driver: Windows ANSI.
    EXPECT_EQ(file.mid(12, 17), QByteArray(17, '\0'));
    EXPECT_EQ(quint8(file[29]), 0x03);
    EXPECT_EQ(file.mid(30, 2), QByteArray(2, '\0'));
    // Descriptor 0: NUL-padded upper-case name, type, zeros, length, decimals.
    EXPECT_EQ(file.mid(32, 11), QByteArray("ADRESS1\0\0\0\0", 11));
    EXPECT_EQ(file[43], 'C');
    EXPECT_EQ(file.mid(44, 4), QByteArray(4, '\0'));
    EXPECT_EQ(quint8(file[48]), 80);
    EXPECT_EQ(quint8(file[49]), 0);
    EXPECT_EQ(file.mid(50, 14), QByteArray(14, '\0'));
    EXPECT_EQ(file.mid(64, 7), QByteArray("ZOLLNR\0", 7));
    EXPECT_EQ(quint8(file[80]), 25);
    EXPECT_EQ(file[96], '\x0D');

    ASSERT_EQ(t.NewRecord(), 1);
    EXPECT_EQ(t.SetString(0, QStringLiteral("Erster Eintrag")), 0);
    EXPECT_EQ(t.SetString(1, QStringLiteral("DE123")), 0);
    EXPECT_EQ(t.WriteRecord(1), 1);
    file = readFile(path);
    ASSERT_EQ(file.size(), 97 + 106 + 1);
    EXPECT_EQ(file.back(), '\x1A');
    EXPECT_EQ(le32(file, 4), 1u);
    EXPECT_EQ(file.mid(97, 106), QByteArray(" Erster Eintrag").leftJustified(81, ' ') + QByteArray("DE123").leftJustified(25, ' '));

    // Writing record count + 1 appends; further ahead is refused.
    EXPECT_EQ(t.WriteRecord(3), -1);
    EXPECT_EQ(t.WriteRecord(2), 2);
    EXPECT_EQ(readFile(path).size(), 97 + 2 * 106 + 1);
    EXPECT_EQ(t.GetRecordCount(), 2);
}

TEST(DbfFormat, ReadsVersion0x83AndRewritesItsHeaderAs0x03)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("memo.dbf"));
    writeFile(path, dbffixture::header(0x83, 1, kNameTable) + dbffixture::record(kNameTable, {"Alt"}) + "\x1A");
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path)) << t.errorMessage().toStdString();
    EXPECT_EQ(t.GetVersion(), 0x83);
    int y = 0, m = 0, d = 0;
    t.GetUpdateDate(y, m, d);
    EXPECT_EQ(y, 124);
    EXPECT_EQ(m, 3);
    EXPECT_EQ(d, 7);
    ASSERT_EQ(t.ReadRecord(1), 1);
    QString name;
    EXPECT_EQ(t.GetString(0, name), 0);
    EXPECT_EQ(name, QStringLiteral("Alt"));

    EXPECT_EQ(t.SetString(0, QStringLiteral("Neu")), 0);
    EXPECT_EQ(t.WriteRecord(2), 2);
    const QByteArray file = readFile(path);
    EXPECT_EQ(quint8(file[0]), 0x03);
    EXPECT_EQ(le32(file, 4), 2u);
}

TEST(DbfFormat, RefusesHeadersItCannotHold)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("t.dbf"));
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message;
    };
    const QList<Case> cases = {
        {"foxpro version", dbffixture::header(0x30, 0, kNameTable), "Unerwartetes Dateiformat."},
        {"dbase iv memo version", dbffixture::header(0x8B, 0, kNameTable), "Unerwartetes Dateiformat."},
        {"record over 4000 bytes", dbffixture::header(0x03, 0, kNameTable, 0, 4001),
         "Die Datensätze dieser Tabelle sind länger als 4000 Byte."},
        {"fields wider than the record", dbffixture::header(0x03, 0, {{"A", 'C', 200}, {"B", 'C', 100}}, 0, 120),
         "Die Felder dieser Tabelle passen nicht in ihre Datensatzlänge von 120 Byte."},
        {"header shorter than its prefix", testsupport::Bytes().u8(3).fill(7, '\0').u16(10).u16(11).fill(20, '\0'),
         "Unerwartetes Dateiformat."},
        {"descriptors cut off", dbffixture::header(0x03, 0, kNameTable).left(40), "Unerwartetes Dateiformat."},
        {"empty file", QByteArray(), "Unerwartetes Dateiformat."},
    };
    for (const Case& c : cases) {
        writeFile(path, c.bytes);
        CdBaseDocument t;
        EXPECT_FALSE(t.OnOpenDocument(path)) << c.what;
        EXPECT_EQ(t.errorMessage(), QString::fromUtf8(c.message)) << c.what;
        EXPECT_FALSE(t.IsOpen()) << c.what;
        EXPECT_EQ(t.GetFieldCount(), 0) << c.what;
    }
    CdBaseDocument t;
    EXPECT_FALSE(t.OnOpenDocument(dir.file(QStringLiteral("missing.dbf"))));
    EXPECT_EQ(t.errorMessage(), QStringLiteral("Fehler beim Öffnen des Dokuments."));
}

TEST(DbfFormat, AppendingToAnotherWritersTableKeepsItsHeaderRoom)
{
    // A writer that leaves a byte after the terminator: its records start at
    // 32 * n + 34, and must stay there when we rewrite the header.
    TempDir dir;
    const QString path = dir.file(QStringLiteral("room.dbf"));
    writeFile(path, dbffixture::header(0x03, 1, kNameTable, 1) + dbffixture::record(kNameTable, {"Eins"}) + "\x1A");
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    EXPECT_EQ(t.GetHeaderLength(), 66);
    ASSERT_EQ(t.NewRecord(), 2);
    t.SetString(0, QStringLiteral("Zwei"));
    ASSERT_EQ(t.WriteRecord(2), 2);

    const QByteArray file = readFile(path);
    EXPECT_EQ(le16(file, 8), 66);
    EXPECT_EQ(le16(file, 10), 11);
    EXPECT_EQ(file.mid(66, 11), QByteArray(" Eins      "));
    EXPECT_EQ(file.mid(77, 11), QByteArray(" Zwei      "));
    EXPECT_EQ(file.size(), 66 + 2 * 11 + 1);
}

TEST(DbfFormat, TableNamesMatchWithoutRegardToCase)
{
    TempDir dir;
    writeFile(dir.file(QStringLiteral("ARTIKEL1.DBF")),
              dbffixture::header(0x03, 1, kNameTable) + dbffixture::record(kNameTable, {"Schraube"}) + "\x1A");
    writeFile(dir.file(QStringLiteral("ARTIKEL1.IDX")), "alt");

    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(dir.file(QStringLiteral("Artikel1.dbf"))));
    EXPECT_EQ(t.GetPathName(), dir.file(QStringLiteral("ARTIKEL1.DBF")));
    ASSERT_EQ(t.BuildSortIndex(0), 0);
    // The index went into the existing companion, not into a second file.
    EXPECT_TRUE(readFile(dir.file(QStringLiteral("ARTIKEL1.IDX"))).startsWith(QByteArray::fromHex("494458C6F4517800")));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ARTIKEL1.idx"))));

    // Creating "artikel1.dbf" without overwrite leaves the table alone.
    CdBaseDocument other;
    other.AddField(QStringLiteral("X"), 'C', 1, 0);
    EXPECT_EQ(other.CreateTable(dir.file(QStringLiteral("artikel1.dbf")), 0), 0);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("artikel1.dbf"))));
    EXPECT_EQ(readFile(dir.file(QStringLiteral("ARTIKEL1.DBF"))).mid(32, 4), QByteArray("NAME"));
}

TEST(DbfFormat, RecordAccessStaysInsideTheTable)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("t.dbf"));
    const QByteArray bytes = dbffixture::header(0x03, 3, kNameTable) + dbffixture::record(kNameTable, {"A"})
        + dbffixture::record(kNameTable, {"B"}, true) + dbffixture::record(kNameTable, {"C"}) + "\x1A";
    writeFile(path, bytes);
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    EXPECT_EQ(t.ReadRecord(0), -1);
    EXPECT_EQ(t.ReadRecord(4), -1);
    EXPECT_EQ(t.GetCurrentRecord(), 0);

    // A deleted record reads as inactive; writing it back makes it active.
    ASSERT_EQ(t.ReadRecord(2), 2);
    EXPECT_FALSE(t.IsCurrentRecordActive());
    EXPECT_FALSE(t.IsRecordActive());
    ASSERT_EQ(t.WriteRecord(2), 2);
    EXPECT_EQ(readFile(path).at(65 + 11), ' ');

    // Deleting marks the flag, moves to record 1, and removes nothing.
    EXPECT_EQ(t.DeleteRecord(3), 1);
    EXPECT_EQ(readFile(path).at(65 + 22), '*');
    EXPECT_EQ(readFile(path).size(), bytes.size());
    EXPECT_EQ(t.DeleteRecord(4), -1);

    // A failed read leaves the current record as it was.
    EXPECT_EQ(t.ReadRecord(9), -1);
    EXPECT_EQ(t.GetCurrentRecord(), 1);

    // Opened for reading only, nothing is written.
    CdBaseDocument reader;
    ASSERT_TRUE(reader.OnOpenDocument(path, true));
    ASSERT_EQ(reader.ReadRecord(1), 1);
    EXPECT_EQ(reader.WriteRecord(1), -1);
    EXPECT_EQ(reader.WriteRecord(4), -1);
}

TEST(DbfFormat, RecordCountBeyondTheFileIsNotTrusted)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("cut.dbf"));
    writeFile(path, dbffixture::header(0x03, 0xFFFFFFF0u, kNameTable) + dbffixture::record(kNameTable, {"A"})
                        + dbffixture::record(kNameTable, {"B"}).left(5));
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    EXPECT_EQ(t.GetRecordCount(), 0xFFFFFFF0LL);
    EXPECT_EQ(t.GetRecordsInFile(), 1);
    EXPECT_EQ(t.ReadRecord(1), 1);
    EXPECT_EQ(t.ReadRecord(2), -1);
    EXPECT_EQ(t.BuildSortIndex(0), 0);
    EXPECT_EQ(t.GetIndexSize(), 2);
    // Appending behind a count the file does not hold would leave a hole
    // of made-up records; the damaged table is not extended.
    const qint64 size = readFile(path).size();
    ASSERT_GT(t.NewRecord(), 0);
    t.SetString(0, QStringLiteral("neu"));
    EXPECT_EQ(t.WriteRecord(t.GetCurrentRecord()), -1);
    EXPECT_EQ(readFile(path).size(), size);
}

TEST(DbfFormat, FieldsThatCannotBeStoredAreRefused)
{
    CdBaseDocument t;
    EXPECT_EQ(t.AddField(QStringLiteral("ELFZEICHENX"), 'C', 5, 0), -1);
    EXPECT_EQ(t.AddField(QStringLiteral("MEMO"), 'M', 10, 0), -1);
    EXPECT_EQ(t.AddField(QStringLiteral("WIDE"), 'C', 256, 0), -1);
    EXPECT_EQ(t.AddField(QStringLiteral("DAY"), 'D', 10, 0), -1);
    EXPECT_EQ(t.AddField(QStringLiteral("TEXT"), 'C', 10, 2), -1);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(t.AddField(QStringLiteral("F%1").arg(i), 'C', 255, 0), i + 1);
    // 1 + 15 * 255 = 3826; another 255 would pass 4000.
    EXPECT_EQ(t.AddField(QStringLiteral("MORE"), 'C', 255, 0), -1);
    EXPECT_EQ(t.AddField(QStringLiteral("LAST"), 'C', 174, 0), 16);
    EXPECT_EQ(t.GetRecordLength(), 4000);
    EXPECT_TRUE(t.IsModified());
}

TEST(DbfFormat, RecordsAppendedAsOneUnitAreSeenAllOrNone)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("t.dbf"));
    const QByteArray original = dbffixture::header(0x03, 1, kNameTable) + dbffixture::record(kNameTable, {"Eins"}) + "\x1A";
    writeFile(path, original);
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    auto append = [&t](const char* name) {
        t.NewRecord();
        t.SetString(0, QString::fromLatin1(name));
        return t.WriteRecord(t.GetCurrentRecord());
    };

    // Cancelled: the file is as it was, end mark included.
    ASSERT_TRUE(t.BeginAppend());
    EXPECT_EQ(append("Zwei"), 2);
    EXPECT_EQ(append("Drei"), 3);
    t.RollbackAppend();
    EXPECT_EQ(readFile(path).mid(4), original.mid(4));
    EXPECT_EQ(t.GetRecordCount(), 1);

    // Committed: a reader sees none of the records until the commit, then all.
    ASSERT_TRUE(t.BeginAppend());
    EXPECT_EQ(append("Zwei"), 2);
    EXPECT_EQ(append("Drei"), 3);
    CdBaseDocument reader;
    ASSERT_TRUE(reader.OnOpenDocument(path, true));
    EXPECT_EQ(reader.GetRecordCount(), 1);
    ASSERT_TRUE(t.CommitAppend());
    EXPECT_EQ(reader.GetRecordCount(), 3);
    const QByteArray file = readFile(path);
    EXPECT_EQ(file.size(), 65 + 3 * 11 + 1);
    EXPECT_EQ(file.mid(65 + 2 * 11, 12), QByteArray(" Drei      \x1A"));
}
