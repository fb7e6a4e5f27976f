// The command-line tool on tables: dumping one, importing goods into one.
#include <gtest/gtest.h>

#include <QDir>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "settings/Profile.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/CdBaseDocument.h"

using dbffixture::Field;
using testsupport::runCli;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(MasterDataCli, DbfDumpPrintsEveryTypeAsTheTableReadsIt)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("t.dbf"));
    const QList<Field> fields = {
        {"NAME", 'C', 20}, {"QTY", 'N', 4}, {"PRICE", 'N', 7, 2}, {"OK", 'L', 1}, {"DAY", 'D', 8},
    };
    writeFile(path, dbffixture::header(0x83, 2, fields)
                        + dbffixture::record(fields, {"M\xFCller \"\\\" \x80", "  12", "   3.50", "j", "20240307"})
                        + dbffixture::record(fields, {"a\r\nb\t", " -99", "  -0.25", "N", ""}, true) + "\x1A");
    const auto r = runCli({QStringLiteral("dbf"), QStringLiteral("dump"), path});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out),
              QStringLiteral(
                  "{\"version\": 131, \"updated\": \"2024-03-07\", \"recordCount\": 2, \"fields\": ["
                  "{\"name\": \"NAME\", \"type\": \"C\", \"length\": 20, \"decimals\": 0}, "
                  "{\"name\": \"QTY\", \"type\": \"N\", \"length\": 4, \"decimals\": 0}, "
                  "{\"name\": \"PRICE\", \"type\": \"N\", \"length\": 7, \"decimals\": 2}, "
                  "{\"name\": \"OK\", \"type\": \"L\", \"length\": 1, \"decimals\": 0}, "
                  "{\"name\": \"DAY\", \"type\": \"D\", \"length\": 8, \"decimals\": 0}], \"records\": ["
                  "{\"deleted\": false, \"values\": {\"NAME\": \"Müller \\\"\\\\\\\" €\", \"QTY\": 12, "
                  "\"PRICE\": 3.5, \"OK\": true, \"DAY\": \"20240307\"}}, "
                  "{\"deleted\": true, \"values\": {\"NAME\": \"a\\r\\nb\", \"QTY\": -99, \"PRICE\": -0.25, "
                  "\"OK\": false, \"DAY\": \"\"}}]}\n"));
    // Nothing was written to the table by dumping it.
    EXPECT_EQ(testsupport::readFile(path).at(0), '\x83');
}

TEST(MasterDataCli, DbfDumpRefusesWhatItCannotRead)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("fox.dbf"));
    writeFile(path, dbffixture::header(0x30, 0, {{"A", 'C', 1}}));
    auto r = runCli({QStringLiteral("dbf"), QStringLiteral("dump"), path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Unerwartetes Dateiformat.")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    r = runCli({QStringLiteral("dbf"), QStringLiteral("show"), path});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(MasterDataCli, GoodsImportStoresAllRowsOrNone)
{
    TempDir dir;
    const QString csv = dir.file(QStringLiteral("waren.csv"));
    const QString table = dir.file(QStringLiteral("Waren.dbf"));
    const QString good = QStringLiteral("\"Schrauben M6\nverzinkt, 100 Stück\",73181595,00,0000,,0,CN,\n"
                                        "Bolzen – 8 mm,73181699,00,,,,DE,09\r\n");
    writeFile(csv, QStringLiteral("\xFEFF"
                                  "WBESCH1,WNR1,WNR2,WNR3,WNR4,WNR5,LAND1,LAND2\n"
                                  "\"Schrauben M6\nverzinkt, 100 Stück\",73181595,00,0000,,0,CN,\n"
                                  "zu wenig,1,2,3\n"
                                  "Muttern,731816999,00,0000,,0,CN,\n"
                                  "\n"
                                  "\"Zeichen \"\"™\"\"\",1,2,3,4,5,6,7\n"
                                  "Bolzen – 8 mm,73181699,00,,,,DE,09\r\n")
                       .toUtf8());
    const QStringList args = {QStringLiteral("goods"), QStringLiteral("import"), csv, QStringLiteral("--table"), table};
    auto r = runCli(args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.err), QStringLiteral("Zeile 4: 4 Spalten statt 8\n"
                                                       "Zeile 5: WNR1 \"731816999\" ist länger als 8 Zeichen\n"
                                                       "Zeile 7: WBESCH1 enthält Zeichen, die die Warentabelle "
                                                       "nicht speichern kann\n"
                                                       "Nichts gespeichert: 3 Zeilen können nicht übernommen werden.\n"));
    EXPECT_TRUE(r.out.isEmpty());
    CKestrovaneStammDaten store(dir.path());
    store.SetFile(dir.path(), QStringLiteral("Waren.dbf"), 3);
    ASSERT_EQ(store.Load(), 0);
    EXPECT_EQ(store.GetCount(), 0);

    // The mended file goes in whole, once.
    writeFile(csv, good.toUtf8());
    r = runCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("2 Datensätze in ")) << r.out.toStdString();
    ASSERT_EQ(store.Load(), 0);
    ASSERT_EQ(store.GetCount(), 2);
    EXPECT_EQ(store.value(0, 0), QStringLiteral("Schrauben M6\r\nverzinkt, 100 Stück"));
    EXPECT_EQ(store.value(0, 1), QStringLiteral("73181595"));
    EXPECT_EQ(store.value(0, 6), QStringLiteral("CN"));
    EXPECT_EQ(store.value(1, 0), QStringLiteral("Bolzen - 8 mm"));
    EXPECT_EQ(store.value(1, 7), QStringLiteral("09"));
}

TEST(MasterDataCli, GoodsImportIntoAnOlderTableRefusesALineItsFieldCannotHold)
{
    // The older layout keeps the description in seven fields of 60: a line
    // of 61 characters would have left a record without its text.
    TempDir dir;
    QList<dbffixture::Field> fields;
    static const QByteArray names[14] = {"Z1", "Z2", "Z3", "Z4", "Z5", "Z6", "Z7",
                                         "A",  "B",  "C",  "D",  "E",  "F",  "G"};
    const int widths[14] = {60, 60, 60, 60, 60, 60, 60, 8, 2, 4, 4, 1, 3, 3};
    for (int k = 0; k < 14; ++k)
        fields.append({names[k].constData(), 'C', widths[k]});
    const QString table = dir.file(QStringLiteral("ARTIKEL.DBF"));
    const QByteArray empty = dbffixture::header(0x03, 0, fields) + "\x1A";
    writeFile(table, empty);
    const QString csv = dir.file(QStringLiteral("w.csv"));
    writeFile(csv, (QStringLiteral("Kabel,85444290,00,0000,,0,DE,05\n\"kurz\n") + QString(61, QLatin1Char('x'))
                    + QStringLiteral("\",85444290,00,0000,,0,DE,05\n"))
                       .toUtf8());
    const auto r = runCli({QStringLiteral("goods"), QStringLiteral("import"), csv, QStringLiteral("--table"), table});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.err), QStringLiteral("Zeile 2: Zeile 2 der Beschreibung ist länger als 60 Zeichen\n"
                                                       "Nichts gespeichert: 1 Zeile kann nicht übernommen werden.\n"));
    EXPECT_EQ(testsupport::readFile(table), empty);
}

TEST(MasterDataCli, GoodsImportUsesTheTableOfTheSettings)
{
    testsupport::clearSettings();
    TempDir dir;
    const QString csv = dir.file(QStringLiteral("w.csv"));
    writeFile(csv, "Kabel;85444290;00;0000;;0;DE;05\n");
    Profile::set(Settings::StammdatenDatei, dir.file(QStringLiteral("Artikel1.dbf")));
    auto r = runCli({QStringLiteral("goods"), QStringLiteral("import"), csv});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();

    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(dir.file(QStringLiteral("Artikel1.dbf"))));
    ASSERT_EQ(t.GetRecordCount(), 1);
    t.ReadRecord(1);
    QString value;
    t.GetString(1, value);
    EXPECT_EQ(value, QStringLiteral("85444290"));

    // A table of another layout is refused before anything is written.
    const QString address = dir.file(QStringLiteral("Adress1.dbf"));
    writeFile(address, dbffixture::header(0x03, 0, {{"ADRESS1", 'C', 80}}) + "\x1A");
    r = runCli({QStringLiteral("goods"), QStringLiteral("import"), csv, QStringLiteral("--table"), address});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Warentabelle"));
    EXPECT_EQ(testsupport::readFile(address).size(), 32 + 32 + 1 + 1);
    testsupport::clearSettings();
}
