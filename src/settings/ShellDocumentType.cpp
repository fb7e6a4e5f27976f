#include "settings/ShellDocumentType.h"

const QList<ShellDocumentType>& ShellDocumentType::programTypes()
{
    // The MIME types match the package in data/kestrovane-import.xml.
    static const QList<ShellDocumentType> types{
        {QStringLiteral("EhForm"), QStringLiteral(".aef"), QStringLiteral("Einheitspapier"),
         QStringLiteral("application/x-kestrovane-einheitspapier")},
        {QStringLiteral("DV1form"), QStringLiteral(".fdv"), QStringLiteral("DV1-Dokument"),
         QStringLiteral("application/x-kestrovane-dv1")},
    };
    return types;
}

QString ShellDocumentType::iconName() const
{
    return QString(mimeType).replace(QLatin1Char('/'), QLatin1Char('-'));
}
