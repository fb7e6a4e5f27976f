#include "masterdata/DbfText.h"

#include <charconv>
#include <cstring>
#include <limits>

namespace dbftext {

namespace {

template<typename F>
void forEachCodePoint(QStringView text, F f)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            f(char32_t(c.unicode()));
        }
    }
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

QByteArray encodeSingleByte(QStringView text, const DbfCodePage& page)
{
    QByteArray out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c) { out.append(page.encode(c)); });
    return out;
}

bool isRepresentable(QStringView text, const DbfCodePage& page)
{
    bool ok = true;
    forEachCodePoint(text, [&](char32_t c) {
        bool kept = true;
        page.encode(c, &kept);
        ok = ok && kept;
    });
    return ok;
}

qsizetype storedLength(QStringView text, const DbfCodePage& page)
{
    const QByteArray bytes = encodeSingleByte(text, page);
    qsizetype end = bytes.size();
    while (end > 0 && bytes.at(end - 1) == ' ')
        --end;
    return end;
}

QByteArrayView fieldText(QByteArrayView bytes)
{
    // Most of a wide field is padding: the blanks go eight at a time, and
    // the NUL is looked for only in what is left, where the first one of
    // the whole field must be, since a NUL is no white space.
    const char* data = bytes.data();
    qsizetype end = bytes.size();
    constexpr std::uint64_t eightBlanks = 0x2020202020202020ull;
    while (end >= 8) {
        std::uint64_t word;
        std::memcpy(&word, data + end - 8, 8);
        if (word != eightBlanks)
            break;
        end -= 8;
    }
    while (end > 0 && isBlank(data[end - 1]))
        --end;
    if (const void* nul = end > 0 ? std::memchr(data, '\0', size_t(end)) : nullptr) {
        end = static_cast<const char*>(nul) - data;
        while (end > 0 && isBlank(data[end - 1]))
            --end;
    }
    return bytes.first(end);
}

QString decodeField(QByteArrayView bytes, const DbfCodePage& page)
{
    return page.decode(fieldText(bytes));
}

char16_t* decodeField(QByteArrayView bytes, const DbfCodePage& page, char16_t* out)
{
    return page.decode(fieldText(bytes), out);
}

std::int64_t parseInteger(QByteArrayView bytes, int maxChars)
{
    const QByteArrayView s = bytes.first(std::min<qsizetype>(bytes.size(), maxChars));
    qsizetype i = 0;
    while (i < s.size() && isBlank(s.at(i)))
        ++i;
    bool negative = false;
    if (i < s.size() && (s.at(i) == '-' || s.at(i) == '+'))
        negative = s.at(i++) == '-';
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < s.size() && s.at(i) >= '0' && s.at(i) <= '9'; ++i) {
        const int digit = s.at(i) - '0';
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return negative ? -value : value;
}

double parseDouble(QByteArrayView bytes, int maxChars)
{
    const QByteArrayView s = bytes.first(std::min<qsizetype>(bytes.size(), maxChars));
    qsizetype start = 0;
    while (start < s.size() && isBlank(s.at(start)))
        ++start;
    auto digits = [&](qsizetype& i) {
        const qsizetype from = i;
        while (i < s.size() && s.at(i) >= '0' && s.at(i) <= '9')
            ++i;
        return i - from;
    };
    qsizetype i = start;
    const bool plus = i < s.size() && s.at(i) == '+';
    if (i < s.size() && (s.at(i) == '-' || s.at(i) == '+'))
        ++i;
    qsizetype mantissa = digits(i);
    if (i < s.size() && s.at(i) == '.') {
        qsizetype j = i + 1;
        const qsizetype fraction = digits(j);
        if (mantissa + fraction > 0) {
            i = j;
            mantissa += fraction;
        }
    }
    if (mantissa == 0)
        return 0.0;
    if (i < s.size() && (s.at(i) == 'e' || s.at(i) == 'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s.at(j) == '-' || s.at(j) == '+'))
            ++j;
        if (digits(j) > 0)
            i = j;
    }
    // from_chars does not take a leading plus sign.
    const char* first = s.data() + start + (plus ? 1 : 0);
    double value = 0.0;
    const auto result = std::from_chars(first, s.data() + i, value, std::chars_format::general);
    if (result.ec != std::errc())
        return 0.0;
    return value;
}

int parseInteger(QStringView text)
{
    QByteArray latin;
    latin.reserve(std::min<qsizetype>(text.size(), 32));
    for (qsizetype i = 0; i < text.size() && i < 32; ++i)
        latin.append(text.at(i).unicode() < 0x80 ? char(text.at(i).unicode()) : 'x');
    const std::int64_t v = parseInteger(latin, 32);
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(v);
}

} // namespace dbftext
