#pragma once

#include <QList>
#include <QString>

// A document type as the desktop sees it: the extension, the file type name
// the file manager shows, and the MIME type our package declares for it.
struct ShellDocumentType {
    QString documentName;   // "EhForm", "DV1form"
    QString extension;      // ".aef"
    QString fileTypeName;   // "Einheitspapier"
    QString mimeType;

    // The icon the desktop shows for the type: named after the MIME type,
    // as shared-mime-info looks it up when the package names none.
    QString iconName() const;

    // The program's two types, the Einheitspapier first.
    static const QList<ShellDocumentType>& programTypes();
};
