#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "cli/CliCommand.h"
#include "cli/DocumentJsonInput.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1File.h"
#include "form/CEinheitspapierDoc.h"

namespace {

void putFields(const cli::DocumentJson& json, FieldStore& store)
{
    for (const cli::FilledField& f : json.fields) {
        store.setText(f.index, f.page, f.text);
        if (f.attr)
            store.setAttr(f.index, f.page, *f.attr);
    }
}

// A new document from the JSON: the user's new-document defaults stay out,
// so a field the JSON leaves out is empty.
bool writeEinheitspapier(const cli::DocumentJson& json, const QString& out, QString* error)
{
    CEinheitspapierDoc doc;
    doc.setFormSet(json.formSet);
    doc.setContinuationPageCount(json.continuationPages);
    doc.setInputTax(json.inputTax);
    doc.setReservedWord(json.reserved);
    putFields(json, doc.store());
    return doc.save(out, error);
}

bool writeDv1(const cli::DocumentJson& json, const QString& out, QString* error)
{
    CDV1_Doc doc;
    while (doc.pageCount() < json.pageCount && doc.AddContinuationPage()) {
    }
    if (json.pageCount < doc.pageCount())
        doc.fieldStore().setContinuationPageCount(json.pageCount - 1, 0);
    if (json.answerBoxes)
        doc.setAnswerBoxes(*json.answerBoxes);
    putFields(json, doc.fieldStore());
    return DV1File::save(out, doc, error);
}

// Creates a document from the JSON that "dump" prints.
int fill(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    const QString out = cli::takeOption(args, QStringLiteral("-o"));
    if (args.size() != 1 || out.isEmpty()) {
        io.err << "Aufruf: kestrovane fill DATEN.json -o AUSGABE.aef|AUSGABE.fdv\n";
        return 2;
    }
    const QString& in = args.first();
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly)) {
        io.err << in << ": Die Datei kann nicht gelesen werden (" << file.errorString() << ").\n";
        return 1;
    }
    cli::DocumentJson json;
    QString error;
    if (!cli::parseDocumentJson(file.readAll(), &json, &error)) {
        io.err << in << ": " << error << '\n';
        return 1;
    }
    // The extension says the type to the program and to the desktop; a
    // mismatch would make a file that opens as the other form.
    const bool dv1 = json.type == cli::DocumentJson::Type::Dv1;
    const QString suffix = dv1 ? QStringLiteral("fdv") : QStringLiteral("aef");
    if (QFileInfo(out).suffix().compare(suffix, Qt::CaseInsensitive) != 0) {
        io.err << out << ": " << (dv1 ? "Eine D.V.1" : "Ein Einheitspapier") << " wird als ." << suffix
               << "-Datei geschrieben.\n";
        return 1;
    }
    if (!(dv1 ? writeDv1(json, out, &error) : writeEinheitspapier(json, out, &error))) {
        io.err << out << ": " << error << '\n';
        return 1;
    }
    return 0;
}

const cli::Registration registration(QStringLiteral("fill"), QStringLiteral("fill DATEN.json -o AUSGABE.aef|AUSGABE.fdv"),
                                     fill);

} // namespace
