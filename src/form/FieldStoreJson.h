#pragma once

#include <QByteArray>
#include <QString>

class FieldStore;

// JSON of documents for the command-line tool and scripts. Keys keep the
// order they are added in (readers of the dump rely on "type" coming
// first), so this is written by hand rather than through QJsonObject,
// which sorts its keys.
namespace FieldStoreJson {

// A JSON string literal, UTF-8, with the escapes JSON requires; CR LF in a
// text stays as \r\n.
QByteArray quoted(const QString& text);

// [{"page": 1, "fields": [{"index": 0, "text": "...", "attr": 3}, ...]}, ...]
// for every field of every page of the store.
QByteArray pages(const FieldStore& store);

// An object written in insertion order: {"a": 1, "b": "x"}.
class Object
{
public:
    Object& add(const char* key, qint64 value);
    Object& add(const char* key, const QString& value);
    // value must already be JSON.
    Object& addRaw(const char* key, const QByteArray& value);
    QByteArray toJson() const { return m_body + '}'; }

private:
    void key(const char* key);
    QByteArray m_body = "{";
};

} // namespace FieldStoreJson
