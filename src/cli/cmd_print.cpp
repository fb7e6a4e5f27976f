#include <QPageSize>
#include <QPdfWriter>
#include <QTextStream>

#include "cli/CliCommand.h"
#include "cli/Dv1Cli.h"
#include "cli/EhPrintInput.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DocumentFileType.h"
#include "form/FieldDefinitions.h"
#include "form/CEinheitspapierDoc.h"
#include "print/DV1PrintJob.h"
#include "print/EhPrintJob.h"
#include "view/FormPainter.h"

namespace {

constexpr const char* Usage = "print DATEI.aef|DATEI.fdv --page N [--copies C] -o AUSGABE.pdf";

// Fine enough that a PDF viewer shows the positions to the hundredth of a
// millimetre.
constexpr int Resolution = 1200;
constexpr int MaxCopies = 9;

// What the printer would get for one page of a document: the field texts of
// that sheet with the margins and corrections of the settings, once per copy.
int print(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    const QString out = cli::takeOption(args, QStringLiteral("-o"));
    const QString pageText = cli::takeOption(args, QStringLiteral("--page"));
    const QString copiesText = cli::takeOption(args, QStringLiteral("--copies"));
    bool pageOk = false;
    bool copiesOk = true;
    const int page = pageText.toInt(&pageOk);
    const int copies = copiesText.isEmpty() ? 1 : copiesText.toInt(&copiesOk);
    if (out.isEmpty() || !out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) || !pageOk || !copiesOk
        || args.size() != 1) {
        io.err << "Aufruf: kestrovane " << Usage << '\n';
        return 2;
    }
    if (copies < 1 || copies > MaxCopies) {
        io.err << "Die Anzahl der Exemplare muss zwischen 1 und " << MaxCopies << " liegen.\n";
        return 2;
    }

    // Either form, chosen as the desktop program chooses it.
    CEinheitspapierDoc ehDoc;
    CDV1_Doc dv1Doc;
    const bool dv1 = DocumentFileType::ofFile(args.first()) == DocumentFileType::Type::Dv1;
    if (!(dv1 ? cli::loadDv1(dv1Doc, args.first(), io.err) : cli::loadEinheitspapier(ehDoc, args.first(), io.err)))
        return 1;
    const int pageCount = dv1 ? dv1Doc.pageCount() : ehDoc.store().pageCount();
    if (page < 1 || page > pageCount) {
        io.err << "Die Seite " << pageText << " gibt es nicht (das Dokument hat " << pageCount << " Seiten).\n";
        return 2;
    }

    QPdfWriter writer(out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    // The PDF page is the printable area: the print starts at its corner.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(Resolution);
    writer.setCreator(QStringLiteral("Kestrovane-Import"));
    const bool printed =
        dv1 ? DV1PrintJob::printCopies(writer, dv1Doc, page, copies)
            : EhPrintJob::printCopies(writer, EhPrintJob::pageOf(ehDoc, page, cli::storedFieldDefinitions()), copies);
    if (!printed) {
        io.err << "Die Datei " << out << " kann nicht geschrieben werden.\n";
        return 1;
    }
    return 0;
}

const cli::Registration registration(QStringLiteral("print"), QString::fromLatin1(Usage), print);

} // namespace
