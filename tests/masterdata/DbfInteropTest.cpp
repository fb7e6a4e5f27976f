// Tables exchanged with independent programs: Debian's python3-dbfread reads
// what we write, and we read what python3-dbf writes.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "TestSupport.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/CdBaseDocument.h"

using testsupport::TempDir;

namespace {

// Runs a script of this folder with its arguments; its output.
QByteArray runPython(const char* script, const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(KV_MASTERDATA_SCRIPTS "/") + QLatin1String(script)} + arguments);
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

QJsonObject readWithDbfread(const QString& table)
{
    return QJsonDocument::fromJson(runPython("read_with_dbfread.py", {table})).object();
}

} // namespace

TEST(DbfInterop, DbfreadReadsOurTables)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("ours.dbf"));
    CdBaseDocument t;
    t.AddField(QStringLiteral("name"), 'C', 20, 0);
    t.AddField(QStringLiteral("QTY"), 'N', 5, 0);
    t.AddField(QStringLiteral("PRICE"), 'N', 8, 2);
    t.AddField(QStringLiteral("OK"), 'L', 1, 0);
    t.AddField(QStringLiteral("DAY"), 'D', 8, 0);
    ASSERT_EQ(t.CreateTable(path, 0), 1);

    t.NewRecord();
    // Folded dashes and quotes, the euro as "E", U+00FF kept and U+0100
    // replaced: exactly the field's 20 bytes.
    t.SetString(0, QStringLiteral("Müller – „Zoll“ € \u00FF\u0100"));
    t.SetLong(1, 12);
    t.SetDouble(2, 3.5);
    t.SetLogical(3, true);
    t.SetDateText(4, QStringLiteral("7.3.2024"));
    ASSERT_EQ(t.WriteRecord(t.GetCurrentRecord()), 1);
    t.NewRecord();
    t.SetString(0, QStringLiteral("gelöscht"));
    t.SetLong(1, -7);
    ASSERT_EQ(t.WriteRecord(t.GetCurrentRecord()), 2);
    // A record of which only the name was set: every other field empty.
    t.NewRecord();
    t.SetString(0, QStringLiteral("Ärger"));
    ASSERT_EQ(t.WriteRecord(t.GetCurrentRecord()), 3);
    ASSERT_EQ(t.DeleteRecord(2), 1);

    const QJsonObject read = readWithDbfread(path);
    const QJsonObject expected = QJsonDocument::fromJson(R"({
        "fields": [["NAME", "C", 20, 0], ["QTY", "N", 5, 0], ["PRICE", "N", 8, 2], ["OK", "L", 1, 0], ["DAY", "D", 8, 0]],
        "records": [
            {"NAME": "Müller - \"Zoll\" E ÿ¥", "QTY": 12, "PRICE": 3.5, "OK": true, "DAY": "2024-03-07"},
            {"NAME": "Ärger", "QTY": null, "PRICE": null, "OK": null, "DAY": null}],
        "deleted": [{"NAME": "gelöscht", "QTY": -7, "PRICE": null, "OK": null, "DAY": null}]
    })").object();
    EXPECT_EQ(read, expected) << QJsonDocument(read).toJson().toStdString();
}

TEST(DbfInterop, DbfreadReadsOurGoodsTableWithItsLineBreaks)
{
    TempDir dir;
    CKestrovaneStammDaten store(dir.path());
    ASSERT_EQ(store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), 3), 0);
    ASSERT_EQ(store.Load(), 0);
    store.append({QStringLiteral("Schrauben\r\naus Stahl"), QStringLiteral("73181595"), QStringLiteral("00"),
                  QStringLiteral("0000"), QString(), QStringLiteral("0"), QStringLiteral("CN"), QStringLiteral("09")});
    ASSERT_EQ(store.Save(), 0);

    const QJsonObject read = readWithDbfread(dir.file(QStringLiteral("Artikel1.dbf")));
    const QJsonArray fields = read.value(QStringLiteral("fields")).toArray();
    ASSERT_EQ(fields.size(), 8);
    EXPECT_EQ(fields.at(0).toArray(), (QJsonArray{"WBESCH1", "C", 254, 0}));
    EXPECT_EQ(fields.at(7).toArray(), (QJsonArray{"LAND2", "C", 3, 0}));
    const QJsonArray records = read.value(QStringLiteral("records")).toArray();
    ASSERT_EQ(records.size(), 1);
    const QJsonObject r = records.at(0).toObject();
    EXPECT_EQ(r.value(QStringLiteral("WBESCH1")).toString(), QStringLiteral("Schrauben\r\naus Stahl"));
    EXPECT_EQ(r.value(QStringLiteral("WNR1")).toString(), QStringLiteral("73181595"));
    EXPECT_EQ(r.value(QStringLiteral("WNR4")).toString(), QString());
    EXPECT_EQ(r.value(QStringLiteral("LAND2")).toString(), QStringLiteral("09"));
}

TEST(DbfInterop, WeReadWhatTheDbfPackageWrote)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("theirs.dbf"));
    runPython("write_with_dbf.py", {path});

    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path, true)) << t.errorMessage().toStdString();
    ASSERT_EQ(t.GetFieldCount(), 5);
    QString name;
    char type = 0;
    int length = 0, decimals = 0;
    EXPECT_EQ(t.GetFieldInfo(2, name, type, length, decimals), 2);
    EXPECT_EQ(name, QStringLiteral("PRICE"));
    EXPECT_EQ(type, 'N');
    EXPECT_EQ(length, 8);
    EXPECT_EQ(decimals, 2);
    EXPECT_EQ(t.GetFieldInfo(5, name, type, length, decimals), -1);
    ASSERT_EQ(t.GetRecordCount(), 4);

    ASSERT_EQ(t.ReadRecord(2), 2);
    QString text;
    std::int32_t qty = 0;
    double price = 0;
    bool ok = true;
    QString day;
    t.GetString(0, text);
    t.GetLong(1, qty);
    t.GetDouble(2, price);
    t.GetLogical(3, ok);
    t.GetDate(4, day);
    EXPECT_EQ(text, QStringLiteral("Straße „Süd“"));
    EXPECT_EQ(qty, -7);
    EXPECT_DOUBLE_EQ(price, 0.25);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(day.isEmpty());
    ASSERT_EQ(t.ReadRecord(3), 3);
    EXPECT_FALSE(t.IsCurrentRecordActive());
    ASSERT_EQ(t.ReadRecord(1), 1);
    EXPECT_TRUE(t.IsCurrentRecordActive());
    t.GetDate(4, day);
    EXPECT_EQ(day, QStringLiteral("07.03.2024"));

    // The command-line dump shows the same, as the tool promises it.
    int y = 0, m = 0, d = 0;
    t.GetUpdateDate(y, m, d);
    const auto dump = testsupport::runCli({QStringLiteral("dbf"), QStringLiteral("dump"), path});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QString expected =
        QStringLiteral("{\"version\": 3, \"updated\": \"%1-%2-%3\", \"recordCount\": 4, \"fields\": ["
                       "{\"name\": \"NAME\", \"type\": \"C\", \"length\": 20, \"decimals\": 0}, "
                       "{\"name\": \"QTY\", \"type\": \"N\", \"length\": 5, \"decimals\": 0}, "
                       "{\"name\": \"PRICE\", \"type\": \"N\", \"length\": 8, \"decimals\": 2}, "
                       "{\"name\": \"OK\", \"type\": \"L\", \"length\": 1, \"decimals\": 0}, "
                       "{\"name\": \"DAY\", \"type\": \"D\", \"length\": 8, \"decimals\": 0}], \"records\": ["
                       "{\"deleted\": false, \"values\": {\"NAME\": \"Müller\", \"QTY\": 12, \"PRICE\": 3.5, \"OK\": true, \"DAY\": \"20240307\"}}, "
                       "{\"deleted\": false, \"values\": {\"NAME\": \"Straße „Süd“\", \"QTY\": -7, \"PRICE\": 0.25, \"OK\": false, \"DAY\": \"\"}}, "
                       "{\"deleted\": true, \"values\": {\"NAME\": \"gelöscht\", \"QTY\": 1, \"PRICE\": 1, \"OK\": true, \"DAY\": \"20000131\"}}, "
                       "{\"deleted\": false, \"values\": {\"NAME\": \"Ärger\", \"QTY\": 0, \"PRICE\": 0, \"OK\": false, \"DAY\": \"\"}}]}\n")
            .arg(1900 + y)
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(d, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(QString::fromUtf8(dump.out), expected);

    // The same under the German locale of the users' machines, where the C
    // library writes a decimal comma.
    ASSERT_TRUE(testsupport::GermanLocale().active());
    const auto german = testsupport::runCli({QStringLiteral("dbf"), QStringLiteral("dump"), path},
                                            {QStringLiteral("LC_ALL=") + QLatin1String(testsupport::GermanLocaleName)});
    ASSERT_EQ(german.exitCode, 0) << german.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(german.out), expected);
}

namespace {

QJsonObject readWithoutNamingTheCodePage(const QString& table)
{
    return QJsonDocument::fromJson(runPython("dbf_codepages.py", {QStringLiteral("read"), table})).object();
}

QJsonArray rows(std::initializer_list<std::pair<const char*, const char*>> records)
{
    QJsonArray out;
    for (const auto& [name, number] : records)
        out.append(QJsonArray{QString::fromUtf8(name), QString::fromUtf8(number)});
    return out;
}

} // namespace

TEST(DbfInterop, TablesOfTheDbfPackageInCp850AndCp1252AreReadAndStayTheirsAfterAnAppend)
{
    for (const char* codepage : {"cp850", "cp1252"}) {
        SCOPED_TRACE(codepage);
        TempDir dir;
        const QString path = dir.file(QStringLiteral("theirs.dbf"));
        runPython("dbf_codepages.py", {QStringLiteral("write"), QLatin1String(codepage), path});
        const char driver = testsupport::readFile(path).at(29);

        CdBaseDocument t;
        ASSERT_TRUE(t.OnOpenDocument(path));
        QString name;
        ASSERT_EQ(t.ReadRecord(1), 1);
        t.GetString(0, name);
        EXPECT_EQ(name, QStringLiteral("Müller Straße"));
        ASSERT_EQ(t.ReadRecord(2), 2);
        t.GetString(0, name);
        EXPECT_EQ(name, QStringLiteral("Äpfel, Öl"));
        ASSERT_EQ(t.NewRecord(), 3);
        t.SetString(0, QStringLiteral("Größe – Übermaß"));
        t.SetString(1, QStringLiteral("3"));
        ASSERT_EQ(t.WriteRecord(3), 3);
        t.CloseTable();

        EXPECT_EQ(testsupport::readFile(path).at(29), driver);
        const QJsonObject read = readWithoutNamingTheCodePage(path);
        const QJsonArray expected =
            rows({{"Müller Straße", "1"}, {"Äpfel, Öl", "2"}, {"Größe - Übermaß", "3"}});
        EXPECT_EQ(read[QStringLiteral("dbf")][QStringLiteral("codepage")].toString(), QLatin1String(codepage));
        EXPECT_EQ(read[QStringLiteral("dbf")][QStringLiteral("records")].toArray(), expected);
        EXPECT_EQ(read[QStringLiteral("dbfread")][QStringLiteral("encoding")].toString(), QLatin1String(codepage));
        EXPECT_EQ(read[QStringLiteral("dbfread")][QStringLiteral("records")].toArray(), expected);
    }
}

TEST(DbfInterop, OurTablesAreReadWithTheirUmlautsByReadersNotToldTheCodePage)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("ours.dbf"));
    CdBaseDocument t;
    t.AddField(QStringLiteral("NAME"), 'C', 30, 0);
    t.AddField(QStringLiteral("WNR"), 'C', 8, 0);
    ASSERT_EQ(t.CreateTable(path, 0), 1);
    t.NewRecord();
    t.SetString(0, QStringLiteral("Müller Straße"));
    t.SetString(1, QStringLiteral("1"));
    ASSERT_EQ(t.WriteRecord(1), 1);
    t.CloseTable();

    const QJsonObject read = readWithoutNamingTheCodePage(path);
    EXPECT_EQ(read[QStringLiteral("dbf")][QStringLiteral("codepage")].toString(), QStringLiteral("cp1252"));
    EXPECT_EQ(read[QStringLiteral("dbf")][QStringLiteral("records")].toArray(), rows({{"Müller Straße", "1"}}));
    EXPECT_EQ(read[QStringLiteral("dbfread")][QStringLiteral("encoding")].toString(), QStringLiteral("cp1252"));
    EXPECT_EQ(read[QStringLiteral("dbfread")][QStringLiteral("records")].toArray(), rows({{"Müller Straße", "1"}}));
}
