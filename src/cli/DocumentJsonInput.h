#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// A document described in the JSON that "kestrovane dump" prints, read for
// "kestrovane fill": its type, the values of its kind, and the fields by
// page and index. Everything is checked before a document is made, so bad
// input never leaves half a file behind; each refusal names the JSON path
// ("$.pages[0].fields[3].text") and the reason in German.
namespace cli {

struct FilledField {
    int page = 1;
    int index = 0;
    QString text;
    std::optional<std::uint16_t> attr;
};

struct DocumentJson {
    enum class Type { Einheitspapier, Dv1 };
    Type type = Type::Einheitspapier;
    // Einheitspapier
    int formSet = 0;
    int continuationPages = 1;
    bool inputTax = false;
    std::uint32_t reserved = 0;
    // D.V.1
    int pageCount = 2;
    std::optional<QByteArray> answerBoxes;
    QList<FilledField> fields;
};

// The longest field text taken: what the file format writes with its
// 16-bit length. No box of either form holds a fraction of it.
inline constexpr int MaxFieldText = 0xFFFD;

// Reads the JSON. False with error set ("$.formSet: ...") on bad input.
bool parseDocumentJson(const QByteArray& data, DocumentJson* document, QString* error);

} // namespace cli
