#pragma once

#include <QByteArray>
#include <QString>

// Which of the program's two document types a file is. The first bytes
// decide when they name a type ("QZN-EHForm@..." or "QZN-DV1Form@...",
// whatever version follows); a file whose bytes name neither (empty, too
// short, or from another program) goes by its extension: ".fdv" is a D.V.1,
// anything else an Einheitspapier. Each type's reader then reports a format
// it does not know itself.
//
// The desktop program, `kestrovane dump` and `convert` all decide through
// here, so a file opens as the same type everywhere.
namespace DocumentFileType {

enum class Type { Einheitspapier, Dv1 };

inline constexpr char Dv1Extension[] = ".fdv";
// Enough of a file's start to tell the types apart.
inline constexpr int HeadSize = 16;

Type fromHead(const QByteArray& head, const QString& path);
// Reads the head of the file; a file that cannot be read goes by its name.
Type ofFile(const QString& path);

} // namespace DocumentFileType
