#include <QTextStream>

#include "cli/CliCommand.h"
#include "cli/DocumentKinds.h"
#include "cli/Dv1Cli.h"
#include "duty/Feld47Box.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Calculation.h"
#include "dv1/DV1File.h"
#include "dv1/DocumentFileType.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "settings/StringTable.h"

namespace {

// Runs the page calculation of a D.V.1 document and saves it. Prints the two
// results of every page.
int calcDv1(const QString& inPath, const QString& outPath, cli::Io& io)
{
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
    if (!DV1File::save(outPath, doc, &error)) {
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

// Normalises the amounts and recomputes the totals of every box 47 of an
// Einheitspapier and saves it. Prints the totals of every page.
int calcEinheitspapier(const QString& inPath, const QString& outPath, cli::Io& io)
{
    CEinheitspapierDoc doc;
    QString error;
    if (!doc.load(inPath, &error)) {
        io.err << inPath << ": " << error << '\n';
        return 1;
    }
    if (doc.loadStatus() != 0) {
        io.err << inPath << ": " << StringTable::text(doc.loadStatus()) << '\n';
        return 1;
    }
    FieldStore& store = doc.store();
    Feld47Document::recalculate(store);
    if (!doc.save(outPath, &error)) {
        io.err << error << '\n';
        return 1;
    }
    const auto total = [&store](int field, int page) {
        return QStringLiteral("\"%1\"").arg(store.text(Feld47Box::openedBy(field, page)->totalField(), page));
    };
    io.out << "Seite 1: Feld 47 = " << total(EhField::Box47, 1) << '\n';
    for (int page = 2; page <= store.pageCount(); ++page) {
        io.out << "Seite " << page << ": 47-1 = " << total(EhField::Cont::Box47Position1, page)
               << ", 47-2 = " << total(EhField::Cont::Box47Position1 + 1, page)
               << ", 47-3 = " << total(EhField::Cont::Box47Position3, page)
               << ", 47 (Summe) = " << total(EhField::Cont::Box47Summary, page) << '\n';
    }
    return 0;
}

// The D.V.1 by its magic; a file of neither magic by its extension.
bool isDv1File(const QString& path, const QByteArray& head)
{
    return DocumentFileType::fromHead(head, path) == DocumentFileType::Type::Dv1;
}

// The calculation of a document, in place or into the file named by -o:
// the page totals of a D.V.1, the box 47 amounts and totals of an
// Einheitspapier.
int calc(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    const QString outPath = cli::takeOption(args, QStringLiteral("-o"));
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        io.err << "Aufruf: kestrovane calc DATEI.aef|DATEI.fdv [-o AUSGABE]\n";
        return 2;
    }
    const QString inPath = args.first();
    QByteArray head;
    QString error;
    if (!cli::readHead(inPath, &head, &error)) {
        io.err << error << '\n';
        return 1;
    }
    const QString target = outPath.isEmpty() ? inPath : outPath;
    return isDv1File(inPath, head) ? calcDv1(inPath, target, io) : calcEinheitspapier(inPath, target, io);
}

const cli::Registration registration(QStringLiteral("calc"),
                                     QStringLiteral("calc DATEI.aef|DATEI.fdv [-o AUSGABE]"), calc);

} // namespace
