// Field values of the current record: every type, its result codes, dates
// and the single-byte text of the table.
#include <gtest/gtest.h>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "masterdata/CdBaseDocument.h"
#include "masterdata/DbfText.h"

using dbffixture::Field;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

const QList<Field> kFields = {
    {"CODE", 'C', 8}, {"QTY", 'N', 5}, {"PRICE", 'N', 8, 2}, {"OK", 'L', 1}, {"DAY", 'D', 8}, {"FLAG", 'L', 1, 1},
};

// A table with one record holding the given field texts, opened.
class TableWith
{
public:
    explicit TableWith(const QList<QByteArray>& values)
    {
        path = dir.file(QStringLiteral("f.dbf"));
        writeFile(path, dbffixture::header(0x03, 1, kFields) + dbffixture::record(kFields, values) + "\x1A");
        EXPECT_TRUE(table.OnOpenDocument(path));
        EXPECT_EQ(table.ReadRecord(1), 1);
    }
    // The bytes of field k of record 1 as the file holds them.
    QByteArray stored(int k) const
    {
        int offset = 65 + 32 * 5 + 1;
        for (int i = 0; i < k; ++i)
            offset += kFields[i].length;
        return readFile(path).mid(offset, kFields[k].length);
    }

    TempDir dir;
    QString path;
    CdBaseDocument table;
};

} // namespace

TEST(DbfFields, TooLongValueIsRefusedAndTheOldValueKept)
{
    TableWith t({"ALT"});
    EXPECT_EQ(t.table.SetString(0, QStringLiteral("12345678")), 0);
    EXPECT_EQ(t.table.SetString(0, QStringLiteral("123456789")), CdBaseDocument::TooLong);
    QString value;
    t.table.GetString(0, value);
    EXPECT_EQ(value, QStringLiteral("12345678"));
    // Trailing blanks are padding anyway and do not count.
    EXPECT_EQ(t.table.SetString(0, QStringLiteral("abc       ")), 0);
    EXPECT_EQ(t.table.SetLong(1, 123456), CdBaseDocument::TooLong);
    EXPECT_EQ(t.table.SetDouble(2, 123456.5), CdBaseDocument::TooLong);
    t.table.WriteRecord(1);
    EXPECT_EQ(t.stored(0), QByteArray("abc     "));
    EXPECT_EQ(t.stored(1), QByteArray("     "));
}

TEST(DbfFields, ResultCodesForMissingRecordAndWrongType)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("f.dbf"));
    writeFile(path, dbffixture::header(0x03, 1, kFields) + dbffixture::record(kFields, {"X"}) + "\x1A");
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    QString text;
    EXPECT_EQ(t.GetString(0, text), CdBaseDocument::NoCurrentRecord);
    EXPECT_EQ(t.SetString(0, QStringLiteral("x")), CdBaseDocument::NoCurrentRecord);
    ASSERT_EQ(t.ReadRecord(1), 1);
    std::int32_t n = 0;
    bool b = false;
    double d = 0;
    EXPECT_EQ(t.GetString(1, text), CdBaseDocument::WrongType);
    EXPECT_EQ(t.GetLong(0, n), CdBaseDocument::WrongType);
    EXPECT_EQ(t.SetLogical(4, true), CdBaseDocument::WrongType);
    EXPECT_EQ(t.SetDate(0, 1, 1, 2000), CdBaseDocument::WrongType);
    EXPECT_EQ(t.GetLong(2, n), CdBaseDocument::HasDecimals);
    EXPECT_EQ(t.SetLong(2, 1), CdBaseDocument::HasDecimals);
    EXPECT_EQ(t.SetDouble(1, 1.5), CdBaseDocument::NoDecimals);
    EXPECT_EQ(t.GetLogical(5, b), CdBaseDocument::LogicalDecimals);
    EXPECT_EQ(t.GetDouble(1, d), 0);
    // A field position the table does not have is refused like a wrong type.
    EXPECT_EQ(t.GetString(42, text), CdBaseDocument::WrongType);
    EXPECT_EQ(t.SetString(-1, text), CdBaseDocument::WrongType);
}

TEST(DbfFields, NumbersAreRightAlignedAndReadLikeTheCLibraryWould)
{
    TableWith t({"", "  -12", " 1.5e2xyz"});
    std::int32_t n = 0;
    EXPECT_EQ(t.table.GetLong(1, n), 0);
    EXPECT_EQ(n, -12);
    EXPECT_EQ(t.table.GetLongValue(1), -12);
    double d = 0;
    EXPECT_EQ(t.table.GetDouble(2, d), 0);
    EXPECT_DOUBLE_EQ(d, 150.0);

    // Written and read numbers never depend on the process locale, which is
    // German on the users' machines.
    {
        testsupport::GermanLocale german;
        ASSERT_TRUE(german.active()) << "locale " << testsupport::GermanLocaleName << " missing";
        EXPECT_EQ(t.table.SetLong(1, 42), 0);
        EXPECT_EQ(t.table.SetDouble(2, 3.14159), 0);
        t.table.WriteRecord(1);
        EXPECT_EQ(t.stored(1), QByteArray("   42"));
        EXPECT_EQ(t.stored(2), QByteArray("    3.14"));
        EXPECT_EQ(t.table.GetDouble(2, d), 0);
        EXPECT_DOUBLE_EQ(d, 3.14);
        // Two decimals as "%.2f" rounds them: from the exact binary value, an
        // exact half to the even neighbour.
        const std::pair<double, const char*> rounded[] = {
            {2.675, "    2.67"}, {0.125, "    0.12"}, {0.375, "    0.38"}, {-1.005, "   -1.00"}, {99999.995, "99999.99"}};
        for (const auto& [value, text] : rounded) {
            EXPECT_EQ(t.table.SetDouble(2, value), 0) << value;
            t.table.WriteRecord(1);
            EXPECT_EQ(t.stored(2), QByteArray(text)) << value;
        }
    }

    std::uint16_t s = 0;
    EXPECT_EQ(t.table.SetShort(1, 65535), 0);
    EXPECT_EQ(t.table.GetShort(1, s), 0);
    EXPECT_EQ(s, 65535);
    EXPECT_EQ(t.table.SetLong(1, 65536), 0);
    EXPECT_EQ(t.table.GetShort(1, s), CdBaseDocument::NotShort);
    EXPECT_EQ(t.table.SetLong(1, -1), 0);
    EXPECT_EQ(t.table.GetShort(1, s), CdBaseDocument::NotShort);

    // Blank, signs only and text give 0; nothing reads as infinite.
    for (const char* text : {"     ", "  -  ", "abc", "inf", "nan"}) {
        TableWith u({"", text, QByteArray(text).rightJustified(8, ' ')});
        EXPECT_EQ(u.table.GetLongValue(1), 0) << text;
        u.table.GetDouble(2, d);
        EXPECT_EQ(d, 0.0) << text;
    }
}

TEST(DbfFields, LogicalValues)
{
    bool b = true;
    for (const char* yes : {"J", "j", "T", "t"}) {
        TableWith t({"", "", "", yes});
        EXPECT_EQ(t.table.GetLogical(3, b), 0);
        EXPECT_TRUE(b) << yes;
    }
    for (const char* no : {"N", "n", "F", " ", "?", "Y"}) {
        TableWith t({"", "", "", no});
        EXPECT_EQ(t.table.GetLogical(3, b), 0);
        EXPECT_FALSE(b) << no;
    }
    TableWith t({});
    t.table.SetLogical(3, true);
    t.table.WriteRecord(1);
    EXPECT_EQ(t.stored(3), QByteArray("T"));
    t.table.SetLogical(3, false);
    t.table.WriteRecord(1);
    EXPECT_EQ(t.stored(3), QByteArray("F"));
}

TEST(DbfFields, DatesAreStoredAsDigitsOrBlanks)
{
    TableWith t({"", "", "", "", "20090201"});
    QString date;
    QByteArray raw;
    EXPECT_EQ(t.table.GetDate(4, date), 0);
    EXPECT_EQ(date, QStringLiteral("01.02.2009"));
    EXPECT_EQ(t.table.GetDateRaw(4, raw), 0);
    EXPECT_EQ(raw, QByteArray("20090201"));
    EXPECT_EQ(t.table.GetDateText(4, raw), 0);
    EXPECT_EQ(raw, QByteArray("01.02.2009"));

    EXPECT_EQ(t.table.SetDateText(4, QStringLiteral("31.13.2005")), CdBaseDocument::InvalidDate);
    // Other readers refuse a whole table over an impossible day.
    EXPECT_EQ(t.table.SetDateText(4, QStringLiteral("31.2.2024")), CdBaseDocument::InvalidDate);
    EXPECT_EQ(t.table.SetDateText(4, QStringLiteral("1.1.1899")), CdBaseDocument::InvalidDate);
    EXPECT_EQ(t.table.SetDate(4, 1, 13, 2005), CdBaseDocument::InvalidDate);
    EXPECT_EQ(t.table.GetDate(4, date), 0);
    EXPECT_EQ(date, QStringLiteral("01.02.2009"));

    EXPECT_EQ(t.table.SetDateText(4, QStringLiteral("7.3.2024")), 0);
    t.table.WriteRecord(1);
    EXPECT_EQ(t.stored(4), QByteArray("20240307"));
    EXPECT_EQ(t.table.SetDateText(4, QString()), 0);
    t.table.WriteRecord(1);
    EXPECT_EQ(t.stored(4), QByteArray(8, ' '));
    EXPECT_EQ(t.table.GetDate(4, date), 0);
    EXPECT_TRUE(date.isEmpty());
    EXPECT_EQ(t.table.GetDateText(4, raw), 0);
    EXPECT_EQ(raw, QByteArray("00.00.0000"));
    EXPECT_EQ(t.table.SetDate(4, 0, 5, 2020), 0);
    EXPECT_EQ(t.table.GetDateRaw(4, raw), 0);
    EXPECT_EQ(raw, QByteArray(8, ' '));
}

TEST(DbfFields, DatesAtTheEdgesOfTheCalendar)
{
    TableWith t({"", "", "", "", "20090201"});
    const std::pair<const char*, QByteArray> accepted[] = {
        {"1.1.1900", "19000101"}, {"29.2.2024", "20240229"}, {"29.2.2000", "20000229"}, {"31.12.9999", "99991231"}};
    for (const auto& [text, stored] : accepted) {
        EXPECT_EQ(t.table.SetDateText(4, QString::fromLatin1(text)), 0) << text;
        t.table.WriteRecord(1);
        EXPECT_EQ(t.stored(4), stored) << text;
    }
    EXPECT_EQ(t.table.SetDate(4, 1, 1, 1900), 0);
    t.table.WriteRecord(1);
    EXPECT_EQ(t.stored(4), QByteArray("19000101"));
    QString date;
    EXPECT_EQ(t.table.GetDate(4, date), 0);
    EXPECT_EQ(date, QStringLiteral("01.01.1900"));

    // Days the calendar does not have, and years before 1900, keep the old value.
    for (const char* text : {"29.2.2023", "29.2.1900", "31.12.1899", "31.4.2024", "1.1.10000"})
        EXPECT_EQ(t.table.SetDateText(4, QString::fromLatin1(text)), CdBaseDocument::InvalidDate) << text;
    EXPECT_EQ(t.table.SetDate(4, 29, 2, 2023), CdBaseDocument::InvalidDate);
    EXPECT_EQ(t.table.SetDate(4, 31, 12, 1899), CdBaseDocument::InvalidDate);
    t.table.WriteRecord(1);
    EXPECT_EQ(t.stored(4), QByteArray("19000101"));
}

TEST(DbfFields, NormaliseDate)
{
    const QList<std::pair<const char*, const char*>> cases = {
        {"1.2.2009", "01.02.2009"}, {"01.02.2009", "01.02.2009"}, {" 5. 6.2010", "05.06.2010"},
        {"1.2", ""},                {"0.5.2000", ""},             {"1.-1.2000", ""},
        {"", ""},                   {"x.y.z", ""},                {"3.4.99", "03.04.0099"},
    };
    for (const auto& [in, out] : cases) {
        QString text = QString::fromLatin1(in);
        CdBaseDocument::NormaliseDate(text);
        EXPECT_EQ(text, QString::fromLatin1(out)) << in;
    }
}

TEST(DbfFields, TextIsStoredInTheTablesSingleByteCharacters)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("t.dbf"));
    CdBaseDocument t;
    t.AddField(QStringLiteral("TEXT"), 'C', 40, 0);
    ASSERT_EQ(t.CreateTable(path, 0), 1);
    ASSERT_EQ(t.NewRecord(), 1);
    // Latin-1 as is; dashes, quotes and the euro folded; the rest 0xA5, one
    // byte per character even outside the 16-bit range.
    const QString text = QStringLiteral("Müß – ‒—―‘’‚‛“”„‟″‴ € ™漢😀");
    ASSERT_EQ(t.SetString(0, text), 0);
    ASSERT_EQ(t.WriteRecord(1), 1);
    const QByteArray expected = QByteArray("M\xFC\xDF - ---''''\"\"\"\"\"\" E \xA5\xA5\xA5");
    EXPECT_EQ(readFile(path).mid(33 + 32 + 1, expected.size()), expected);

    // The last code kept as it is and the first one replaced: U+00FF is the
    // byte 0xFF, U+0100 the replacement 0xA5, and neither ends the text.
    ASSERT_EQ(t.SetString(0, QStringLiteral("a\u00FF\u0100b")), 0);
    ASSERT_EQ(t.WriteRecord(1), 1);
    EXPECT_EQ(readFile(path).mid(33 + 32 + 1, 40), QByteArray("a\xFF\xA5" "b").leftJustified(40, ' '));
    QString stored;
    t.GetString(0, stored);
    EXPECT_EQ(stored, QStringLiteral("a\u00FF\u00A5b"));
    EXPECT_TRUE(dbftext::isRepresentable(QStringLiteral("\u00FF")));
    EXPECT_FALSE(dbftext::isRepresentable(QStringLiteral("\u0100")));

    // Reading decodes Windows-1252 and drops trailing blanks and NUL padding.
    ASSERT_EQ(t.SetStringBytes(0, QByteArray("\x80 \x84Zoll\x93 \xE4  ")), 0);
    QString back;
    t.GetString(0, back);
    EXPECT_EQ(back, QStringLiteral("€ „Zoll“ ä"));
    ASSERT_EQ(t.SetStringBytes(0, QByteArray("Ab\0\0\0cd", 7)), 0);
    t.GetString(0, back);
    EXPECT_EQ(back, QStringLiteral("Ab"));
}

TEST(DbfFields, DirtyRecordIsWrittenBeforeMovingOnAndAutoWriteWritesAtOnce)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("t.dbf"));
    const QList<Field> fields = {{"NAME", 'C', 4}};
    writeFile(path, dbffixture::header(0x03, 2, fields) + dbffixture::record(fields, {"a"})
                        + dbffixture::record(fields, {"b"}) + "\x1A");
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    t.ReadRecord(1);
    t.SetString(0, QStringLiteral("neu"));
    EXPECT_EQ(readFile(path).mid(66, 4), QByteArray("a   "));
    t.ReadRecord(2);
    EXPECT_EQ(readFile(path).mid(66, 4), QByteArray("neu "));

    t.SetAutoWrite(true);
    t.SetString(0, QStringLiteral("auto"));
    EXPECT_EQ(readFile(path).mid(71, 4), QByteArray("auto"));
}
