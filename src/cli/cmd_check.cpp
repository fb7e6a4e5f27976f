#include <QTextStream>

#include "check/Dv1Check.h"
#include "check/EhCheck.h"
#include "cli/CliCommand.h"
#include "cli/DocumentKinds.h"
#include "cli/Dv1Cli.h"
#include "cli/EhPrintInput.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DocumentFileType.h"
#include "form/CEinheitspapierDoc.h"
#include "form/FieldDefinitions.h"

namespace {

// The exit code of a check that found something: scripts tell it apart from
// a file that could not be read (1) and from a wrong call (2).
constexpr int FoundSomething = 3;

// Prints the plausibility check of a document as JSON.
int check(const QStringList& args, cli::Io& io)
{
    if (args.size() != 1) {
        io.err << "Aufruf: kestrovane check DATEI\n";
        return 2;
    }
    const QString& path = args.first();
    QByteArray head;
    QString error;
    if (!cli::readHead(path, &head, &error)) {
        io.err << error << '\n';
        return 1;
    }
    CheckFindings findings;
    QString type;
    if (DocumentFileType::fromHead(head, path) == DocumentFileType::Type::Dv1) {
        CDV1_Doc doc;
        if (!cli::loadDv1(doc, path, io.err))
            return 1;
        type = QStringLiteral("D.V.1");
        findings = Dv1Check::run(doc);
    } else {
        CEinheitspapierDoc doc;
        if (!cli::loadEinheitspapier(doc, path, io.err))
            return 1;
        type = QStringLiteral("Einheitspapier");
        findings = EhCheck::run(doc, cli::storedFieldDefinitions());
    }
    io.out << QString::fromUtf8(CheckFindingList::toJson(path, type, findings)) << '\n';
    return findings.isEmpty() ? 0 : FoundSomething;
}

const cli::Registration registration(QStringLiteral("check"), QStringLiteral("check DATEI"), check);

} // namespace
