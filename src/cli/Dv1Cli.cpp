#include "cli/Dv1Cli.h"

#include <QFile>
#include <QTextStream>

#include "dv1/CDV1_Doc.h"
#include "dv1/DV1File.h"
#include "form/FieldStoreJson.h"

namespace cli {

namespace {

// The magic as the file holds it: the D.V.1's is one byte longer than the
// head the dispatch looks at.
QString fullMagic(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(DV1File::MagicSize));
}

QByteArray answerBoxesJson(const CDV1_Doc& doc)
{
    QByteArray out = "[";
    for (std::size_t i = 0; i < doc.answerBoxes().size(); ++i) {
        if (i > 0)
            out += ", ";
        out += QByteArray::number(doc.answerBoxes()[i]);
    }
    return out + ']';
}

bool dumpDv1(const QString& path, const QByteArray&, QByteArray* json, QString* warning, QString* error)
{
    CDV1_Doc doc;
    if (!DV1File::load(path, doc, error))
        return false;
    if (doc.loadStatus() != CDV1_Doc::LoadOk)
        *warning = CDV1_Doc::LoadStatusMessage(doc.loadStatus());
    *json = FieldStoreJson::Object()
                .add("type", QStringLiteral("D.V.1"))
                .add("magic", fullMagic(path))
                .add("loadStatus", doc.loadStatus())
                .add("pageCount", doc.pageCount())
                .addRaw("answerBoxes", answerBoxesJson(doc))
                .addRaw("pages", FieldStoreJson::pages(doc.fieldStore()))
                .toJson();
    return true;
}

bool convertDv1(const QString& in, const QString& out, QString* error)
{
    CDV1_Doc doc;
    if (!DV1File::load(in, doc, error))
        return false;
    // A refused file reads as an empty document, which is no conversion.
    if (doc.loadStatus() != CDV1_Doc::LoadOk) {
        *error = CDV1_Doc::LoadStatusMessage(doc.loadStatus());
        return false;
    }
    return DV1File::save(out, doc, error);
}

} // namespace

bool loadDv1(CDV1_Doc& doc, const QString& path, QTextStream& err)
{
    QString error;
    if (!DV1File::load(path, doc, &error)) {
        err << path << ": " << error << '\n';
        return false;
    }
    if (doc.loadStatus() != CDV1_Doc::LoadOk) {
        err << path << ": " << CDV1_Doc::LoadStatusMessage(doc.loadStatus()) << '\n';
        return false;
    }
    return true;
}

DocumentKind dv1DocumentKind()
{
    return {dumpDv1, convertDv1};
}

int newDv1Document(const QStringList& args, Io& io)
{
    if (args.size() != 1) {
        io.err << "Aufruf: kestrovane new --dv1 AUSGABE.fdv\n";
        return 2;
    }
    CDV1_Doc doc;
    QString error;
    if (!DV1File::save(args.first(), doc, &error)) {
        io.err << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace cli
