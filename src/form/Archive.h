#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>

class QIODevice;

// Little-endian reader of the document archives (.aef, .fdv).
//
// A read past the end of the data, or a count or length that the rest of the
// data cannot hold, puts the reader into its failed state: every later read
// yields zero or empty and ok() stays false. Lengths are checked against the
// remaining bytes before anything is allocated for them, so a hostile file
// cannot make us reserve gigabytes.
//
// A document holds tens of thousands of small items; asking the device for
// each of them costs more than the items themselves. The reader therefore
// takes the data from a random-access device in blocks of ReadAhead bytes
// and hands back what it read ahead but did not use when it goes, so the
// device stands right behind the last item read. A sequential device is
// read item by item: what it gave cannot be given back.
class ArchiveReader
{
public:
    static constexpr qint64 ReadAhead = 64 * 1024;

    explicit ArchiveReader(QIODevice* device);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    bool ok() const { return m_ok; }
    void fail() { m_ok = false; }
    qint64 remaining() const;

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    // Reads n raw bytes; fewer available is a failure.
    QByteArray bytes(qint64 n);
    // Reads up to n bytes without failing when fewer are there.
    QByteArray peekAvailable(qint64 n);
    void skip(qint64 n);

    // The count of an array: u16, or 0xFFFF and u32 (and 0xFFFFFFFF and u64).
    // minItemSize is the least number of bytes one item takes, used to refuse
    // counts the rest of the data cannot hold.
    quint64 count(qint64 minItemSize);
    // A string in any of the archive's encodings: single-byte text (read as
    // Windows-1252) or UTF-16LE, with the length prefixes of both.
    QString string();
    QList<QString> stringArray();
    QList<std::uint16_t> wordArray();

private:
    bool need(qint64 n);
    // Reads exactly n bytes into out.
    bool fixed(char* out, qint64 n);
    // Reads n bytes from the device itself, past the block.
    bool fromDevice(char* out, qint64 n);
    // Refills the block with at least n (<= ReadAhead) bytes; false when
    // the device gives fewer.
    bool refill(qint64 n);
    qint64 buffered() const { return qint64(m_end - m_cur); }
    QString readText(quint64 length, bool wide);

    QIODevice* m_device;
    bool m_sequential;
    qint64 m_deviceLeft = 0;  // random-access device: bytes behind the block
    QByteArray m_block;
    const char* m_cur = nullptr;
    const char* m_end = nullptr;
    bool m_ok = true;
};

// Writer of the same encodings. Strings are always written as UTF-16.
// Every call has put its bytes on the device when it returns; the arrays are
// encoded in blocks and handed over a block at a time.
class ArchiveWriter
{
public:
    // Whether stringArray() writes the texts as they are or without their
    // trailing white space (as the field block stores them).
    enum class TrailingSpace { Keep, Drop };

    explicit ArchiveWriter(QIODevice* device);
    // Appends to bytes in memory: for data written out in one piece.
    explicit ArchiveWriter(QByteArray* bytes);

    bool ok() const { return m_ok; }

    void u8(std::uint8_t v);
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void bytes(const QByteArray& data);
    void count(quint64 n);
    void string(QStringView text);
    void stringArray(const QList<QString>& texts, TrailingSpace trailing = TrailingSpace::Keep);
    void wordArray(const QList<std::uint16_t>& words);

private:
    void put(const char* data, qint64 n);
    void put(const QByteArray& data) { put(data.constData(), data.size()); }

    QIODevice* m_device = nullptr;
    QByteArray* m_bytes = nullptr;
    bool m_ok = true;
};

// Single-byte text to UTF-16: bytes below 0x80 are ASCII, high[b - 0x80]
// gives the character of each other byte b. Room for bytes.size()
// characters; returns the end.
char16_t* decodeSingleByte(QByteArrayView bytes, const char16_t* high, char16_t* out);

// Windows-1252 decoding of single-byte texts (old documents, dBase tables).
QString decodeWindows1252(QByteArrayView bytes);
// The same into room for bytes.size() characters; returns the end.
char16_t* decodeWindows1252(QByteArrayView bytes, char16_t* out);
