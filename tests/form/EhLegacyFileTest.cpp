#include <gtest/gtest.h>

#include "EhFixtures.h"
#include "TestSupport.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"

using ehfixtures::readDoc;
using testsupport::Bytes;

namespace {

QString e(int i) { return QStringLiteral("E%1").arg(i); }
QString c(int i) { return QStringLiteral("C%1").arg(i); }

// The old first-page array: "E<i>" in every entry, single-byte strings as
// the old versions wrote them, with a few chosen exceptions.
Bytes& firstPageArray(Bytes& b, const QMap<int, QByteArray>& except = {})
{
    b.count(127);
    for (int i = 0; i < 127; ++i)
        b.narrow(except.contains(i) ? except.value(i) : e(i).toLatin1());
    return b;
}

// Continuation entries "C<i>" (i counted over all pages), n entries.
Bytes& continuationArray(Bytes& b, int n, const QMap<int, QByteArray>& except = {})
{
    b.count(quint32(n));
    for (int i = 0; i < n; ++i)
        b.narrow(except.contains(i) ? except.value(i) : c(i).toLatin1());
    return b;
}

const QMap<int, QByteArray> kFirstExcept = {{78, ""}, {80, "  "}, {5, "M\xfc" "ller"}};
// Assessment bases of the three positions of page 2 (row 0, column 1 of
// each grid: old entries 64, 100, 136).
const QMap<int, QByteArray> kContExcept = {{100, "12,50 DEM"}, {136, ""}};

QByteArray file120(const char* magic, unsigned pages, int contEntries)
{
    Bytes b;
    b.ascii(magic).u16(0x77).u16(pages).u8(1).u8(9);
    firstPageArray(b, kFirstExcept);
    continuationArray(b, contEntries, kContExcept);
    return b;
}

// Defaults a user may have for new documents: they must survive in the
// fields an old file does not fill.
class DocWithDefaults : public CEinheitspapierDoc
{
public:
    void applyNewDocumentDefaults() override
    {
        store().setText(6, 1, QStringLiteral("7.3.2026"));
        store().setText(151, 1, QStringLiteral("Nr. 1"));
    }
};

} // namespace

TEST(EhLegacyFile, Version120MapsEveryOldIndex)
{
    testsupport::clearSettings();
    DocWithDefaults doc;
    ASSERT_TRUE(readDoc(doc, file120("QZN-AEForm@1.20", 2, 193 + 10)));
    const FieldStore& s = doc.store();

    const std::pair<int, int> firstPage[] = {
        {0, 0}, {2, 2}, {3, 9}, {12, 18}, {13, 21}, {14, 24}, {17, 27}, {18, 29}, {36, 47}, {37, 50},
        {55, 68}, {57, 72}, {64, 79}, {65, 86}, {76, 97}, {82, 115}, {117, 150}, {119, 103}, {120, 104},
        {121, 98}, {125, 102}};
    for (const auto& [old, field] : firstPage)
        EXPECT_EQ(s.text(field, 1), e(old)) << old << " -> " << field;
    EXPECT_EQ(s.text(11, 1), QStringLiteral("Müller"));
    // Fields the old numbering does not reach keep the new-document state.
    for (int f : {3, 4, 5, 7, 8, 19, 20, 22, 23, 28, 48, 49, 70, 71, 80, 85, 111, 112, 113, 114, 152, 153})
        EXPECT_TRUE(s.text(f, 1).isEmpty()) << f;
    EXPECT_EQ(s.text(6, 1), QStringLiteral("7.3.2026"));
    EXPECT_EQ(s.text(151, 1), QStringLiteral("Nr. 1"));
    // The short lines of old box 44 join box 44, empty ones skipped.
    EXPECT_EQ(s.text(69, 1), QStringLiteral("E56\r\nE77\r\nE79\r\nE81"));
    for (int f = 106; f <= 110; ++f)
        EXPECT_TRUE(s.text(f, 1).isEmpty()) << f;

    const std::pair<int, int> page2[] = {
        {0, 0}, {1, 9}, {2, 11}, {19, 28}, {20, 31}, {38, 49}, {39, 52}, {57, 70}, {58, 73},
        {59, 74}, {62, 77}, {63, 78}, {76, 91}, {77, 92}, {185, 200}, {192, 207}};
    for (const auto& [old, field] : page2)
        EXPECT_EQ(s.text(field, 2), c(old)) << old << " -> " << field;
    // Box 2 of the sheet repeats box 2 of the first page (no form set known).
    EXPECT_EQ(s.text(7, 2), e(3));
    EXPECT_EQ(s.text(8, 2), e(4));
    EXPECT_EQ(s.text(10, 2), e(6));
    // "Feld 42" from the assessment base and the first currency name.
    EXPECT_EQ(s.text(29, 2), QStringLiteral("C64 EUR"));
    EXPECT_EQ(s.text(50, 2), QStringLiteral("12,50 DEM"));
    EXPECT_TRUE(s.text(71, 2).isEmpty());

    // The second page stops at the first missing entry.
    EXPECT_EQ(doc.continuationPageCount(), 2);
    EXPECT_EQ(s.text(0, 3), c(193));
    EXPECT_EQ(s.text(18, 3), c(202));
    EXPECT_TRUE(s.text(19, 3).isEmpty());
    EXPECT_TRUE(s.text(207, 3).isEmpty());

    for (int p : {2, 3}) {
        for (int f = 0; f < 214; ++f) {
            const bool small = f == 7 || f == 8 || f == 28 || f == 49 || f == 70;
            EXPECT_EQ(s.attr(f, p) & 0xFF, small ? 1 : 2) << p << '/' << f;
        }
    }
    EXPECT_EQ(s.attr(0, 1), 3);
    EXPECT_TRUE(doc.inputTax());
    EXPECT_EQ(doc.formSet(), -1);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.legacy().firstPage.isEmpty());
    EXPECT_TRUE(doc.legacy().continuation.isEmpty());
}

TEST(EhLegacyFile, CurrencyNamesComeFromTheSettings)
{
    testsupport::clearSettings();
    Profile::set(Settings::WSymbol0, QStringLiteral("CHF"));
    CEinheitspapierDoc doc;
    ASSERT_TRUE(readDoc(doc, file120("QZN-AEForm@1.41", 1, 193)));
    EXPECT_EQ(doc.store().text(29, 2), QStringLiteral("C64 CHF"));
    EXPECT_EQ(doc.store().text(50, 2), QStringLiteral("12,50 DEM"));
    testsupport::clearSettings();
}

TEST(EhLegacyFile, Versions150And151CarryTheFormSet)
{
    Bytes b150;
    b150.ascii("QZN-AEForm@1.50").u16(0).u16(1).u8(0).u8(0).u32(11);
    firstPageArray(b150);
    continuationArray(b150, 193);
    CEinheitspapierDoc doc150;
    ASSERT_TRUE(readDoc(doc150, b150));
    EXPECT_EQ(doc150.formSet(), 3);
    EXPECT_FALSE(doc150.inputTax());
    // With a known form set, box 2 of the sheet repeats box 8.
    EXPECT_EQ(doc150.store().text(7, 2), e(11));
    EXPECT_EQ(doc150.store().text(8, 2), e(12));

    Bytes b151;
    b151.ascii("QZN-AEForm@1.51").u16(0).u16(1).u8(1).u8(0).u8(3).u8(0xFF).u8(1).u8(2).u32(7);
    firstPageArray(b151);
    continuationArray(b151, 193);
    CEinheitspapierDoc doc151;
    ASSERT_TRUE(readDoc(doc151, b151));
    EXPECT_EQ(doc151.formSet(), 1);
    EXPECT_TRUE(doc151.inputTax());
    EXPECT_EQ(doc151.store().text(0, 1), e(0));
    EXPECT_EQ(doc151.store().text(0, 2), c(0));

    // An unknown code marks an export document.
    Bytes bx;
    bx.ascii("QZN-AEForm@1.50").u16(0).u16(1).u8(0).u8(0).u32(4);
    firstPageArray(bx);
    continuationArray(bx, 0);
    CEinheitspapierDoc docx;
    ASSERT_TRUE(readDoc(docx, bx));
    EXPECT_EQ(docx.formSet(), 5);
    EXPECT_EQ(docx.continuationPageCount(), 1);
}

TEST(EhLegacyFile, Version110DistributesItsSingleArray)
{
    // 127 first-page entries, then 193 per continuation page; the third page
    // holds nothing and is dropped.
    Bytes b;
    b.ascii("QZN-AEForm@1.10").u16(1).u16(0);
    const int n = 127 + 3 * 193;
    b.count(n);
    for (int i = 0; i < n; ++i) {
        QByteArray t;
        if (i < 127)
            t = e(i).toLatin1();
        else if (i < 127 + 193 || i == 127 + 193 + 58)
            t = c(i - 127).toLatin1();
        b.narrow(t);
    }
    CEinheitspapierDoc doc;
    ASSERT_TRUE(readDoc(doc, b));
    EXPECT_TRUE(doc.inputTax());
    EXPECT_EQ(doc.continuationPageCount(), 2);
    EXPECT_EQ(doc.store().text(0, 1), e(0));
    EXPECT_EQ(doc.store().text(98, 1), e(121));
    EXPECT_EQ(doc.store().text(0, 2), c(0));
    EXPECT_EQ(doc.store().text(207, 2), c(192));
    EXPECT_EQ(doc.store().text(73, 3), c(193 + 58));
    EXPECT_TRUE(doc.isModified());

    // A short array still gives one continuation page.
    Bytes small;
    small.ascii("QZN-AEForm@1.10").u16(0).u16(0).count(2).narrow("a").narrow("b");
    CEinheitspapierDoc doc2;
    ASSERT_TRUE(readDoc(doc2, small));
    EXPECT_EQ(doc2.continuationPageCount(), 1);
    EXPECT_EQ(doc2.store().text(1, 1), QStringLiteral("b"));
}

TEST(EhLegacyFile, HeaderPagesAreBoundByTheArraysAndCutFilesFail)
{
    // The header claims 200 pages, the array holds one.
    CEinheitspapierDoc doc;
    ASSERT_TRUE(readDoc(doc, file120("QZN-AEForm@1.20", 200, 193)));
    EXPECT_EQ(doc.continuationPageCount(), 1);

    const QByteArray complete = file120("QZN-AEForm@1.20", 1, 193);
    for (qsizetype cut : {qsizetype(16), qsizetype(21), qsizetype(25), qsizetype(400), complete.size() - 1}) {
        CEinheitspapierDoc d;
        EXPECT_FALSE(readDoc(d, complete.left(cut))) << cut;
        EXPECT_FALSE(d.isModified());
        EXPECT_TRUE(d.store().text(0, 1).isEmpty());
    }
    const QByteArray v110 = Bytes().ascii("QZN-AEForm@1.10").u16(0).u16(0).count(3).narrow("a");
    CEinheitspapierDoc d110;
    EXPECT_FALSE(readDoc(d110, v110));
}
