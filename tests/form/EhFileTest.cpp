#include <gtest/gtest.h>

#include "EhFixtures.h"
#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/EhFormat.h"

using ehfixtures::Block;
using ehfixtures::header2;
using ehfixtures::readDoc;
using ehfixtures::writeDoc;
using testsupport::Bytes;

TEST(EhFile, WritesANewDocumentByteForByte)
{
    ehfixtures::BareDoc doc;
    doc.setFormSet(2);
    doc.setReservedWord(0x01020304);
    doc.setInputTax(true);
    doc.store().setText(0, 1, QStringLiteral("IM  "));
    doc.store().setText(73, 1, QStringLiteral("a\r\nb"));
    doc.store().setText(11, 2, QStringLiteral("   "));

    Bytes expected = header2("QZN-EHForm@2.10", 1, 0x01020304, 1, 10);
    expected.u16(0x1206).u16(2).count(154);
    for (int f = 0; f < 154; ++f)
        expected.wide(f == 0 ? QStringLiteral("IM") : f == 73 ? QStringLiteral("a\r\nb") : QString());
    expected.count(154);
    for (int f = 0; f < 154; ++f)
        expected.u16((f >= 106 && f <= 110) || f == EhField::Box44 ? 1 : 3);
    expected.u16(0x2002).u16(214).count(214);
    for (int f = 0; f < 214; ++f)
        expected.wide(QString());
    expected.count(214);
    for (int f = 0; f < 214; ++f)
        expected.u16(f == 7 || f == 8 || f == 28 || f == 49 || f == 70 ? 1 : 3);
    expected.u8(0x40);

    const QByteArray written = writeDoc(doc);
    EXPECT_EQ(written.size(), expected.data().size());
    EXPECT_EQ(written, expected.data());
    EXPECT_EQ(written.at(38), 10);
}

TEST(EhFile, LongBoxTextsSurviveSavingAndReloadingByteForByte)
{
    // Box 44 (field 69) and box 31 texts grow past the one-byte length.
    testsupport::TempDir dir;
    ehfixtures::BareDoc doc;
    doc.setFormSet(1);
    const QString box44 = testsupport::varyingText(1000);
    const QString box31 = testsupport::varyingText(300);
    doc.store().setText(69, 1, box44);
    doc.store().setText(11, 2, box31);
    doc.store().setText(70, 1, QStringLiteral("\u00FF\u0100"));
    ASSERT_TRUE(doc.save(dir.file(QStringLiteral("lang.aef"))));
    const QByteArray first = testsupport::readFile(dir.file(QStringLiteral("lang.aef")));
    Bytes encoded;
    encoded.u8(0xFF).u16(0xFFFE).u8(0xFF).u16(1000);
    for (QChar c : box44)
        encoded.u16(c.unicode());
    EXPECT_TRUE(first.contains(encoded.data()));
    // Field 70 directly behind it: U+00FF and U+0100 as their two bytes each.
    EXPECT_TRUE(first.contains(encoded.data() + QByteArray::fromHex("fffeff02ff000001")));

    ehfixtures::BareDoc back;
    QString error;
    ASSERT_TRUE(back.load(dir.file(QStringLiteral("lang.aef")), &error)) << error.toStdString();
    EXPECT_EQ(back.store().text(69, 1), box44);
    EXPECT_EQ(back.store().text(11, 2), box31);
    EXPECT_EQ(back.store().text(70, 1), QStringLiteral("\u00FF\u0100"));
    EXPECT_EQ(back.store().text(71, 1), QString());
    ASSERT_TRUE(back.save(dir.file(QStringLiteral("wieder.aef"))));
    EXPECT_EQ(testsupport::readFile(dir.file(QStringLiteral("wieder.aef"))), first);
}

TEST(EhFile, FormSetCodesBothWays)
{
    const std::pair<int, quint32> pairs[] = {{0, 3}, {1, 7}, {2, 10}, {3, 11}, {-1, 5}, {5, 5}, {42, 5}};
    for (const auto& [formSet, code] : pairs) {
        CEinheitspapierDoc doc;
        doc.setFormSet(formSet);
        const QByteArray data = writeDoc(doc);
        EXPECT_EQ(quint8(data.at(38)), code) << formSet;
        CEinheitspapierDoc back;
        ASSERT_TRUE(readDoc(back, data));
        EXPECT_EQ(back.formSet(), formSet >= 0 && formSet <= 3 ? formSet : 5) << formSet;
    }
    // Any code outside the four is an export document.
    Bytes b = header2("QZN-EHForm@2.10", 1, 0, 0, 99);
    Block().append(b);
    CEinheitspapierDoc doc;
    ASSERT_TRUE(readDoc(doc, b));
    EXPECT_EQ(doc.formSet(), CEinheitspapierDoc::ExportFormSet);
}

TEST(EhFile, Reads210WithItsHeaderAndPages)
{
    Block block;
    block.pages = 2;
    block.word = 0x0213;
    block.texts = {{1, 0, QStringLiteral("IM A  ")}, {1, 153, QStringLiteral("x")},
                   {2, 11, QStringLiteral("Position\r\neins")}, {3, 213, QStringLiteral("Ende")}};
    Bytes b = header2("QZN-EHForm@2.10", 2, 0xCAFE, 1, 7);
    block.append(b);
    b.u8(0x40);

    CEinheitspapierDoc doc;
    doc.setModified(true);
    ASSERT_TRUE(readDoc(doc, b));
    EXPECT_EQ(doc.loadStatus(), 0);
    EXPECT_EQ(doc.formSet(), 1);
    EXPECT_EQ(doc.reservedWord(), 0xCAFEu);
    EXPECT_TRUE(doc.inputTax());
    EXPECT_EQ(doc.continuationPageCount(), 2);
    EXPECT_EQ(doc.store().pageCount(), 3);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.store().text(0, 1), QStringLiteral("IM A"));
    EXPECT_EQ(doc.store().text(153, 1), QStringLiteral("x"));
    EXPECT_EQ(doc.store().text(11, 2), QStringLiteral("Position\r\neins"));
    EXPECT_EQ(doc.store().text(213, 3), QStringLiteral("Ende"));
    EXPECT_EQ(doc.store().attr(100, 1), 0x0213);
    EXPECT_EQ(doc.store().attr(0, 3), 0x0213);

    // Written again, the same document gives the same bytes, the text
    // trimmed.
    block.texts[0] = {1, 0, QStringLiteral("IM A")};
    Bytes again = header2("QZN-EHForm@2.10", 2, 0xCAFE, 1, 7);
    block.append(again);
    again.u8(0x40);
    EXPECT_EQ(writeDoc(doc), again.data());
}

TEST(EhFile, Reads200AndGrowsItToTheCurrentCounts)
{
    Block block;
    block.n1 = 150;
    block.n2 = 200;
    block.pages = 2;
    block.texts = {{1, 149, QStringLiteral("letztes")}, {2, 199, QStringLiteral("b")}, {3, 0, QStringLiteral("c")}};
    Bytes b = header2("QZN-EHForm@2.00", 2, 0, 0, 3);
    block.append(b);

    CEinheitspapierDoc doc;
    ASSERT_TRUE(readDoc(doc, b));
    const FieldStore& s = doc.store();
    EXPECT_EQ(s.firstPageFieldCount(), 154);
    EXPECT_EQ(s.continuationFieldCount(), 214);
    EXPECT_EQ(doc.continuationPageCount(), 2);
    EXPECT_EQ(s.text(149, 1), QStringLiteral("letztes"));
    EXPECT_EQ(s.text(199, 2), QStringLiteral("b"));
    EXPECT_EQ(s.text(0, 3), QStringLiteral("c"));
    for (int f = 150; f < 154; ++f)
        EXPECT_TRUE(s.text(f, 1).isEmpty());
    for (int f = 200; f < 214; ++f)
        EXPECT_TRUE(s.text(f, 3).isEmpty());
    EXPECT_EQ(doc.formSet(), 0);
}

TEST(EhFile, RefusedAndShortFilesOpenAsNewDocuments)
{
    struct Case {
        QByteArray data;
        int status;
    };
    const Case cases[] = {
        {Bytes().ascii("QZN-AEForm@1.00").fill(40, 'x'), 19},
        {Bytes().ascii("QZN-EHForm@3.00").fill(40, 'x'), 18},
        {Bytes().ascii("qzn-ehform@2.10").fill(40, 'x'), 18},
        {Bytes().ascii("QZN-EHForm@2.1"), 0},
        {QByteArray(), 0},
    };
    for (const Case& c : cases) {
        CEinheitspapierDoc doc;
        doc.store().setText(0, 1, QStringLiteral("alt"));
        QString error;
        ASSERT_TRUE(readDoc(doc, c.data, &error)) << c.data.left(15).constData();
        EXPECT_EQ(doc.loadStatus(), c.status);
        EXPECT_TRUE(error.isEmpty());
        EXPECT_TRUE(doc.store().text(0, 1).isEmpty());
        EXPECT_EQ(doc.store().pageCount(), 2);
        EXPECT_EQ(doc.formSet(), -1);
    }
}

TEST(EhFile, DamagedFilesGiveNoDocument)
{
    Bytes full = header2("QZN-EHForm@2.10", 1, 0, 0, 3);
    Block().append(full);
    const QByteArray complete = full;

    // Every cut inside the header or the block (the end mark is never read)
    // is a format error.
    for (qsizetype cut : {qsizetype(15), qsizetype(20), qsizetype(41), qsizetype(43), qsizetype(47),
                          qsizetype(300), complete.size() - 1}) {
        CEinheitspapierDoc doc;
        QString error;
        EXPECT_FALSE(readDoc(doc, complete.left(cut), &error)) << cut;
        EXPECT_EQ(error, EhFormat::formatErrorText());
        EXPECT_EQ(doc.loadStatus(), 0);
        EXPECT_EQ(doc.store().firstPageFieldCount(), 154);
    }
    CEinheitspapierDoc doc;
    EXPECT_TRUE(readDoc(doc, complete));

    // A field block of another kind or a newer version cannot be read as
    // this document: refused rather than opened as a one-field store.
    for (const auto& [magic, version] : {std::pair{0x1207u, 2u}, std::pair{0x1206u, 3u}}) {
        QByteArray data = complete;
        data[42] = char(magic & 0xFF);
        data[43] = char(magic >> 8);
        data[44] = char(version);
        CEinheitspapierDoc d;
        d.store().setText(5, 1, QStringLiteral("alt"));
        EXPECT_FALSE(readDoc(d, data));
        EXPECT_EQ(d.store().firstPageFieldCount(), 154);
        EXPECT_TRUE(d.store().text(5, 1).isEmpty());
    }
}

TEST(EhFile, HostileCountsAreRefusedBeforeAnythingIsAllocated)
{
    // Four billion first-page texts, a wide string of two billion units, a
    // continuation array of 65535 x 16 million: each in a file of a few
    // dozen bytes.
    const QByteArray bodies[] = {
        Bytes().u16(0x1206).u16(2).u16(0xFFFF).u32(0xFFFFFFF0u).fill(8, 0),
        Bytes().u16(0x1206).u16(2).count(1).u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(0x7FFFFFFF).fill(8, 0),
        Bytes().u16(0x1206).u16(2).count(0).count(0).u16(0x20FF).u16(0xFFFF).u16(0xFFFF).u32(0x00FFFFFF),
    };
    for (const QByteArray& body : bodies) {
        Bytes b = header2("QZN-EHForm@2.10", 1, 0, 0, 3);
        b.raw(body);
        CEinheitspapierDoc doc;
        EXPECT_FALSE(readDoc(doc, b));
    }
}

TEST(EhFile, HeaderPageCountDoesNotInventPages)
{
    // The header promises five pages, the field block holds one: the
    // arrays decide. A block without any continuation page still gives the
    // document its one continuation page.
    Block block;
    block.texts = {{2, 0, QStringLiteral("n")}};
    Bytes b = header2("QZN-EHForm@2.10", 5, 0, 0, 3);
    block.append(b);
    CEinheitspapierDoc doc;
    ASSERT_TRUE(readDoc(doc, b));
    EXPECT_EQ(doc.continuationPageCount(), 1);
    EXPECT_EQ(doc.store().text(0, 2), QStringLiteral("n"));

    Block none;
    none.pages = 0;
    Bytes b0 = header2("QZN-EHForm@2.10", 0, 0, 0, 3);
    none.append(b0);
    CEinheitspapierDoc doc0;
    ASSERT_TRUE(readDoc(doc0, b0));
    EXPECT_EQ(doc0.continuationPageCount(), 1);
    EXPECT_EQ(doc0.store().continuationTexts().size(), 214);
}
