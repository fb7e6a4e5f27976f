#include <QTextStream>

#include "cli/CliCommand.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Calculation.h"
#include "dv1/DV1File.h"

namespace {

// Runs the page calculation of a D.V.1 document and saves it, in place or
// to the file named by -o. Prints the two results of every page.
int calc(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    const QString outPath = cli::takeOption(args, QStringLiteral("-o"));
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        io.err << "Aufruf: kestrovane calc DATEI.fdv [-o AUSGABE.fdv]\n";
        return 2;
    }
    const QString inPath = args.first();
    CDV1_Doc doc;
    QString error;
    if (!DV1File::load(inPath, doc, &error)) {
        io.err << inPath << ": " << error << '\n';
        return 1;
    }
    // A refused file was read as an empty document; saving that would
    // overwrite the user's file with nothing.
    if (doc.loadStatus() != CDV1_Doc::LoadOk) {
        io.err << inPath << ": " << CDV1_Doc::LoadStatusMessage(doc.loadStatus()) << '\n';
        return 1;
    }
    CalculatePages(doc);
    if (!DV1File::save(outPath.isEmpty() ? inPath : outPath, doc, &error)) {
        io.err << error << '\n';
        return 1;
    }
    const FieldStore& store = doc.fieldStore();
    for (int page = 2; page <= doc.pageCount(); ++page) {
        io.out << "Seite " << page << ": Feld 56 = \"" << store.text(56, page) << "\", Feld 60 = \""
               << store.text(60, page) << "\"\n";
    }
    return 0;
}

const cli::Registration registration(QStringLiteral("calc"), QStringLiteral("calc DATEI.fdv [-o AUSGABE.fdv]"),
                                     calc);

} // namespace
