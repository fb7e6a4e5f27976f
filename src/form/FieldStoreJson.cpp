#include "form/FieldStoreJson.h"

#include "form/FieldStore.h"

namespace FieldStoreJson {

QByteArray quoted(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    out += '"';
    static const char hex[] = "0123456789abcdef";
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        switch (u) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20) {
                out += "\\u00";
                out += hex[u >> 4];
                out += hex[u & 0xF];
            } else if (u < 0x80) {
                out += char(u);
            } else {
                // Convert the whole non-ASCII run at once so that surrogate
                // pairs become one UTF-8 sequence.
                qsizetype end = i + 1;
                while (end < text.size() && text.at(end).unicode() >= 0x80)
                    ++end;
                out += QStringView(text).sliced(i, end - i).toUtf8();
                i = end - 1;
            }
        }
    }
    out += '"';
    return out;
}

QByteArray pages(const FieldStore& store)
{
    QByteArray out = "[";
    const int pageCount = store.pageCount();
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1)
            out += ", ";
        out += "{\"page\": " + QByteArray::number(page) + ", \"fields\": [";
        const int fields = store.fieldCount(page);
        for (int f = 0; f < fields; ++f) {
            if (f > 0)
                out += ", ";
            out += "{\"index\": " + QByteArray::number(f) + ", \"text\": " + quoted(store.text(f, page))
                   + ", \"attr\": " + QByteArray::number(store.attr(f, page)) + '}';
        }
        out += "]}";
    }
    out += ']';
    return out;
}

void Object::key(const char* key)
{
    if (m_body.size() > 1)
        m_body += ", ";
    m_body += quoted(QString::fromUtf8(key)) + ": ";
}

Object& Object::add(const char* k, qint64 value)
{
    key(k);
    m_body += QByteArray::number(value);
    return *this;
}

Object& Object::add(const char* k, const QString& value)
{
    key(k);
    m_body += quoted(value);
    return *this;
}

Object& Object::addRaw(const char* k, const QByteArray& value)
{
    key(k);
    m_body += value;
    return *this;
}

} // namespace FieldStoreJson
