#include "duty/AmountText.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The C library's white space, as its number conversion skips it.
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The value the C conversion gives for a number outside the double's range:
// infinity when it is too large, 0 when it is too small. Which of the two
// follows from the decimal order of magnitude of the text [p, end).
double outOfRangeValue(const char* p, const char* end)
{
    const char* e = p;
    while (e < end && *e != 'e' && *e != 'E')
        ++e;
    long long magnitude = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    for (const char* q = p; q < e; ++q) {
        if (*q == '.') {
            afterPoint = true;
        } else if (!seenNonZero && *q == '0') {
            if (afterPoint)
                --magnitude;
        } else {
            seenNonZero = true;
            if (!afterPoint)
                ++magnitude;
        }
    }
    long long exponent = 0;
    const char* q = e < end ? e + 1 : end;
    const bool negativeExponent = q < end && *q == '-';
    if (q < end && (*q == '-' || *q == '+'))
        ++q;
    for (; q < end && isDigit(*q); ++q)
        exponent = std::min(exponent * 10 + (*q - '0'), 1000000000LL);
    magnitude += negativeExponent ? -exponent : exponent;
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

namespace AmountText {

double leadingDecimal(const QString& text)
{
    // Anything beyond ASCII ends the number anyway; Latin-1 keeps one byte
    // per character so the prefix rule stays the same.
    const QByteArray bytes = text.toLatin1();
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while (p < end && isSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const bool startsNumber = p < end && (isDigit(*p) || (*p == '.' && p + 1 < end && isDigit(p[1])));
    if (!startsNumber)
        return 0.0;
    double value = 0.0;
    const std::from_chars_result r = std::from_chars(p, end, value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        value = outOfRangeValue(p, r.ptr);
    return negative ? -value : value;
}

QString twoDecimals(double value)
{
    // Big enough for the largest double in fixed notation with two decimals.
    std::array<char, 400> buffer{};
    const std::to_chars_result r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                                 std::chars_format::fixed, 2);
    QString text = QString::fromLatin1(buffer.data(), r.ptr - buffer.data());
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace AmountText
