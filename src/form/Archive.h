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
class ArchiveReader
{
public:
    explicit ArchiveReader(QIODevice* device);

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
    QString readText(quint64 length, bool wide);

    QIODevice* m_device;
    qint64 m_size;  // -1 for a sequential device
    bool m_ok = true;
};

// Writer of the same encodings. Strings are always written as UTF-16.
class ArchiveWriter
{
public:
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
    void stringArray(const QList<QString>& texts);
    void wordArray(const QList<std::uint16_t>& words);

private:
    void put(const char* data, qint64 n);

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
