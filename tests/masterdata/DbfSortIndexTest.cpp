// The sort index over one field and its companion index file.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QRandomGenerator>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "masterdata/CdBaseDocument.h"

using dbffixture::Field;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

const QList<Field> kFields = {{"NAME", 'C', 6}, {"NUM", 'N', 4}, {"DAY", 'D', 8}};

struct Row {
    Row(const QByteArray& name, const QByteArray& num = {}, bool deleted = false)
        : name(name), num(num), deleted(deleted)
    {
    }
    QByteArray name;
    QByteArray num;
    bool deleted;
};

QString writeTable(const TempDir& dir, const QList<Row>& rows)
{
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    QByteArray bytes = dbffixture::header(0x03, quint32(rows.size()), kFields);
    for (const Row& r : rows)
        bytes += dbffixture::record(kFields, {r.name, r.num.rightJustified(4, ' ')}, r.deleted);
    writeFile(path, bytes + "\x1A");
    return path;
}

QList<quint32> indexOf(const CdBaseDocument& t)
{
    QList<quint32> records;
    for (qint64 i = 1; i < t.GetIndexSize(); ++i) {
        // The record of each position, read back through the index.
        records.append(quint32(const_cast<CdBaseDocument&>(t).ReadRecordByIndex(i)));
    }
    return records;
}

// The neighbour-exchange sort the index order is defined by, run on
// (key, record) pairs with the empty entry at position 0.
QList<quint32> exchangeSorted(QStringList keys, QList<quint32> records)
{
    keys.prepend(QString());
    records.prepend(0);
    qsizetype i = 2, j = 1;
    while (i < keys.size()) {
        bool notLess = true;
        const QString& a = keys[i];
        const QString& b = keys[j];
        for (qsizetype k = 0;; ++k) {
            const unsigned ca = k < a.size() ? a[k].unicode() : 0;
            const unsigned cb = k < b.size() ? b[k].unicode() : 0;
            if (ca != cb) {
                notLess = ca > cb;
                break;
            }
            if (ca == 0)
                break;
        }
        if (notLess) {
            ++i;
            ++j;
        } else {
            keys.swapItemsAt(i, j);
            records.swapItemsAt(i, j);
            --i;
            --j;
        }
    }
    return records.mid(1);
}

} // namespace

TEST(DbfSortIndex, OrdersActiveRecordsByKeyAndKeepsTiesInRecordOrder)
{
    TempDir dir;
    const QString path = writeTable(dir, {{"b"}, {"a"}, {"B"}, {"a"}, {"\xE4"}, {"0", "", true}, {""}, {"Zebra"}});
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    ASSERT_EQ(t.ReadRecord(3), 3);
    ASSERT_EQ(t.BuildSortIndex(0), 0);
    // Upper case before lower, umlaut after ASCII, the deleted record left out.
    EXPECT_EQ(indexOf(t), (QList<quint32>{7, 3, 8, 2, 4, 1, 5}));
    EXPECT_EQ(t.GetIndexSize(), 8);
    EXPECT_EQ(t.GetIndexKey(3), QStringLiteral("Zebra"));
    EXPECT_EQ(t.GetIndexKey(0), QString());
    EXPECT_EQ(t.ReadRecordByIndex(8), -1);
    EXPECT_EQ(t.GetCurrentIndexPosition(), 7);
}

TEST(DbfSortIndex, RemembersTheCurrentRecord)
{
    TempDir dir;
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(writeTable(dir, {{"b"}, {"a"}, {"c"}})));
    ASSERT_EQ(t.ReadRecord(2), 2);
    t.SetString(0, QStringLiteral("zz"));
    ASSERT_EQ(t.BuildSortIndex(0), 0);
    EXPECT_EQ(t.GetCurrentRecord(), 2);
    QString name;
    t.GetString(0, name);
    EXPECT_EQ(name, QStringLiteral("zz"));
    // The pending change was written before the keys were read.
    EXPECT_EQ(indexOf(t), (QList<quint32>{1, 3, 2}));
}

TEST(DbfSortIndex, MatchesTheExchangeSortOnManyTies)
{
    TempDir dir;
    QList<Row> rows;
    QStringList keys;
    QList<quint32> records;
    QRandomGenerator rng(4711);
    const char* alphabet[] = {"a", "A", "b", "\xFC", " ", "1"};
    for (int n = 1; n <= 400; ++n) {
        QByteArray key;
        for (int len = int(rng.bounded(4)); len > 0; --len)
            key += alphabet[rng.bounded(6)];
        const bool deleted = rng.bounded(10) == 0;
        rows.append({key, "", deleted});
        if (!deleted) {
            // What the table gives back: Windows-1252, trailing blanks gone.
            QString text = QString::fromLatin1(key);
            while (text.endsWith(QLatin1Char(' ')))
                text.chop(1);
            keys.append(text);
            records.append(quint32(n));
        }
    }
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(writeTable(dir, rows)));
    ASSERT_EQ(t.BuildSortIndex(0), 0);
    EXPECT_EQ(indexOf(t), exchangeSorted(keys, records));
}

TEST(DbfSortIndex, NumbersSortAsTheirTextAndOtherTypesAreRefused)
{
    TempDir dir;
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(writeTable(dir, {{"", "9"}, {"", "10"}, {"", "-1"}, {"", "100"}, {"", ""}})));
    ASSERT_EQ(t.BuildSortIndex(1), 0);
    EXPECT_EQ(indexOf(t), (QList<quint32>{3, 5, 2, 4, 1}));
    EXPECT_EQ(t.GetIndexKey(2), QStringLiteral("0"));
    EXPECT_EQ(t.BuildSortIndex(2), -1);

    CdBaseDocument empty;
    ASSERT_TRUE(empty.OnOpenDocument(writeTable(dir, {})));
    EXPECT_EQ(empty.BuildSortIndex(0), -1);
}

TEST(DbfSortIndex, IndexFileHoldsSignatureTimeRecordsAndKeys)
{
    TempDir dir;
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(writeTable(dir, {{"b\xFC"}, {"a"}})));
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    ASSERT_EQ(t.BuildSortIndex(0), 0);
    const qint64 after = QDateTime::currentSecsSinceEpoch();

    const QByteArray file = readFile(dir.file(QStringLiteral("Adress1.idx")));
    ASSERT_GE(file.size(), 16);
    EXPECT_EQ(file.left(8), QByteArray::fromHex("494458C6F4517800"));
    qint64 stamp = 0;
    for (int i = 7; i >= 0; --i)
        stamp = (stamp << 8) | quint8(file[8 + i]);
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
    EXPECT_EQ(t.GetIndexTimeStamp(), stamp);
    const QByteArray rest = testsupport::Bytes()
                                .count(3).u32(0).u32(2).u32(1)
                                .count(3).wide(QString()).wide(QStringLiteral("a")).wide(QStringLiteral("bü"))
                                .data();
    EXPECT_EQ(file.mid(16), rest);
}

TEST(DbfSortIndex, LargeIndexFileIsWrittenWhole)
{
    // More than the file is written in at once: every record and key
    // arrives, in order.
    TempDir dir;
    QList<Row> rows;
    for (int n = 0; n < 5000; ++n)
        rows.append(Row(QByteArray::number(9999 - n).rightJustified(6, 'k')));
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(writeTable(dir, rows)));
    ASSERT_EQ(t.BuildSortIndex(0), 0);
    testsupport::Bytes expected;
    expected.count(5001).u32(0);
    for (quint32 n = 5000; n >= 1; --n)
        expected.u32(n);
    expected.count(5001).wide(QString());
    for (int n = 5000; n >= 1; --n)
        expected.wide(QString::fromLatin1(QByteArray::number(10000 - n).rightJustified(6, 'k')));
    const QByteArray file = readFile(dir.file(QStringLiteral("Adress1.idx")));
    ASSERT_GT(file.size(), 1 << 16);
    EXPECT_EQ(file.mid(16), expected.data());
}

TEST(DbfSortIndex, SortIndexOrdersAddedKeys)
{
    TempDir dir;
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(writeTable(dir, {{"x"}, {"y"}, {"z"}})));
    for (qint64 n : {1, 2, 3}) {
        t.ReadRecord(n);
        t.AddIndexKey(QStringList{QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("a")}.at(n - 1));
    }
    t.SortIndex();
    EXPECT_EQ(t.GetCurrentRecord(), 3);
    EXPECT_EQ(indexOf(t), (QList<quint32>{2, 3, 1}));
    EXPECT_EQ(t.WriteRecordByIndex(1), 2);
    EXPECT_EQ(t.WriteRecordByIndex(9), -1);
}
