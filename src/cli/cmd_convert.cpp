#include <QTextStream>

#include "cli/CliCommand.h"
#include "cli/DocumentKinds.h"

namespace {

// Reads a document of any version its type knows and writes it in the
// current one.
int convert(const QStringList& args, cli::Io& io)
{
    if (args.size() != 2) {
        io.err << "Aufruf: kestrovane convert EINGABE AUSGABE\n";
        return 2;
    }
    QByteArray head;
    QString error;
    if (!cli::readHead(args.at(0), &head, &error)) {
        io.err << error << '\n';
        return 1;
    }
    if (!cli::documentKindFor(head, args.at(0)).convert(args.at(0), args.at(1), &error)) {
        io.err << args.at(0) << ": " << error << '\n';
        return 1;
    }
    return 0;
}

const cli::Registration registration(QStringLiteral("convert"), QStringLiteral("convert EINGABE AUSGABE"), convert);

} // namespace
