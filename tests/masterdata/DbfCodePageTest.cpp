// Code pages of tables: text read and written in the character set header
// byte 29 names, and a foreign table's header bytes kept when we write to it.
#include <gtest/gtest.h>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/CdBaseDocument.h"
#include "masterdata/DbfText.h"

using dbffixture::Field;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

const QList<Field> kName = {{"NAME", 'C', 20}};

// A one-record table with the given driver byte and name bytes.
QByteArray tableWithDriver(std::uint8_t driver, const QByteArray& name)
{
    QByteArray bytes = dbffixture::header(0x03, 1, kName) + dbffixture::record(kName, {name}) + "\x1A";
    bytes[29] = char(driver);
    return bytes;
}

QString readName(const QString& path)
{
    CdBaseDocument t;
    if (!t.OnOpenDocument(path, true) || t.ReadRecord(1) != 1)
        return QStringLiteral("<nicht lesbar>");
    QString name;
    t.GetString(0, name);
    return name;
}

} // namespace

TEST(DbfCodePage, TextIsReadInTheCodePageTheTableNames)
{
    struct Case {
        std::uint8_t driver;
        QByteArray bytes;
        QString expected;
    };
    const QList<Case> cases = {
        {0x01, "Gr\x94\xE1" "e \x8E \x9D", QStringLiteral("Größe Ä ¥")},          // DOS 437
        {0x02, "Gr\x94\xE1" "e \x8E \x9D", QStringLiteral("Größe Ä Ø")},          // DOS 850
        {0x03, "Gr\xF6\xDF" "e \x80 \x9A", QStringLiteral("Größe € š")},          // Windows ANSI
        {0x57, "Gr\xF6\xDF" "e \x80", QStringLiteral("Größe €")},                 // ANSI
        {0x64, "\x9D\xA2" "d\xAB \x8E", QStringLiteral("Łódź Ä")},                // DOS 852
        {0xC8, "\xA3\xF3" "d\x9F \xC4", QStringLiteral("Łódź Ä")},                // Windows-1250
        {0x00, "Gr\xF6\xDF" "e \x80", QStringLiteral("Größe €")},                 // none named
        {0x26, "Gr\xF6\xDF" "e \x80", QStringLiteral("Größe €")},                 // one we do not know
    };
    TempDir dir;
    const QString path = dir.file(QStringLiteral("t.dbf"));
    for (const Case& c : cases) {
        writeFile(path, tableWithDriver(c.driver, c.bytes));
        EXPECT_EQ(readName(path), c.expected) << "driver " << int(c.driver);
    }
}

TEST(DbfCodePage, WritingIntoAForeignTableUsesItsCodePageAndKeepsItsHeaderBytes)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("dos.dbf"));
    QByteArray bytes = tableWithDriver(0x02, "Gr\x94\xE1" "e");
    // What the other program keeps in the bytes we do not use: its own
    // marks in the prefix and the field's offset in the descriptor.
    for (int i = 12; i < 32; ++i) {
        if (i != 29)
            bytes[i] = char(0x40 + i);
    }
    bytes[32 + 12] = '\x01';
    bytes[32 + 20] = '\x7F';
    writeFile(path, bytes);

    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    EXPECT_EQ(t.GetLanguageDriver(), 0x02);
    ASSERT_EQ(t.NewRecord(), 2);
    // In DOS 850: umlauts by their own codes, dashes and quotes folded, the
    // euro sign as "E", and what the code page lacks as its yen sign.
    EXPECT_EQ(t.SetString(0, QStringLiteral("Öl – „Ä“ € Œ")), 0);
    ASSERT_EQ(t.WriteRecord(2), 2);
    ASSERT_EQ(t.ReadRecord(1), 1);
    EXPECT_EQ(t.SetString(0, QStringLiteral("Maß")), 0);
    ASSERT_EQ(t.WriteRecord(1), 1);

    const QByteArray file = readFile(path);
    EXPECT_EQ(file.mid(12, 20), bytes.mid(12, 20));
    EXPECT_EQ(file.mid(32, 33), bytes.mid(32, 33));
    EXPECT_EQ(quint8(file[4]), 2);
    const int first = 32 + 32 + 1;
    EXPECT_EQ(file.mid(first + 1, 20), QByteArray("Ma\xE1").leftJustified(20, ' '));
    EXPECT_EQ(file.mid(first + 22, 20), QByteArray("\x99l - \"\x8E\" E \xBE").leftJustified(20, ' '));
    EXPECT_EQ(readName(path), QStringLiteral("Maß"));

    // A code page without a yen sign puts "?" for what it cannot hold.
    writeFile(path, tableWithDriver(0x64, "x"));
    CdBaseDocument central;
    ASSERT_TRUE(central.OnOpenDocument(path));
    ASSERT_EQ(central.ReadRecord(1), 1);
    EXPECT_EQ(central.SetString(0, QStringLiteral("Łódź Œ")), 0);
    ASSERT_EQ(central.WriteRecord(1), 1);
    EXPECT_EQ(readFile(path).mid(first + 1, 6), QByteArray("\x9D\xA2" "d\xAB ?"));
}

TEST(DbfCodePage, GoodsThatTheTablesCodePageCannotHoldAreRefusedBeforeAnythingIsWritten)
{
    // "Œ" is a Windows-1252 letter but none of DOS 850: the record would
    // lose it, so the store refuses the record instead.
    TempDir dir;
    QList<Field> fields;
    for (const char* name : {"WBESCH1", "WNR1", "WNR2", "WNR3", "WNR4", "WNR5", "LAND1", "LAND2"})
        fields.append({name, 'C', 0});
    const int widths[8] = {254, 8, 2, 4, 4, 1, 3, 3};
    for (int k = 0; k < 8; ++k)
        fields[k].length = widths[k];
    QByteArray bytes = dbffixture::header(0x03, 0, fields) + "\x1A";
    bytes[29] = '\x02';
    const QString path = dir.file(QStringLiteral("Artikel1.dbf"));
    writeFile(path, bytes);

    CKestrovaneStammDaten store(dir.path());
    store.SetFile(dir.path(), QStringLiteral("Artikel1.dbf"), CKestrovaneStammDaten::KindCurrent);
    ASSERT_EQ(store.Load(), 0);
    store.append({QStringLiteral("Œuvre"), QStringLiteral("1"), {}, {}, {}, {}, {}, {}});
    EXPECT_EQ(store.Save(), -1);
    EXPECT_EQ(store.errorMessage(), QStringLiteral("Der Datensatz kann nicht gespeichert werden: WBESCH1 enthält "
                                                   "Zeichen, die die Warentabelle nicht speichern kann."));
    EXPECT_EQ(readFile(path), bytes);

    store.setValues(0, {QStringLiteral("Größe"), QStringLiteral("1"), {}, {}, {}, {}, {}, {}});
    ASSERT_EQ(store.Save(), 0);
    EXPECT_EQ(readFile(path).mid(bytes.size(), 6), QByteArray("Gr\x94\xE1" "e "));
}

TEST(DbfCodePage, LongTextsAreDecodedWhereverTheirSpecialCharactersStand)
{
    // Long texts are decoded many bytes at a time: a special character at
    // any place, or in the short rest at the end, comes out as in a short
    // text.
    const DbfCodePage& ansi = DbfCodePage::windowsAnsi();
    const DbfCodePage& dos = DbfCodePage::forDriver(0x02);
    for (int at = 0; at < 40; ++at) {
        QByteArray bytes(40, 'a');
        QString expected(40, QLatin1Char('a'));
        bytes[at] = '\x80';
        expected[at] = QChar(0x20AC);
        EXPECT_EQ(ansi.decode(bytes), expected) << at;
        bytes[at] = '\xE4';
        expected[at] = QChar(0x00E4);
        EXPECT_EQ(ansi.decode(bytes), expected) << at;
        bytes[at] = '\x94';
        expected[at] = QChar(0x00F6);
        EXPECT_EQ(dos.decode(bytes), expected) << at;
    }

    // A field's text ends at its first NUL and loses its trailing white
    // space, however long the padding is.
    const QByteArray blanks(20, ' ');
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const QList<Case> cases = {
        {"Schrauben" + blanks + blanks, QStringLiteral("Schrauben")},
        {"ab\t\r\n\v\f" + blanks, QStringLiteral("ab")},
        {blanks + blanks, QString()},
        {QByteArray("ab  \0cd", 7) + blanks, QStringLiteral("ab")},
        {"x" + blanks + QByteArray(1, '\0') + blanks, QStringLiteral("x")},
        {QByteArray("\0abc", 4), QString()},
        {"a" + QByteArray(7, ' ') + "b" + blanks, QStringLiteral("a       b")},
        {blanks + "\xE4", QString(blanks) + QChar(0x00E4)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dbftext::decodeField(c.bytes), c.text) << c.bytes.toStdString();
        char16_t out[64];
        const char16_t* end = dbftext::decodeField(c.bytes, ansi, out);
        EXPECT_EQ(QStringView(out, end - out), c.text);
    }
}
