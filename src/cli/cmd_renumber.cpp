#include <QTextStream>

#include "cli/CliCommand.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhDocumentOperations.h"
#include "settings/StringTable.h"

namespace {

// Numbers boxes 3, 5 and 32 of an Einheitspapier, as the menu command does,
// and saves it in place or to -o.
int renumber(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    QString out = cli::takeOption(args, QStringLiteral("-o"));
    if (args.size() != 1) {
        io.err << "Aufruf: kestrovane renumber DATEI.aef [-o AUSGABE.aef]\n";
        return 2;
    }
    if (out.isEmpty())
        out = args.at(0);
    CEinheitspapierDoc doc;
    QString error;
    if (!doc.load(args.at(0), &error)) {
        io.err << args.at(0) << ": " << error << '\n';
        return 1;
    }
    if (doc.loadStatus() != 0) {
        io.err << args.at(0) << ": " << StringTable::text(doc.loadStatus()) << '\n';
        return 1;
    }
    EhDocumentOperations::renumber(doc);
    if (!doc.save(out, &error)) {
        io.err << error << '\n';
        return 1;
    }
    return 0;
}

const cli::Registration registration(QStringLiteral("renumber"),
                                     QStringLiteral("renumber DATEI.aef [-o AUSGABE.aef]"), renumber);

} // namespace
