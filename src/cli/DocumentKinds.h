#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The document types the tool reads, told apart as the desktop program
// tells them (DocumentFileType: the first bytes, else the extension). dump
// and convert go through this table.
namespace cli {

struct DocumentKind {
    // Reads the file and builds its JSON. Returns false with error set when
    // the file cannot be opened or is damaged; a refused file is read as a
    // document and its message goes to warning.
    std::function<bool(const QString& path, const QByteArray& head, QByteArray* json, QString* warning,
                       QString* error)>
        dump;
    // Reads in and writes out in the type's current version.
    std::function<bool(const QString& in, const QString& out, QString* error)> convert;
};

// The type of a file by its first bytes, or by its extension when they
// name neither type (each type reports a format it does not know itself).
const DocumentKind& documentKindFor(const QByteArray& head, const QString& path);

// Up to the first 15 bytes of a file; false with error set when it cannot
// be opened.
bool readHead(const QString& path, QByteArray* head, QString* error);

} // namespace cli
