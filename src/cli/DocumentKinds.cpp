#include "cli/DocumentKinds.h"
#include "cli/Dv1Cli.h"

#include <QFile>

#include "dv1/DocumentFileType.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhFormat.h"
#include "form/FieldStoreJson.h"
#include "settings/StringTable.h"

namespace cli {

namespace {

bool dumpEinheitspapier(const QString& path, const QByteArray& head, QByteArray* json, QString* warning,
                        QString* error)
{
    CEinheitspapierDoc doc;
    if (!doc.load(path, error))
        return false;
    if (doc.loadStatus() != 0)
        *warning = StringTable::text(doc.loadStatus());
    *json = FieldStoreJson::Object()
                .add("type", QStringLiteral("Einheitspapier"))
                .add("magic", QString::fromLatin1(head))
                .add("loadStatus", doc.loadStatus())
                .add("formSet", doc.formSet())
                .add("continuationPages", doc.continuationPageCount())
                .add("inputTax", doc.inputTax() ? 1 : 0)
                .add("reserved", doc.reservedWord())
                .addRaw("pages", FieldStoreJson::pages(doc.store()))
                .toJson();
    return true;
}

bool convertEinheitspapier(const QString& in, const QString& out, QString* error)
{
    CEinheitspapierDoc doc;
    if (!doc.load(in, error))
        return false;
    // A refused file reads as an empty document; writing that out would
    // pass off an empty form as the converted file.
    if (doc.loadStatus() != 0) {
        *error = StringTable::text(doc.loadStatus());
        return false;
    }
    return doc.save(out, error);
}

} // namespace

const DocumentKind& documentKindFor(const QByteArray& head, const QString& path)
{
    static const DocumentKind einheitspapier{dumpEinheitspapier, convertEinheitspapier};
    static const DocumentKind dv1 = dv1DocumentKind();
    return DocumentFileType::fromHead(head, path) == DocumentFileType::Type::Dv1 ? dv1 : einheitspapier;
}

bool readHead(const QString& path, QByteArray* head, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = EhFormat::openErrorText(path, file.errorString());
        return false;
    }
    *head = file.read(EhFormat::MagicSize);
    return true;
}

} // namespace cli
