#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>

#include "DV1Fixtures.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1File.h"

using namespace dv1fixtures;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

DV1File::ReadResult readBytes(QByteArray data, CDV1_Doc& doc)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return DV1File::read(&buffer, doc);
}

// A document that carries something, to see whether a read replaced it.
CDV1_Doc markedDoc()
{
    CDV1_Doc doc;
    doc.fieldStore().setText(0, 1, QStringLiteral("vorher"));
    doc.ClickAnswerBox(3);
    return doc;
}

void expectNewDocument(const CDV1_Doc& doc)
{
    EXPECT_EQ(doc.pageCount(), 2);
    EXPECT_TRUE(doc.fieldStore().text(0, 1).isEmpty());
    EXPECT_EQ(doc.fieldStore().firstPageFieldCount(), 12);
    EXPECT_EQ(doc.fieldStore().continuationFieldCount(), 61);
    for (std::uint8_t box : doc.answerBoxes())
        EXPECT_EQ(box, 0);
}

bool sameContent(const CDV1_Doc& a, const CDV1_Doc& b)
{
    const FieldStore& x = a.fieldStore();
    const FieldStore& y = b.fieldStore();
    return x.firstTexts() == y.firstTexts() && x.firstWords() == y.firstWords()
        && x.continuationTexts() == y.continuationTexts() && x.continuationWords() == y.continuationWords()
        && x.pageWord() == y.pageWord() && a.answerBoxes() == b.answerBoxes();
}

// A 1.01 file of three pages: first-page texts "S0".."S11", continuation
// texts "a0".."a55" and "b0".."b55" in the 56-text layout.
QByteArray threePages101()
{
    Bytes b;
    b.ascii("QZN-DV1Form@1.01").u16(3);
    narrowArray(b, numbered("S", 12));
    narrowArray(b, numbered("a", 56) + numbered("b", 56));
    b.count(14).raw(QByteArray::fromHex("0100000101000000000000000001"));
    return b;
}

} // namespace

TEST(DV1File, ShortFilesOpenAsNewDocuments)
{
    for (const QByteArray& data : {QByteArray(), QByteArray("QZN-DV1Form@3.0")}) {
        CDV1_Doc doc = markedDoc();
        ASSERT_EQ(readBytes(data, doc), DV1File::ReadResult::Ok);
        EXPECT_EQ(doc.loadStatus(), 0);
        expectNewDocument(doc);
    }
}

TEST(DV1File, VersionRulesGiveTheirLoadStatus)
{
    struct Case {
        QByteArray head;
        int status;
    };
    const QList<Case> cases = {
        {"QZN-EHForm@2.10x", 18},
        {"qzn-DV1Form@3.00", 18},
        {"QZN-DV1Form@4.00", 19},
        {"QZN-DV1Form@2.99", 19},
        {"QZN-DV1Form@1.20", 19},
        {"QZN-DV1Form@3.10", 20},
        {"QZN-DV1Form@3.0 ", 20},
        {Bytes().ascii("QZN-DV1Form@3.00").u16(299), 19},
        {Bytes().ascii("QZN-DV1Form@3.00").u16(301), 20},
        {Bytes().ascii("QZN-DV1Form@3.00").u16(0xFFFF), 20},
    };
    for (const Case& c : cases) {
        // The rest of a refused file is never read, however damaged it is.
        CDV1_Doc doc = markedDoc();
        ASSERT_EQ(readBytes(c.head + QByteArray(3, char(0xFF)), doc), DV1File::ReadResult::Ok) << c.head.constData();
        EXPECT_EQ(doc.loadStatus(), c.status) << c.head.constData();
        expectNewDocument(doc);
        EXPECT_FALSE(CDV1_Doc::LoadStatusMessage(c.status).isEmpty());
    }
    EXPECT_EQ(CDV1_Doc::LoadStatusMessage(20),
              QStringLiteral("Dies ist ein Dokument einer neueren Version\nund kann nicht geöffnet werden!"));
}

TEST(DV1File, ReadsVersion300)
{
    Bytes b = header300();
    QList<QString> first = numberedWide("F", 12);
    first[3] = QStringLiteral("Zeile 1\r\nZeile 2  ");
    fieldBlock(b, first, numberedWide("c", 122), 3);
    b.count(14).raw(QByteArray::fromHex("0001010000000000000000000100")).u8(0x40);

    CDV1_Doc doc;
    ASSERT_EQ(readBytes(b, doc), DV1File::ReadResult::Ok);
    EXPECT_EQ(doc.loadStatus(), 0);
    EXPECT_EQ(doc.pageCount(), 3);
    const FieldStore& s = doc.fieldStore();
    EXPECT_EQ(s.text(0, 1), QStringLiteral("F0"));
    EXPECT_EQ(s.text(3, 1), QStringLiteral("Zeile 1\r\nZeile 2"));
    EXPECT_EQ(s.text(60, 2), QStringLiteral("c60"));
    EXPECT_EQ(s.text(0, 3), QStringLiteral("c61"));
    EXPECT_EQ(s.attr(11, 1), 0x13);
    EXPECT_EQ(s.attr(60, 3), 0x104);
    const CDV1_Doc::AnswerBoxes boxes{0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(doc.answerBoxes(), boxes);
}

TEST(DV1File, AnswerBoxListsOfAnotherCountBecomeFourteen)
{
    for (int n : {0, 3, 20}) {
        Bytes b = header300();
        fieldBlock(b, numberedWide("F", 12), numberedWide("c", 61), 2);
        b.count(quint32(n)).fill(n, 1).u8(0x40);
        CDV1_Doc doc;
        ASSERT_EQ(readBytes(b, doc), DV1File::ReadResult::Ok) << n;
        for (int box = 0; box < 14; ++box)
            EXPECT_EQ(doc.answerBox(box), box < n) << n << " " << box;
    }
}

TEST(DV1File, ForeignFieldBlockStopsReadingWithoutAMessage)
{
    Bytes b = header300();
    b.u16(0x1207).u16(2).count(14).fill(14, 1);
    CDV1_Doc doc;
    ASSERT_EQ(readBytes(b, doc), DV1File::ReadResult::Ok);
    EXPECT_EQ(doc.loadStatus(), 0);
    EXPECT_EQ(doc.fieldStore().firstPageFieldCount(), 1);
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_FALSE(doc.answerBox(0));
}

TEST(DV1File, DamagedFilesAreFormatErrorsAndLeaveTheDocument)
{
    Bytes good = header300();
    fieldBlock(good, numberedWide("F", 12), numberedWide("c", 61), 2);
    good.count(14).fill(14, 0);
    // Every cut inside the items up to the answer boxes; the end mark is not
    // needed.
    const QByteArray whole = good;
    for (qsizetype cut = 16; cut < whole.size(); ++cut) {
        CDV1_Doc doc = markedDoc();
        ASSERT_EQ(readBytes(whole.left(cut), doc), DV1File::ReadResult::FormatError) << cut;
        EXPECT_EQ(doc.fieldStore().text(0, 1), QStringLiteral("vorher"));
        EXPECT_TRUE(doc.answerBox(3));
    }
    CDV1_Doc complete;
    EXPECT_EQ(readBytes(whole, complete), DV1File::ReadResult::Ok);

    // Counts the file cannot hold.
    Bytes hugeBoxes = header300();
    fieldBlock(hugeBoxes, {}, {}, 1);
    hugeBoxes.u16(0xFFFF).u32(0x7FFFFFFF).fill(20, 0);
    Bytes hugeNames;
    hugeNames.ascii("QZN-DV1Form@3.00").u16(300).u32(0).fill(10, char(0xFF)).u16(0xFFFF).u32(0xFFFFFFF0u);
    Bytes zeroPages;
    zeroPages.ascii("QZN-DV1Form@1.01").u16(0).count(0).count(0).count(0);
    Bytes tooManyPages;
    tooManyPages.ascii("QZN-DV1Form@1.10").u16(256).count(0).count(0).count(0);
    Bytes short100;
    short100.ascii("QZN-DV1Form@1.00").count(0).count(0).fill(13, 0);
    for (const QByteArray& data : {hugeBoxes.data(), hugeNames.data(), zeroPages.data(), tooManyPages.data(), short100.data()}) {
        CDV1_Doc doc = markedDoc();
        EXPECT_EQ(readBytes(data, doc), DV1File::ReadResult::FormatError);
        EXPECT_EQ(doc.fieldStore().text(0, 1), QStringLiteral("vorher"));
    }
}

TEST(DV1File, Version101PagesAreConvertedToTheNewLayout)
{
    CDV1_Doc doc;
    ASSERT_EQ(readBytes(threePages101(), doc), DV1File::ReadResult::Ok);
    EXPECT_EQ(doc.loadStatus(), 0);
    ASSERT_EQ(doc.pageCount(), 3);
    const FieldStore& s = doc.fieldStore();
    EXPECT_EQ(s.text(0, 1), QStringLiteral("S0"));
    EXPECT_EQ(s.text(11, 1), QStringLiteral("S11"));
    for (int f = 0; f < 12; ++f)
        EXPECT_EQ(s.attr(f, 1), 0x0003) << f;
    for (int page : {2, 3}) {
        const QString p = page == 2 ? QStringLiteral("a") : QStringLiteral("b");
        EXPECT_EQ(s.text(0, page), p + QStringLiteral("0"));
        for (int f : {1, 16, 18, 20, 22})
            EXPECT_TRUE(s.text(f, page).isEmpty()) << page << " " << f;
        EXPECT_EQ(s.text(2, page), p + QStringLiteral("1"));
        EXPECT_EQ(s.text(17, page), p + QStringLiteral("15"));
        EXPECT_EQ(s.text(19, page), p + QStringLiteral("16"));
        EXPECT_EQ(s.text(21, page), p + QStringLiteral("17"));
        EXPECT_EQ(s.text(23, page), p + QStringLiteral("18"));
        EXPECT_EQ(s.text(60, page), p + QStringLiteral("55"));
        EXPECT_EQ(s.attr(0, page), 0x0003);
        EXPECT_EQ(s.attr(1, page), 0x0203);
        EXPECT_EQ(s.attr(52, page), 0x0003);
        EXPECT_EQ(s.attr(53, page), 0x0203);
    }
    const CDV1_Doc::AnswerBoxes boxes{1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(doc.answerBoxes(), boxes);
}

TEST(DV1File, Version100HasOnePageAndUncountedAnswerBoxes)
{
    Bytes b;
    b.ascii("QZN-DV1Form@1.00");
    narrowArray(b, numbered("S", 13));
    // More than one page's worth of old texts: only the first page counts.
    narrowArray(b, numbered("a", 60));
    b.raw(QByteArray::fromHex("0000000000000000000000000101"));
    CDV1_Doc doc;
    ASSERT_EQ(readBytes(b, doc), DV1File::ReadResult::Ok);
    ASSERT_EQ(doc.pageCount(), 2);
    const FieldStore& s = doc.fieldStore();
    EXPECT_EQ(s.text(11, 1), QStringLiteral("S11"));
    EXPECT_EQ(s.firstPageFieldCount(), 12);
    EXPECT_EQ(s.text(15, 2), QStringLiteral("a14"));
    EXPECT_TRUE(s.text(16, 2).isEmpty());
    EXPECT_EQ(s.text(60, 2), QStringLiteral("a55"));
    EXPECT_TRUE(doc.answerBox(12));
    EXPECT_TRUE(doc.answerBox(13));
}

TEST(DV1File, Version110KeepsItsSixtyOneTextLayout)
{
    Bytes b;
    b.ascii("QZN-DV1Form@1.10").u16(2);
    narrowArray(b, numbered("S", 5));
    narrowArray(b, numbered("a", 61));
    b.count(14).fill(14, 0);
    CDV1_Doc doc;
    ASSERT_EQ(readBytes(b, doc), DV1File::ReadResult::Ok);
    const FieldStore& s = doc.fieldStore();
    EXPECT_EQ(s.text(4, 1), QStringLiteral("S4"));
    EXPECT_TRUE(s.text(5, 1).isEmpty());
    for (int f = 0; f < 61; ++f)
        EXPECT_EQ(s.text(f, 2), QStringLiteral("a%1").arg(f));
}

TEST(DV1File, WritesVersion300ByteForByte)
{
    TempDir dir;
    CDV1_Doc doc;
    doc.fieldStore().setText(2, 1, QStringLiteral("Käufer GmbH"));
    doc.fieldStore().setText(4, 2, QStringLiteral("1.234,56"));
    doc.ClickAnswerBox(7);
    doc.setModified();
    QString error;
    ASSERT_TRUE(DV1File::save(dir.file("neu.fdv"), doc, QStringLiteral("PC1"), QStringLiteral("max"), &error)) << error.toStdString();
    EXPECT_FALSE(doc.isModified());

    Bytes expected;
    expected.ascii("QZN-DV1Form@3.00").u16(300).u32(0).fill(10, char(0xFF));
    expected.count(2).wide(QStringLiteral("PC1")).wide(QStringLiteral("max"));
    expected.u16(0x1206).u16(2).count(12);
    for (int f = 0; f < 12; ++f)
        expected.wide(f == 2 ? QStringLiteral("Käufer GmbH") : QString());
    expected.count(12);
    for (int f = 0; f < 12; ++f)
        expected.u16(0x0003);
    expected.u16(0x2002).u16(61).count(61);
    for (int f = 0; f < 61; ++f)
        expected.wide(f == 4 ? QStringLiteral("1.234,56") : QString());
    expected.count(61);
    for (int f = 0; f < 61; ++f) {
        const bool left = f == 0 || f == 3 || f == 5 || f == 16 || f == 18 || f == 20 || f == 22 || f == 28
                          || (f >= 49 && f <= 52);
        expected.u16(left ? 0x0003 : 0x0203);
    }
    expected.count(14).raw(QByteArray::fromHex("0000000000000001000000000000")).u8(0x40);
    EXPECT_EQ(readFile(dir.file("neu.fdv")).toHex(), expected.data().toHex());
}

TEST(DV1File, OldFileSavedAs300ReadsBackTheSame)
{
    TempDir dir;
    writeFile(dir.file("alt.fdv"), threePages101());
    CDV1_Doc old;
    ASSERT_TRUE(DV1File::load(dir.file("alt.fdv"), old));
    ASSERT_TRUE(DV1File::save(dir.file("neu.fdv"), old, QString(), QString()));
    EXPECT_TRUE(readFile(dir.file("neu.fdv")).startsWith("QZN-DV1Form@3.00\x2c\x01"));

    CDV1_Doc reread;
    ASSERT_TRUE(DV1File::load(dir.file("neu.fdv"), reread));
    EXPECT_EQ(reread.loadStatus(), 0);
    EXPECT_EQ(reread.pageCount(), 3);
    EXPECT_TRUE(sameContent(old, reread));
}

TEST(DV1File, LongTextsSurviveSavingAndReloadingByteForByte)
{
    TempDir dir;
    CDV1_Doc doc;
    const QString seller = testsupport::varyingText(1000);
    const QString goods = testsupport::varyingText(255);
    doc.fieldStore().setText(2, 1, seller);
    doc.fieldStore().setText(16, 2, goods);
    ASSERT_TRUE(DV1File::save(dir.file("lang.fdv"), doc, QStringLiteral("PC1"), QStringLiteral("max")));
    const QByteArray first = readFile(dir.file("lang.fdv"));
    // 1000 units: 0xFF, 0xFFFE, then 0xFF and the u16 length 0x03E8.
    Bytes encoded;
    encoded.u8(0xFF).u16(0xFFFE).u8(0xFF).u16(1000);
    for (QChar c : seller)
        encoded.u16(c.unicode());
    EXPECT_TRUE(first.contains(encoded.data()));

    CDV1_Doc reread;
    ASSERT_TRUE(DV1File::load(dir.file("lang.fdv"), reread));
    EXPECT_EQ(reread.fieldStore().text(2, 1), seller);
    EXPECT_EQ(reread.fieldStore().text(16, 2), goods);
    EXPECT_EQ(reread.fieldStore().text(17, 2), QString());
    ASSERT_TRUE(DV1File::save(dir.file("wieder.fdv"), reread, QStringLiteral("PC1"), QStringLiteral("max")));
    EXPECT_EQ(readFile(dir.file("wieder.fdv")), first);
}

TEST(DV1File, TrailingWhiteSpaceDoesNotSurviveSaving)
{
    TempDir dir;
    CDV1_Doc doc;
    doc.fieldStore().setText(0, 1, QStringLiteral("Name  "));
    doc.fieldStore().setText(1, 1, QStringLiteral("Zeile\r\n\r\n"));
    doc.fieldStore().setText(2, 1, QStringLiteral("   "));
    doc.fieldStore().setText(3, 2, QStringLiteral("  12,50\t"));
    ASSERT_TRUE(DV1File::save(dir.file("t.fdv"), doc, QString(), QString()));
    // The document shows what the file holds.
    EXPECT_EQ(doc.fieldStore().text(0, 1), QStringLiteral("Name"));

    CDV1_Doc reread;
    ASSERT_TRUE(DV1File::load(dir.file("t.fdv"), reread));
    EXPECT_EQ(reread.fieldStore().text(0, 1), QStringLiteral("Name"));
    EXPECT_EQ(reread.fieldStore().text(1, 1), QStringLiteral("Zeile"));
    EXPECT_EQ(reread.fieldStore().text(2, 1), QString());
    EXPECT_EQ(reread.fieldStore().text(3, 2), QStringLiteral("  12,50"));
}

TEST(DV1File, FailuresToOpenOrSaveAreReported)
{
    TempDir dir;
    CDV1_Doc doc;
    QString error;
    EXPECT_FALSE(DV1File::load(dir.file("fehlt.fdv"), doc, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("fehlt.fdv")));

    writeFile(dir.file("kaputt.fdv"), QByteArray("QZN-DV1Form@3.00\x2c\x01", 18));
    error.clear();
    EXPECT_FALSE(DV1File::load(dir.file("kaputt.fdv"), doc, &error));
    EXPECT_FALSE(error.isEmpty());

    doc.setModified();
    error.clear();
    EXPECT_FALSE(DV1File::save(dir.file("kein/ordner.fdv"), doc, QString(), QString(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(doc.isModified());
}

TEST(DV1File, InputsFromFuzzingReadSafelyAndSurviveSaving)
{
    const QDir dir(testsupport::dataFile(QStringLiteral("fdv-fuzz")));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        CDV1_Doc doc;
        if (readBytes(readFile(dir.filePath(name)), doc) != DV1File::ReadResult::Ok)
            continue;
        doc.TrimTexts();
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        ASSERT_TRUE(DV1File::write(&out, doc, QString(), QString())) << name.toStdString();
        CDV1_Doc back;
        ASSERT_EQ(readBytes(out.data(), back), DV1File::ReadResult::Ok) << name.toStdString();
        // A store cut to one field by a foreign block comes back padded to
        // the D.V.1's twelve; every field it had must be as it was.
        const FieldStore& a = doc.fieldStore();
        const FieldStore& b = back.fieldStore();
        ASSERT_EQ(a.pageCount(), b.pageCount()) << name.toStdString();
        for (int page = 1; page <= a.pageCount(); ++page) {
            for (int f = 0; f < a.fieldCount(page); ++f) {
                EXPECT_EQ(a.text(f, page), b.text(f, page)) << name.toStdString();
                EXPECT_EQ(a.attr(f, page), b.attr(f, page)) << name.toStdString();
            }
        }
        EXPECT_EQ(doc.answerBoxes(), back.answerBoxes()) << name.toStdString();
    }
}
