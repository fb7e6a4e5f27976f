#include "form/Archive.h"

#include <QIODevice>
#include <QSysInfo>
#include <QtEndian>

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define KV_HAVE_SSE2 1
#endif

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five undefined
// positions keep their Latin-1 (C1) values, as the Windows converter does.
constexpr std::array<char16_t, 128> kCp1252High = [] {
    std::array<char16_t, 128> high{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    for (int b = 0xA0; b <= 0xFF; ++b)
        high[size_t(b - 0x80)] = char16_t(b);
    return high;
}();

} // namespace

char16_t* decodeSingleByte(QByteArrayView bytes, const char16_t* high, char16_t* out)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    auto decodeOne = [&](qsizetype i) {
        const unsigned b = in[i];
        out[i] = b < 0x80 ? char16_t(b) : high[b - 0x80];
    };
    qsizetype i = 0;
#ifdef KV_HAVE_SSE2
    // Text is mostly ASCII: sixteen bytes go at once, and only those above
    // 0x7F are looked up afterwards.
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(chunk, zero));
        for (unsigned high = unsigned(_mm_movemask_epi8(chunk)); high != 0; high &= high - 1)
            decodeOne(i + std::countr_zero(high));
    }
#endif
    for (; i < n; ++i)
        decodeOne(i);
    return out + n;
}

char16_t* decodeWindows1252(QByteArrayView bytes, char16_t* out)
{
    return decodeSingleByte(bytes, kCp1252High.data(), out);
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

// A file's size does not change while it is read; asking the device for it
// on every item costs a system call each time.
ArchiveReader::ArchiveReader(QIODevice* device)
    : m_device(device), m_size(device->isSequential() ? -1 : device->size())
{
}

qint64 ArchiveReader::remaining() const
{
    if (m_size < 0)
        return m_device->bytesAvailable();
    return m_size - m_device->pos();
}

bool ArchiveReader::fixed(char* out, qint64 n)
{
    if (!need(n))
        return false;
    if (m_device->read(out, n) != n) {
        m_ok = false;
        return false;
    }
    return true;
}

bool ArchiveReader::need(qint64 n)
{
    if (!m_ok)
        return false;
    if (n < 0 || remaining() < n) {
        m_ok = false;
        return false;
    }
    return true;
}

QByteArray ArchiveReader::bytes(qint64 n)
{
    if (!need(n))
        return {};
    QByteArray data = m_device->read(n);
    if (data.size() != n) {
        m_ok = false;
        return {};
    }
    return data;
}

QByteArray ArchiveReader::peekAvailable(qint64 n)
{
    if (!m_ok)
        return {};
    return m_device->read(std::min(n, remaining()));
}

void ArchiveReader::skip(qint64 n)
{
    bytes(n);
}

std::uint8_t ArchiveReader::u8()
{
    char b[1];
    return fixed(b, 1) ? static_cast<std::uint8_t>(b[0]) : 0;
}

std::uint16_t ArchiveReader::u16()
{
    char b[2];
    if (!fixed(b, 2))
        return 0;
    return std::uint16_t(static_cast<std::uint8_t>(b[0]) | (static_cast<std::uint8_t>(b[1]) << 8));
}

std::uint32_t ArchiveReader::u32()
{
    char b[4];
    if (!fixed(b, 4))
        return 0;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[i]);
    return v;
}

quint64 ArchiveReader::count(qint64 minItemSize)
{
    quint64 n = u16();
    if (n == 0xFFFF) {
        n = u32();
        if (n == 0xFFFFFFFFu) {
            const quint64 low = u32();
            const quint64 high = u32();
            n = (high << 32) | low;
        }
    }
    if (!m_ok)
        return 0;
    if (minItemSize > 0 && n > quint64(remaining()) / quint64(minItemSize)) {
        m_ok = false;
        return 0;
    }
    return n;
}

QString ArchiveReader::readText(quint64 length, bool wide)
{
    const quint64 byteCount = wide ? length * 2 : length;
    if (length > quint64(remaining()) || byteCount > quint64(remaining())) {
        m_ok = false;
        return {};
    }
    if (!wide)
        return m_ok ? decodeWindows1252(bytes(qint64(byteCount))) : QString();
    // UTF-16LE goes straight into the string's buffer.
    QString text(qsizetype(length), Qt::Uninitialized);
    if (!fixed(reinterpret_cast<char*>(text.data()), qint64(byteCount)))
        return {};
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        for (QChar& c : text)
            c = QChar(qFromLittleEndian(c.unicode()));
    }
    return text;
}

QString ArchiveReader::string()
{
    bool wide = false;
    quint64 length = u8();
    if (length == 0xFF) {
        quint64 w = u16();
        if (w == 0xFFFE) {
            wide = true;
            length = u8();
            if (length < 0xFF)
                return readText(length, wide);
            w = u16();
        }
        length = w;
        if (w == 0xFFFF) {
            length = u32();
            if (length == 0xFFFFFFFFu) {
                const quint64 low = u32();
                const quint64 high = u32();
                length = (high << 32) | low;
            }
        }
    }
    if (!m_ok)
        return {};
    return readText(length, wide);
}

QList<QString> ArchiveReader::stringArray()
{
    // The shortest string is one length byte.
    const quint64 n = count(1);
    QList<QString> texts;
    if (!m_ok)
        return texts;
    texts.reserve(qsizetype(n));
    for (quint64 i = 0; i < n && m_ok; ++i)
        texts.append(string());
    if (!m_ok)
        texts.clear();
    return texts;
}

QList<std::uint16_t> ArchiveReader::wordArray()
{
    const quint64 n = count(2);
    QList<std::uint16_t> words;
    if (!m_ok)
        return words;
    words.reserve(qsizetype(n));
    for (quint64 i = 0; i < n && m_ok; ++i)
        words.append(u16());
    if (!m_ok)
        words.clear();
    return words;
}

ArchiveWriter::ArchiveWriter(QIODevice* device) : m_device(device) {}

ArchiveWriter::ArchiveWriter(QByteArray* bytes) : m_bytes(bytes) {}

void ArchiveWriter::put(const char* data, qint64 n)
{
    if (m_bytes) {
        // Many small pieces: a plain copy behind the end, not an insert.
        if (n <= 0)
            return;
        const qsizetype at = m_bytes->size();
        m_bytes->resize(at + qsizetype(n));
        std::memcpy(m_bytes->data() + at, data, size_t(n));
    } else if (m_ok && m_device->write(data, n) != n)
        m_ok = false;
}

void ArchiveWriter::u8(std::uint8_t v)
{
    const char c = char(v);
    put(&c, 1);
}

void ArchiveWriter::u16(std::uint16_t v)
{
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    put(b, 2);
}

void ArchiveWriter::u32(std::uint32_t v)
{
    const char b[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
    put(b, 4);
}

void ArchiveWriter::bytes(const QByteArray& data)
{
    put(data.constData(), data.size());
}

void ArchiveWriter::count(quint64 n)
{
    if (n < 0xFFFF) {
        u16(std::uint16_t(n));
        return;
    }
    u16(0xFFFF);
    if (n < 0xFFFFFFFFu) {
        u32(std::uint32_t(n));
        return;
    }
    u32(0xFFFFFFFFu);
    u32(std::uint32_t(n & 0xFFFFFFFFu));
    u32(std::uint32_t(n >> 32));
}

void ArchiveWriter::string(QStringView text)
{
    const quint64 n = quint64(text.size());
    u8(0xFF);
    u16(0xFFFE);
    if (n < 0xFF) {
        u8(std::uint8_t(n));
    } else if (n < 0xFFFE) {
        u8(0xFF);
        u16(std::uint16_t(n));
    } else {
        u8(0xFF);
        u16(0xFFFF);
        u32(std::uint32_t(n));
    }
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        put(reinterpret_cast<const char*>(text.utf16()), qint64(n * 2));
    } else {
        QByteArray data(qsizetype(n * 2), Qt::Uninitialized);
        qToLittleEndian<quint16>(text.utf16(), text.size(), data.data());
        bytes(data);
    }
}

void ArchiveWriter::stringArray(const QList<QString>& texts)
{
    count(quint64(texts.size()));
    for (const QString& t : texts)
        string(t);
}

void ArchiveWriter::wordArray(const QList<std::uint16_t>& words)
{
    count(quint64(words.size()));
    for (std::uint16_t w : words)
        u16(w);
}
