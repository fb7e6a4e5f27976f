#include "form/Archive.h"

#include <QIODevice>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
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

namespace {

std::uint16_t le16(const char* b)
{
    return std::uint16_t(static_cast<std::uint8_t>(b[0]) | (static_cast<std::uint8_t>(b[1]) << 8));
}

std::uint32_t le32(const char* b)
{
    return std::uint32_t(le16(b)) | (std::uint32_t(le16(b + 2)) << 16);
}

} // namespace

// A file's size does not change while it is read; asking the device for it
// on every item costs a system call each time.
ArchiveReader::ArchiveReader(QIODevice* device)
    : m_device(device), m_sequential(device->isSequential())
{
    if (!m_sequential)
        m_deviceLeft = std::max<qint64>(0, device->size() - device->pos());
}

ArchiveReader::~ArchiveReader()
{
    // Whoever reads on after us starts behind the last item we handed out.
    if (!m_sequential && buffered() > 0)
        m_device->seek(m_device->pos() - buffered());
}

qint64 ArchiveReader::remaining() const
{
    if (m_sequential)
        return buffered() + m_device->bytesAvailable();
    return buffered() + m_deviceLeft;
}

bool ArchiveReader::fromDevice(char* out, qint64 n)
{
    const qint64 got = m_device->read(out, n);
    if (!m_sequential && got > 0)
        m_deviceLeft -= got;
    if (got != n) {
        m_ok = false;
        return false;
    }
    return true;
}

bool ArchiveReader::refill(qint64 n)
{
    // What is left of the block moves to its front; a sequential device
    // gives only what is asked for.
    const qint64 kept = buffered();
    const qint64 want = m_sequential ? n - kept : std::min(ReadAhead - kept, m_deviceLeft);
    if (m_block.size() < ReadAhead)
        m_block.resize(ReadAhead);
    char* base = m_block.data();
    if (kept > 0)
        std::memmove(base, m_cur, size_t(kept));
    qint64 got = want > 0 ? m_device->read(base + kept, want) : 0;
    if (got < 0)
        got = 0;
    if (!m_sequential)
        m_deviceLeft -= got;
    m_cur = base;
    m_end = base + kept + got;
    if (buffered() < n) {
        m_ok = false;
        return false;
    }
    return true;
}

bool ArchiveReader::fixed(char* out, qint64 n)
{
    if (!need(n))
        return false;
    if (n == 0)
        return true;
    if (buffered() >= n) {
        std::memcpy(out, m_cur, size_t(n));
        m_cur += n;
        return true;
    }
    // Long texts go from the device straight into their string.
    if (n > ReadAhead / 2) {
        const qint64 have = buffered();
        std::memcpy(out, m_cur, size_t(have));
        m_cur = m_end;
        return fromDevice(out + have, n - have);
    }
    if (!refill(n))
        return false;
    std::memcpy(out, m_cur, size_t(n));
    m_cur += n;
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
    QByteArray data(n, Qt::Uninitialized);
    if (!fixed(data.data(), n))
        return {};
    return data;
}

QByteArray ArchiveReader::peekAvailable(qint64 n)
{
    if (!m_ok)
        return {};
    return bytes(std::min(n, remaining()));
}

void ArchiveReader::skip(qint64 n)
{
    if (m_ok && n >= 0 && buffered() >= n) {
        m_cur += n;
        return;
    }
    bytes(n);
}

std::uint8_t ArchiveReader::u8()
{
    if (m_ok && buffered() >= 1)
        return static_cast<std::uint8_t>(*m_cur++);
    char b[1];
    return fixed(b, 1) ? static_cast<std::uint8_t>(b[0]) : 0;
}

std::uint16_t ArchiveReader::u16()
{
    char b[2];
    if (m_ok && buffered() >= 2) {
        const std::uint16_t v = le16(m_cur);
        m_cur += 2;
        return v;
    }
    return fixed(b, 2) ? le16(b) : 0;
}

std::uint32_t ArchiveReader::u32()
{
    char b[4];
    if (m_ok && buffered() >= 4) {
        const std::uint32_t v = le32(m_cur);
        m_cur += 4;
        return v;
    }
    return fixed(b, 4) ? le32(b) : 0;
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

namespace {

// Encoders into a block of bytes, so that an array goes to the device in a
// few large writes instead of two or three small ones per item.
void appendU16(QByteArray& out, std::uint16_t v)
{
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    out.append(b, 2);
}

void appendU32(QByteArray& out, std::uint32_t v)
{
    const char b[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
    out.append(b, 4);
}

void appendCount(QByteArray& out, quint64 n)
{
    if (n < 0xFFFF) {
        appendU16(out, std::uint16_t(n));
        return;
    }
    appendU16(out, 0xFFFF);
    if (n < 0xFFFFFFFFu) {
        appendU32(out, std::uint32_t(n));
        return;
    }
    appendU32(out, 0xFFFFFFFFu);
    appendU32(out, std::uint32_t(n & 0xFFFFFFFFu));
    appendU32(out, std::uint32_t(n >> 32));
}

// 0xFF, 0xFFFE (UTF-16 follows), the length in its shortest form, then the
// text as UTF-16LE. One resize per string: these run tens of thousands of
// times for a large document.
void appendString(QByteArray& out, QStringView text)
{
    const quint64 n = quint64(text.size());
    char head[10] = {char(0xFF), char(0xFE), char(0xFF)};
    int h = 3;
    if (n < 0xFF) {
        head[h++] = char(n);
    } else if (n < 0xFFFE) {
        head[h++] = char(0xFF);
        head[h++] = char(n & 0xFF);
        head[h++] = char((n >> 8) & 0xFF);
    } else {
        head[h++] = char(0xFF);
        head[h++] = char(0xFF);
        head[h++] = char(0xFF);
        for (int i = 0; i < 4; ++i)
            head[h++] = char((n >> (8 * i)) & 0xFF);
    }
    const qsizetype at = out.size();
    out.resize(at + h + text.size() * 2);
    char* dest = out.data() + at;
    std::memcpy(dest, head, size_t(h));
    dest += h;
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        if (!text.isEmpty())
            std::memcpy(dest, text.utf16(), size_t(text.size()) * 2);
    } else {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            dest[2 * i] = char(c & 0xFF);
            dest[2 * i + 1] = char(c >> 8);
        }
    }
}

qsizetype lengthWithoutTrailingSpace(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return end;
}

// Block size of the arrays' writes.
constexpr qsizetype WriteBlock = 64 * 1024;

} // namespace

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
    QByteArray out;
    appendCount(out, n);
    put(out);
}

void ArchiveWriter::string(QStringView text)
{
    if (m_bytes) {
        appendString(*m_bytes, text);
        return;
    }
    QByteArray out;
    out.reserve(10 + text.size() * 2);
    appendString(out, text);
    put(out);
}

void ArchiveWriter::stringArray(const QList<QString>& texts, TrailingSpace trailing)
{
    QByteArray block;
    block.reserve(WriteBlock + 1024);
    appendCount(block, quint64(texts.size()));
    for (const QString& t : texts) {
        const QStringView text = trailing == TrailingSpace::Drop ? QStringView(t).left(lengthWithoutTrailingSpace(t))
                                                                 : QStringView(t);
        appendString(block, text);
        if (block.size() >= WriteBlock) {
            put(block);
            block.resize(0);
        }
    }
    put(block);
}

void ArchiveWriter::wordArray(const QList<std::uint16_t>& words)
{
    QByteArray block;
    block.reserve(10 + words.size() * 2);
    appendCount(block, quint64(words.size()));
    for (std::uint16_t w : words)
        appendU16(block, w);
    put(block);
}
