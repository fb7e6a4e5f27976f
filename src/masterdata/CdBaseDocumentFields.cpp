// Field values of the current record: reading and writing by type, dates.
#include "masterdata/CdBaseDocument.h"

#include "masterdata/DbfText.h"

#include <QDate>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

QByteArray integerText(std::int64_t value)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QByteArray(buf, r.ptr - buf);
}

bool isDigits(const QByteArray& s)
{
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return !s.isEmpty();
}

// A date the calendar knows, within the four digits of the stored year.
bool validDate(int day, int month, int year)
{
    return year >= 1900 && year <= 9999 && QDate(year, month, day).isValid();
}

} // namespace

QByteArrayView CdBaseDocument::GetFieldView(int field) const
{
    const DbfField* f = fieldOf(field);
    if (!f)
        return {};
    return QByteArrayView(m_record.constData() + f->offset, f->length);
}

QByteArray CdBaseDocument::GetFieldBytes(int field) const
{
    return GetFieldView(field).toByteArray();
}

int CdBaseDocument::checkField(int field, char type) const
{
    if (m_current == 0)
        return NoCurrentRecord;
    const DbfField* f = fieldOf(field);
    if (!f || f->type != type)
        return WrongType;
    return Ok;
}

int CdBaseDocument::storeField(int field, const QByteArray& text, bool rightAlign)
{
    const DbfField& f = m_header.fields.at(field);
    if (text.size() > f.length)
        return TooLong;
    char* at = m_record.data() + f.offset;
    std::fill_n(at, f.length, ' ');
    std::copy(text.begin(), text.end(), at + (rightAlign ? f.length - text.size() : 0));
    m_dirty = true;
    if (m_autoWrite)
        WriteRecord(m_current);
    return Ok;
}

// --- text ------------------------------------------------------------------

int CdBaseDocument::GetString(int field, QString& value) const
{
    value.clear();
    const int rc = checkField(field, 'C');
    if (rc != Ok)
        return rc;
    value = dbftext::decodeField(GetFieldView(field), codePage());
    return Ok;
}

int CdBaseDocument::SetStringBytes(int field, const QByteArray& value)
{
    const int rc = checkField(field, 'C');
    if (rc != Ok)
        return rc;
    // Trailing blanks are what the padding puts there anyway, so they do not
    // count against the field width.
    qsizetype end = value.size();
    while (end > 0 && value.at(end - 1) == ' ')
        --end;
    return storeField(field, value.left(end), false);
}

int CdBaseDocument::SetString(int field, const QString& value)
{
    return SetStringBytes(field, dbftext::encodeSingleByte(value, codePage()));
}

qsizetype CdBaseDocument::StoredLength(const QString& text) const
{
    return dbftext::storedLength(text, codePage());
}

// --- numbers ---------------------------------------------------------------

int CdBaseDocument::GetInt64(int field, std::int64_t& value) const
{
    value = 0;
    const int rc = checkField(field, 'N');
    if (rc != Ok)
        return rc;
    if (m_header.fields.at(field).decimals > 0)
        return HasDecimals;
    value = dbftext::parseInteger(GetFieldView(field));
    return Ok;
}

int CdBaseDocument::GetLong(int field, std::int32_t& value) const
{
    std::int64_t wide = 0;
    const int rc = GetInt64(field, wide);
    value = std::int32_t(std::clamp<std::int64_t>(wide, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
    return rc;
}

int CdBaseDocument::GetLongValue(int field) const
{
    std::int32_t value = 0;
    const int rc = GetLong(field, value);
    return rc == Ok ? value : rc;
}

int CdBaseDocument::SetLong(int field, std::int32_t value)
{
    const int rc = checkField(field, 'N');
    if (rc != Ok)
        return rc;
    if (m_header.fields.at(field).decimals > 0)
        return HasDecimals;
    return storeField(field, integerText(value), true);
}

int CdBaseDocument::GetShort(int field, std::uint16_t& value) const
{
    value = 0;
    std::int32_t wide = 0;
    const int rc = GetLong(field, wide);
    if (rc != Ok)
        return rc;
    if (wide < 0 || wide > 0xFFFF)
        return NotShort;
    value = std::uint16_t(wide);
    return Ok;
}

int CdBaseDocument::SetShort(int field, std::uint16_t value)
{
    return SetLong(field, value);
}

int CdBaseDocument::GetDouble(int field, double& value) const
{
    value = 0.0;
    const int rc = checkField(field, 'N');
    if (rc != Ok)
        return rc;
    value = dbftext::parseDouble(GetFieldView(field));
    return Ok;
}

int CdBaseDocument::SetDouble(int field, double value)
{
    const int rc = checkField(field, 'N');
    if (rc != Ok)
        return rc;
    const int decimals = m_header.fields.at(field).decimals;
    if (decimals == 0)
        return NoDecimals;
    if (!std::isfinite(value))
        return TooLong;
    // Fixed-point text independent of the process locale (always a point).
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return TooLong;
    return storeField(field, QByteArray(buf, r.ptr - buf), true);
}

// --- logical ---------------------------------------------------------------

int CdBaseDocument::GetLogical(int field, bool& value) const
{
    value = false;
    const int rc = checkField(field, 'L');
    if (rc != Ok)
        return rc;
    if (m_header.fields.at(field).decimals > 0)
        return LogicalDecimals;
    const QByteArray bytes = GetFieldBytes(field);
    value = !bytes.isEmpty() && QByteArrayView("JTjt").contains(bytes.at(0));
    return Ok;
}

int CdBaseDocument::SetLogical(int field, bool value)
{
    const int rc = checkField(field, 'L');
    if (rc != Ok)
        return rc;
    return storeField(field, value ? QByteArray("T") : QByteArray("F"), false);
}

// --- dates -----------------------------------------------------------------

int CdBaseDocument::GetDateRaw(int field, QByteArray& value) const
{
    value.clear();
    const int rc = checkField(field, 'D');
    if (rc != Ok)
        return rc;
    value = GetFieldBytes(field).left(8);
    return Ok;
}

int CdBaseDocument::GetDateText(int field, QByteArray& value) const
{
    QByteArray raw;
    const int rc = GetDateRaw(field, raw);
    if (rc != Ok || raw.size() != 8 || !isDigits(raw)) {
        value = "00.00.0000";
        return rc;
    }
    value = raw.mid(6, 2) + '.' + raw.mid(4, 2) + '.' + raw.left(4);
    return Ok;
}

int CdBaseDocument::GetDate(int field, QString& value) const
{
    value.clear();
    QByteArray raw;
    const int rc = GetDateRaw(field, raw);
    if (rc != Ok)
        return rc;
    raw = raw.leftJustified(8, ' ');
    value = QString::fromLatin1(raw.mid(6, 2) + '.' + raw.mid(4, 2) + '.' + raw.left(4));
    NormaliseDate(value);
    return Ok;
}

int CdBaseDocument::SetDateText(int field, const QString& text)
{
    const int rc = checkField(field, 'D');
    if (rc != Ok)
        return rc;
    QString normal = text;
    NormaliseDate(normal);
    if (normal.isEmpty())
        return SetDate(field, 0, 0, 0);
    const QStringList parts = normal.split(QLatin1Char('.'));
    const int day = dbftext::parseInteger(parts.value(0));
    const int month = dbftext::parseInteger(parts.value(1));
    const int year = dbftext::parseInteger(parts.value(2));
    if (day > 31 || month < 1 || month > 12 || !validDate(day, month, year))
        return InvalidDate;
    return SetDate(field, day, month, year);
}

int CdBaseDocument::SetDate(int field, int day, int month, int year)
{
    const int rc = checkField(field, 'D');
    if (rc != Ok)
        return rc;
    if (day < 1)
        return storeField(field, QByteArray(8, ' '), false);
    // Other readers refuse the whole table over one impossible date, so
    // only calendar dates are stored.
    if (!validDate(day, month, year))
        return InvalidDate;
    const QByteArray text = QStringLiteral("%1%2%3")
                                .arg(year, 4, 10, QLatin1Char('0'))
                                .arg(month, 2, 10, QLatin1Char('0'))
                                .arg(day, 2, 10, QLatin1Char('0'))
                                .toLatin1();
    return storeField(field, text, false);
}

void CdBaseDocument::NormaliseDate(QString& text)
{
    const qsizetype first = text.indexOf(QLatin1Char('.'));
    const qsizetype second = first < 0 ? -1 : text.indexOf(QLatin1Char('.'), first + 1);
    if (second < 0) {
        text.clear();
        return;
    }
    const int day = dbftext::parseInteger(QStringView(text).left(first));
    const int month = dbftext::parseInteger(QStringView(text).mid(first + 1, second - first - 1));
    const int year = dbftext::parseInteger(QStringView(text).mid(second + 1));
    if (day <= 0 || month <= 0 || year <= 0) {
        text.clear();
        return;
    }
    text = QStringLiteral("%1.%2.%3")
               .arg(day, 2, 10, QLatin1Char('0'))
               .arg(month, 2, 10, QLatin1Char('0'))
               .arg(year, 4, 10, QLatin1Char('0'));
}
