// The goods store: where its table is, both layouts, and saving changes.
#include <gtest/gtest.h>

#include <QFile>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "settings/Profile.h"
#include "masterdata/CKestrovaneStammDaten.h"

using dbffixture::Field;
using Values = CKestrovaneStammDaten::Values;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

Values goods(const QString& description, const QString& number = QStringLiteral("12345678"))
{
    return {description, number, QStringLiteral("90"), QStringLiteral("1234"), QStringLiteral("5678"),
            QStringLiteral("9"), QStringLiteral("DE"), QStringLiteral("01")};
}

// An older goods table: seven description lines of 30, then the seven other
// columns; field names of its own.
const QList<Field> kOlder = {
    {"Z1", 'C', 30}, {"Z2", 'C', 30}, {"Z3", 'C', 30}, {"Z4", 'C', 30}, {"Z5", 'C', 30}, {"Z6", 'C', 30},
    {"Z7", 'C', 30}, {"NR_A", 'C', 8}, {"NR_B", 'C', 2}, {"NR_C", 'C', 4}, {"NR_D", 'C', 4}, {"NR_E", 'C', 1},
    {"URS", 'C', 3}, {"BL", 'C', 3},
};

} // namespace

TEST(GoodsStore, FileComesFromTheSettingsOrTheDataFolder)
{
    testsupport::clearSettings();
    CKestrovaneStammDaten store(QStringLiteral("/daten"));
    QString path;
    EXPECT_EQ(store.GetFilePath(path), -1);
    EXPECT_EQ(store.SetFile(QString(), QStringLiteral("x.dbf"), 1), -1);

    ASSERT_EQ(store.SetFileFromSettings(), 0);
    EXPECT_EQ(store.GetFilePath(path), 0);
    EXPECT_EQ(path, QStringLiteral("/daten/ARTIKEL1.DBF"));
    EXPECT_EQ(store.kind(), 3);

    Profile::set(Settings::Stammdaten, 2);
    ASSERT_EQ(store.SetFileFromSettings(), 0);
    store.GetFilePath(path);
    EXPECT_EQ(path, QStringLiteral("/daten/ARTIKEL.DBF"));
    EXPECT_EQ(store.kind(), 2);

    // A stored path is split at its last separator, either kind.
    Profile::set(Settings::Stammdaten, 1);
    Profile::set(Settings::StammdatenDatei, QStringLiteral("C:\\Zoll\\Waren.dbf"));
    store.SetFileFromSettings();
    store.GetFilePath(path);
    EXPECT_EQ(path, QStringLiteral("C:\\Zoll/Waren.dbf"));
    Profile::set(Settings::StammdatenDatei, QStringLiteral("/srv/zoll/Waren.dbf"));
    store.SetFileFromSettings();
    store.GetFilePath(path);
    EXPECT_EQ(path, QStringLiteral("/srv/zoll/Waren.dbf"));
    // Two characters or fewer are no path.
    Profile::set(Settings::StammdatenDatei, QStringLiteral("@"));
    store.SetFileFromSettings();
    store.GetFilePath(path);
    EXPECT_EQ(path, QStringLiteral("/daten/ARTIKEL1.DBF"));
    testsupport::clearSettings();
}

TEST(GoodsStore, CurrentLayoutIsCreatedLoadedAndSaved)
{
    TempDir dir;
    CKestrovaneStammDaten store(dir.path());
    ASSERT_EQ(store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3), 0);
    ASSERT_EQ(store.Load(), 0);
    EXPECT_EQ(store.GetCount(), 0);
    const QString path = dir.file(QStringLiteral("Artikel1.dbf"));
    QByteArray file = readFile(path);
    ASSERT_EQ(file.size(), 32 * 8 + 33 + 1);
    EXPECT_EQ(quint8(file[10]) | quint8(file[11]) << 8, 280);

    // An empty table gets exactly the records saved, nothing in front.
    store.append(goods(QStringLiteral("A\r\nB")));
    store.append(goods(QStringLiteral("Zweiter"), QStringLiteral("87654321")));
    EXPECT_TRUE(store.isChanged(1));
    ASSERT_EQ(store.Save(), 0);
    EXPECT_FALSE(store.isChanged(1));
    EXPECT_EQ(readFile(path).size(), 32 * 8 + 33 + 2 * 280 + 1);

    CKestrovaneStammDaten again(dir.path());
    again.SetFile(dir.path(), QStringLiteral("ARTIKEL1.DBF"), 3);
    ASSERT_EQ(again.Load(), 0);
    ASSERT_EQ(again.GetCount(), 2);
    EXPECT_EQ(again.values(0), goods(QStringLiteral("A\r\nB")));
    EXPECT_EQ(again.value(1, 1), QStringLiteral("87654321"));

    // Only changed records are written.
    const QByteArray before = readFile(path);
    Values v = again.values(1);
    v[0] = QStringLiteral("Geändert");
    again.setValues(1, v);
    ASSERT_EQ(again.Save(), 0);
    const QByteArray after = readFile(path);
    const int first = 32 * 8 + 33;
    EXPECT_EQ(after.mid(first, 280), before.mid(first, 280));
    EXPECT_EQ(after.mid(first + 280 + 1, 8), QByteArray("Ge\xE4ndert"));

    // A value wider than its field is not stored, and Save says so.
    v[6] = QStringLiteral("DEUT");
    again.setValues(1, v);
    EXPECT_EQ(again.Save(), -1);
    EXPECT_FALSE(again.errorMessage().isEmpty());
    EXPECT_EQ(readFile(path).mid(first + 280 + 1 + 254 + 19, 3), QByteArray("DE "));
}

TEST(GoodsStore, ValuesStayRightWhenRecordsAreChangedAndAdded)
{
    // The texts of a loaded table are kept together; values set later go
    // elsewhere, and neither may disturb the other records.
    TempDir dir;
    {
        CKestrovaneStammDaten store(dir.path());
        store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3);
        ASSERT_EQ(store.Load(), 0);
        store.append(goods(QStringLiteral("Erster\r\nmit zwei Zeilen")));
        store.append({QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString()});
        store.append(goods(QStringLiteral("Dritter Größe"), QStringLiteral("87654321")));
        ASSERT_EQ(store.Save(), 0);
    }
    CKestrovaneStammDaten store(dir.path());
    store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3);
    ASSERT_EQ(store.Load(), 0);
    ASSERT_EQ(store.GetCount(), 3);
    QList<Values> expected = {goods(QStringLiteral("Erster\r\nmit zwei Zeilen")), Values{},
                              goods(QStringLiteral("Dritter Größe"), QStringLiteral("87654321"))};
    auto check = [&](const char* when) {
        ASSERT_EQ(store.GetCount(), expected.size()) << when;
        for (int r = 0; r < store.GetCount(); ++r) {
            EXPECT_EQ(store.values(r), expected.at(r)) << when << ", record " << r;
            for (int k = 0; k < CKestrovaneStammDaten::ColumnCount; ++k)
                EXPECT_EQ(store.view(r, k), expected.at(r)[k]) << when << ", record " << r << ", column " << k;
        }
    };
    check("loaded");
    EXPECT_TRUE(store.view(-1, 0).isEmpty());
    EXPECT_TRUE(store.view(3, 0).isEmpty());
    EXPECT_TRUE(store.view(0, 8).isEmpty());
    EXPECT_EQ(store.value(3, 1), QString());

    expected[1] = goods(QStringLiteral("Zweiter, jetzt gefüllt"));
    store.setValues(1, expected[1]);
    check("changed");
    // Enough new records that the texts have to move in memory.
    for (int i = 0; i < 500; ++i) {
        expected.append(goods(QStringLiteral("Neu %1 ").arg(i) + QString(200, QLatin1Char('x')), QString::number(i)));
        store.append(expected.constLast());
    }
    check("appended");
    ASSERT_EQ(store.Save(), 0);

    CKestrovaneStammDaten again(dir.path());
    again.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3);
    ASSERT_EQ(again.Load(), 0);
    ASSERT_EQ(again.GetCount(), expected.size());
    for (int r = 0; r < again.GetCount(); ++r)
        EXPECT_EQ(again.values(r), expected.at(r)) << "record " << r;
}

TEST(GoodsStore, SavingDoesNotTouchRecordsNobodyChanged)
{
    // A deleted first record stays deleted when other records are saved.
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Artikel1.dbf"));
    {
        CKestrovaneStammDaten store(dir.path());
        store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3);
        ASSERT_EQ(store.Load(), 0);
        store.append(goods(QStringLiteral("eins")));
        store.append(goods(QStringLiteral("zwei")));
        ASSERT_EQ(store.Save(), 0);
        store.table().DeleteRecord(1);
    }
    CKestrovaneStammDaten store(dir.path());
    store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3);
    ASSERT_EQ(store.Load(), 0);
    ASSERT_EQ(store.GetCount(), 2);
    EXPECT_EQ(store.value(0, 0), QStringLiteral("eins")); // deleted records are listed like others
    store.setValues(1, goods(QStringLiteral("zwei neu")));
    ASSERT_EQ(store.Save(), 0);
    EXPECT_EQ(readFile(path).at(32 * 8 + 33), '*');

    // Saving with nothing changed writes nothing at all.
    CKestrovaneStammDaten empty(dir.path());
    empty.SetFile(QString(), QStringLiteral("Leer.dbf"), 3);
    ASSERT_EQ(empty.Load(), 0);
    ASSERT_EQ(empty.Save(), 0);
    EXPECT_EQ(readFile(dir.file(QStringLiteral("Leer.dbf"))).size(), 32 * 8 + 33 + 1);
}

TEST(GoodsStore, TwoStoresOnOneTableKeepEachOthersNewRecords)
{
    TempDir dir;
    CKestrovaneStammDaten a(dir.path()), b(dir.path());
    for (CKestrovaneStammDaten* s : {&a, &b}) {
        s->SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3);
        ASSERT_EQ(s->Load(), 0);
    }
    a.append(goods(QStringLiteral("von A")));
    ASSERT_EQ(a.Save(), 0);
    b.append(goods(QStringLiteral("von B")));
    ASSERT_EQ(b.Save(), 0);
    // A edits its new record: it must land on A's record, not on B's.
    a.setValues(0, goods(QStringLiteral("von A, geändert")));
    ASSERT_EQ(a.Save(), 0);

    CKestrovaneStammDaten check(dir.path());
    check.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3);
    ASSERT_EQ(check.Load(), 0);
    ASSERT_EQ(check.GetCount(), 2);
    EXPECT_EQ(check.value(0, 0), QStringLiteral("von A, geändert"));
    EXPECT_EQ(check.value(1, 0), QStringLiteral("von B"));
}

TEST(GoodsStore, OlderLayoutIsReadAndWrittenByPosition)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("ARTIKEL.DBF"));
    writeFile(path, dbffixture::header(0x03, 1, kOlder)
                        + dbffixture::record(kOlder, {"Zeile 1  ", "", "Zeile 3", "", "", "", "", "11112222", "33",
                                                      "4444", "5555", "6", "CH", "07"})
                        + "\x1A");
    EXPECT_EQ(CKestrovaneStammDaten::DetectKind(path), 2);
    CKestrovaneStammDaten current(dir.path());
    current.SetFile(QString(), QStringLiteral("ARTIKEL.DBF"), 3);
    EXPECT_EQ(current.Load(), -2);
    CKestrovaneStammDaten store(dir.path());
    ASSERT_EQ(store.SetFile(QString(), QStringLiteral("artikel.dbf"), 2), 0);
    ASSERT_EQ(store.Load(), 0);
    ASSERT_EQ(store.GetCount(), 1);
    // Seven lines, six separators, empty ones kept.
    EXPECT_EQ(store.value(0, 0), QStringLiteral("Zeile 1\r\n\r\nZeile 3\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(store.value(0, 1), QStringLiteral("11112222"));
    EXPECT_EQ(store.value(0, 7), QStringLiteral("07"));

    // A record the seven fields cannot hold in full is refused whole: an
    // eighth line or a line wider than its field would be lost.
    const QByteArray before = readFile(path);
    Values v = store.values(0);
    v[0] = QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh");
    store.setValues(0, v);
    store.append(goods(QStringLiteral("nur eine")));
    EXPECT_EQ(store.Save(), -1);
    EXPECT_EQ(store.errorMessage(),
              QStringLiteral("Der Datensatz kann nicht gespeichert werden: die Beschreibung hat 8 Zeilen, erlaubt sind 7."));
    v[0] = QStringLiteral("a\r\n") + QString(31, QLatin1Char('x'));
    store.setValues(0, v);
    EXPECT_EQ(store.Save(), -1);
    EXPECT_TRUE(store.errorMessage().contains(QStringLiteral("Zeile 2 der Beschreibung ist länger als 30 Zeichen")));
    EXPECT_EQ(readFile(path), before);

    // Missing lines are stored empty, empty lines at the end do not count.
    v[0] = QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n  \r\n");
    store.setValues(0, v);
    ASSERT_EQ(store.Save(), 0) << store.errorMessage().toStdString();
    const QByteArray file = readFile(path);
    const int first = 32 * 14 + 33;
    const int length = 1 + 7 * 30 + 25;
    EXPECT_EQ(file.mid(first + 1 + 6 * 30, 30), QByteArray("g").leftJustified(30, ' '));
    EXPECT_EQ(file.mid(first + 1 + 7 * 30, 8), QByteArray("11112222"));
    EXPECT_EQ(file.mid(first + length + 1, 60), QByteArray("nur eine").leftJustified(60, ' '));
    EXPECT_EQ(file.mid(first + length + 1 + 7 * 30, 8), QByteArray("12345678"));
}

TEST(GoodsStore, TablesOfAnotherLayoutAreRefused)
{
    TempDir dir;
    const QList<Field> address = {{"ADRESS1", 'C', 80}, {"ZOLLNR", 'C', 25}};
    writeFile(dir.file(QStringLiteral("Adress1.dbf")), dbffixture::header(0x03, 0, address) + "\x1A");
    EXPECT_EQ(CKestrovaneStammDaten::DetectKind(dir.file(QStringLiteral("Adress1.dbf"))), 0);
    EXPECT_EQ(CKestrovaneStammDaten::DetectKind(dir.file(QStringLiteral("fehlt.dbf"))), -1);
    CKestrovaneStammDaten store(dir.path());
    store.SetFile(QString(), QStringLiteral("Adress1.dbf"), 3);
    EXPECT_EQ(store.Load(), -2);
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_TRUE(store.errorMessage().contains(QStringLiteral("Warentabelle")));
    EXPECT_EQ(store.Save(), -1);
}
