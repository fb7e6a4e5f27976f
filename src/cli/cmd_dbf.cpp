#include <QTextStream>

#include "cli/CliCommand.h"
#include "masterdata/CdBaseDocument.h"
#include "masterdata/DbfDump.h"

namespace {

// Prints a dBase table as JSON, as this program reads it.
int dbf(const QStringList& args, cli::Io& io)
{
    if (args.size() != 2 || args.first() != QLatin1String("dump")) {
        io.err << "Aufruf: kestrovane dbf dump DATEI.dbf\n";
        return 2;
    }
    const QString& path = args.at(1);
    CdBaseDocument table;
    if (!table.OnOpenDocument(path, true)) {
        io.err << path << ": " << table.errorMessage() << '\n';
        return 1;
    }
    writeDbfJson(table, io.out);
    return 0;
}

const cli::Registration registration(QStringLiteral("dbf"), QStringLiteral("dbf dump DATEI.dbf"), dbf);

} // namespace
