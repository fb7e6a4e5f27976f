#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The document types the tool reads, told apart by the first bytes of a
// file. dump and convert go through this table, so a further document type
// needs one entry in DocumentKinds.cpp and nothing else.
namespace cli {

struct DocumentKind {
    // Whether the first (up to 15) bytes of a file belong to this type.
    std::function<bool(const QByteArray& head)> matches;
    // Reads the file and builds its JSON. Returns false with error set when
    // the file cannot be opened or is damaged; a refused file is read as a
    // document and its message goes to warning.
    std::function<bool(const QString& path, const QByteArray& head, QByteArray* json, QString* warning,
                       QString* error)>
        dump;
    // Reads in and writes out in the type's current version.
    std::function<bool(const QString& in, const QString& out, QString* error)> convert;
};

// The type of a file by its first bytes; the Einheitspapier when nothing
// else claims them (it reports unknown formats itself).
const DocumentKind& documentKindFor(const QByteArray& head);

// Up to the first 15 bytes of a file; false with error set when it cannot
// be opened.
bool readHead(const QString& path, QByteArray* head, QString* error);

} // namespace cli
