#include <QTextStream>

#include "cli/CliCommand.h"
#include "cli/DocumentKinds.h"

namespace {

// Prints a document as JSON: its values and every field of every page.
int dump(const QStringList& args, cli::Io& io)
{
    if (args.size() != 1) {
        io.err << "Aufruf: kestrovane dump DATEI\n";
        return 2;
    }
    const QString& path = args.first();
    QByteArray head;
    QString error;
    if (!cli::readHead(path, &head, &error)) {
        io.err << error << '\n';
        return 1;
    }
    QByteArray json;
    QString warning;
    if (!cli::documentKindFor(head, path).dump(path, head, &json, &warning, &error)) {
        io.err << path << ": " << error << '\n';
        return 1;
    }
    if (!warning.isEmpty())
        io.err << warning << '\n';
    io.out << QString::fromUtf8(json) << '\n';
    return 0;
}

const cli::Registration registration(QStringLiteral("dump"), QStringLiteral("dump DATEI"), dump);

} // namespace
