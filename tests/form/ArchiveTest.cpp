#include <gtest/gtest.h>

#include <QBuffer>

#include <cstring>

#include "TestSupport.h"
#include "form/Archive.h"
#include "form/FieldBlock.h"
#include "form/FieldStore.h"

using testsupport::Bytes;

namespace {

QByteArray writeString(const QString& s)
{
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ArchiveWriter w(&buf);
    w.string(s);
    return buf.data();
}

// A pipe-like device: it cannot seek, so nothing it gave can be given back.
class SequentialBytes : public QIODevice
{
public:
    explicit SequentialBytes(const QByteArray& data) : m_data(data) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_data.size() - m_at + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        const qint64 n = std::min(max, qint64(m_data.size() - m_at));
        if (n <= 0)
            return 0;
        std::memcpy(out, m_data.constData() + m_at, size_t(n));
        m_at += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qsizetype m_at = 0;
};

} // namespace

TEST(Archive, ItemsAcrossReadBlocksAndTheDevicePositionAfterwards)
{
    // Texts of every length form, many of them straddling the reader's
    // blocks, then a word that the caller reads from the device itself.
    QList<QString> texts;
    for (int i = 0; i < 400; ++i)
        texts.append(testsupport::varyingText((i * 37) % 700));
    texts.append(testsupport::varyingText(int(ArchiveReader::ReadAhead)));
    texts.append(QString());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        ArchiveWriter w(&out);
        w.stringArray(texts);
        w.wordArray({1, 0xFFFF, 0x1206});
        w.u32(0xDEADBEEF);
        EXPECT_TRUE(w.ok());
    }
    QByteArray data = out.data() + Bytes().u16(0xBEEF).data();
    ASSERT_GT(data.size(), 3 * ArchiveReader::ReadAhead);

    QBuffer in(&data);
    in.open(QIODevice::ReadOnly);
    {
        ArchiveReader r(&in);
        EXPECT_EQ(r.stringArray(), texts);
        EXPECT_EQ(r.wordArray(), (QList<std::uint16_t>{1, 0xFFFF, 0x1206}));
        EXPECT_EQ(r.u32(), 0xDEADBEEFu);
        EXPECT_EQ(r.remaining(), 2);
        EXPECT_TRUE(r.ok());
    }
    // The reader read ahead, and gave back what it did not use.
    EXPECT_EQ(in.pos(), data.size() - 2);
    EXPECT_EQ(in.read(2), QByteArray::fromHex("efbe"));

    SequentialBytes pipe(data);
    {
        ArchiveReader r(&pipe);
        EXPECT_EQ(r.stringArray(), texts);
        r.wordArray();
        EXPECT_EQ(r.u32(), 0xDEADBEEFu);
        EXPECT_TRUE(r.ok());
    }
    EXPECT_EQ(pipe.read(2), QByteArray::fromHex("efbe"));
}

TEST(Archive, StringLengthFormsAtTheirBoundaries)
{
    EXPECT_EQ(writeString(QString(254, QLatin1Char('a'))).left(4), QByteArray::fromHex("fffefffe"));
    const QByteArray s255 = writeString(QString(255, QLatin1Char('a')));
    EXPECT_EQ(s255.left(6), QByteArray::fromHex("fffeffffff00"));
    EXPECT_EQ(s255.size(), 6 + 510);
    const QByteArray s65534 = writeString(QString(65534, QLatin1Char('a')));
    EXPECT_EQ(s65534.left(10), QByteArray::fromHex("fffeffffffffFEFF0000"));
    // Characters above 0xFF keep both bytes: U+0100 is 00 01, not a NUL.
    EXPECT_EQ(writeString(QStringLiteral("\u00FF\u0100")), QByteArray::fromHex("fffeff02ff000001"));
}

TEST(Archive, ReadsSingleByteAndWideStrings)
{
    QByteArray data = Bytes().narrow("M\xfc" "ller \x80").wide(QStringLiteral("Zoll")).data();
    // A long single-byte string: 0xFF, u16 length.
    data += Bytes().u8(0xFF).u16(300).fill(300, 'x').data();
    QBuffer buf(&data);
    buf.open(QIODevice::ReadOnly);
    ArchiveReader r(&buf);
    EXPECT_EQ(r.string(), QStringLiteral("Müller €"));
    EXPECT_EQ(r.string(), QStringLiteral("Zoll"));
    EXPECT_EQ(r.string(), QString(300, QLatin1Char('x')));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.u8(), 0);
    EXPECT_FALSE(r.ok());
}

TEST(Archive, WideStringsOfEveryLengthFormReadBackExactly)
{
    // Built byte by byte: marker 0xFF 0xFFFE, then the length as u8 below
    // 255, else 0xFF and a u16 below 0xFFFF, else 0xFF 0xFFFF and a u32.
    struct Case {
        int length;
        QByteArray prefix;
    };
    const Case cases[] = {
        {254, QByteArray::fromHex("fffeff" "fe")},
        {255, QByteArray::fromHex("fffeff" "ffff00")},
        {300, QByteArray::fromHex("fffeff" "ff2c01")},
        // Another writer may give 65534 in the u16 form; ours uses the u32.
        {65534, QByteArray::fromHex("fffeff" "fffeff")},
        {65535, QByteArray::fromHex("fffeff" "ffffffffff0000")},
    };
    QByteArray data;
    for (const Case& c : cases) {
        Bytes b;
        b.raw(c.prefix);
        for (QChar ch : testsupport::varyingText(c.length))
            b.u16(ch.unicode());
        // A word after each string shows where the reader stopped.
        data += b.u16(0xBEEF).data();
    }
    QBuffer buf(&data);
    buf.open(QIODevice::ReadOnly);
    ArchiveReader r(&buf);
    for (const Case& c : cases) {
        const QString text = r.string();
        EXPECT_EQ(text.size(), c.length);
        EXPECT_TRUE(text == testsupport::varyingText(c.length)) << c.length;
        EXPECT_EQ(r.u16(), 0xBEEF) << c.length;
    }
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0);
}

TEST(Archive, SingleByteStringsReadAsWindows1252UpToTheirLastByte)
{
    // 0xFF is a character of old documents (ÿ), not only a length marker; a
    // 255-byte text needs the 0xFF and u16 form.
    QByteArray latin(255, 'a');
    latin[0] = char(0xFF);
    latin[254] = char(0xFF);
    const QByteArray data = Bytes().narrow("\xFF").u8(0xFF).u16(255).raw(latin).u16(0xBEEF).data();
    QBuffer buf;
    buf.setData(data);
    buf.open(QIODevice::ReadOnly);
    ArchiveReader r(&buf);
    EXPECT_EQ(r.string(), QStringLiteral("\u00FF"));
    const QString text = r.string();
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(text.front(), QChar(0xFF));
    EXPECT_EQ(text.back(), QChar(0xFF));
    EXPECT_EQ(r.u16(), 0xBEEF);
    EXPECT_TRUE(r.ok());
}

TEST(Archive, HostileCountsFailBeforeAllocating)
{
    // A string array claiming four billion entries in a 12-byte file.
    QByteArray data = Bytes().u16(0xFFFF).u32(0xFFFFFFF0u).u16(0).u16(0).data();
    QBuffer buf(&data);
    buf.open(QIODevice::ReadOnly);
    ArchiveReader r(&buf);
    EXPECT_TRUE(r.stringArray().isEmpty());
    EXPECT_FALSE(r.ok());

    // A wide string whose length runs past the end.
    QByteArray data2 = Bytes().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(0x7FFFFFFF).data();
    QBuffer buf2(&data2);
    buf2.open(QIODevice::ReadOnly);
    ArchiveReader r2(&buf2);
    EXPECT_TRUE(r2.string().isEmpty());
    EXPECT_FALSE(r2.ok());
}

TEST(FieldBlock, WritesTrimmedTextsAndReadsThemBack)
{
    FieldStore s(3, 2);
    s.setText(0, 1, QStringLiteral("Feld  "));
    s.setText(1, 1, QStringLiteral("   "));
    s.setText(1, 2, QStringLiteral("a\r\nb\r\n"));
    s.setAttr(2, 1, 0x0213);
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ArchiveWriter w(&buf);
    FieldBlock::write(w, s);

    const QByteArray expected = Bytes()
        .u16(0x1206).u16(2)
        .count(3).wide(QStringLiteral("Feld")).wide(QString()).wide(QString())
        .count(3).u16(1).u16(1).u16(0x0213)
        .u16(0x2002).u16(2)
        .count(2).wide(QString()).wide(QStringLiteral("a\r\nb"))
        .count(2).u16(1).u16(1).data();
    EXPECT_EQ(buf.data(), expected);

    FieldStore back(3, 0);
    QByteArray data = buf.data();
    QBuffer in(&data);
    in.open(QIODevice::ReadOnly);
    ArchiveReader r(&in);
    ASSERT_EQ(FieldBlock::read(r, back), FieldBlock::ReadResult::Ok);
    EXPECT_EQ(back.text(0, 1), QStringLiteral("Feld"));
    EXPECT_EQ(back.text(1, 2), QStringLiteral("a\r\nb"));
    EXPECT_EQ(back.attr(2, 1), 0x0213);
    EXPECT_EQ(back.pageCount(), 2);
}

TEST(FieldBlock, MoreTextsThanFieldsEnlargeTheStoreAndForeignBlocksCutIt)
{
    QByteArray data = Bytes().u16(0x1206).u16(1)
        .count(5).wide(QStringLiteral("a")).wide(QString()).wide(QString()).wide(QString()).wide(QStringLiteral("e"))
        .count(5).u16(3).u16(3).u16(3).u16(3).u16(3).data();
    QBuffer in(&data);
    in.open(QIODevice::ReadOnly);
    ArchiveReader r(&in);
    FieldStore s(3, 0);
    ASSERT_EQ(FieldBlock::read(r, s), FieldBlock::ReadResult::Ok);
    EXPECT_EQ(s.firstPageFieldCount(), 5);
    EXPECT_EQ(s.text(4, 1), QStringLiteral("e"));
    EXPECT_EQ(s.pageWord(), 0x1000);

    // A word array shorter than the texts that grew the store: the missing
    // words are those a grown store gives its new fields.
    QByteArray fewWords = Bytes().u16(0x1206).u16(1)
        .count(5).wide(QStringLiteral("a")).wide(QString()).wide(QString()).wide(QString()).wide(QStringLiteral("e"))
        .count(2).u16(3).u16(3).data();
    QBuffer in3(&fewWords);
    in3.open(QIODevice::ReadOnly);
    ArchiveReader r3(&in3);
    FieldStore s3(3, 0);
    ASSERT_EQ(FieldBlock::read(r3, s3), FieldBlock::ReadResult::Ok);
    EXPECT_EQ(s3.attr(1, 1), 3);
    EXPECT_EQ(s3.attr(2, 1), 1);
    EXPECT_EQ(s3.attr(4, 1), 1);

    QByteArray foreign = Bytes().u16(0x1207).u16(2).data();
    QBuffer in2(&foreign);
    in2.open(QIODevice::ReadOnly);
    ArchiveReader r2(&in2);
    FieldStore s2(154, 214);
    EXPECT_EQ(FieldBlock::read(r2, s2), FieldBlock::ReadResult::Foreign);
    EXPECT_EQ(s2.firstPageFieldCount(), 1);
    EXPECT_EQ(s2.continuationFieldCount(), 0);
}
