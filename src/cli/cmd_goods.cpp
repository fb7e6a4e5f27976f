#include <QFile>
#include <QTextStream>

#include "settings/CRegeditManagment.h"
#include "cli/CliCommand.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/GoodsCsvImport.h"
#include "masterdata/TablePath.h"

namespace {

const char* const kUsage = "Aufruf: kestrovane goods import DATEI.csv [--table DATEI.dbf]\n";

// Points the store at the named table; a table that exists keeps its layout,
// a new one gets the current layout.
bool useTable(CKestrovaneStammDaten& store, const QString& path, cli::Io& io)
{
    int kind = CKestrovaneStammDaten::KindCurrent;
    if (tablepath::exists(path)) {
        kind = CKestrovaneStammDaten::DetectKind(path);
        if (kind == 0) {
            io.err << path << ": die Datei hat nicht den Aufbau einer Warentabelle.\n";
            return false;
        }
        if (kind < 0) {
            // Load reports why the table cannot be opened.
            kind = CKestrovaneStammDaten::KindCurrent;
        }
    }
    QString folder, name;
    tablepath::split(path, folder, name);
    return store.SetFile(folder, name, kind) == 0;
}

// Appends the goods of a CSV file to a goods table.
int goods(const QStringList& arguments, cli::Io& io)
{
    QStringList args = arguments;
    const QString table = cli::takeOption(args, QStringLiteral("--table"));
    if (args.size() != 2 || args.first() != QLatin1String("import")) {
        io.err << kUsage;
        return 2;
    }
    QFile csv(args.at(1));
    if (!csv.open(QIODevice::ReadOnly)) {
        io.err << args.at(1) << ": die Datei kann nicht gelesen werden.\n";
        return 1;
    }
    const QByteArray content = csv.readAll();

    CKestrovaneStammDaten store(CRegeditManagment().GetDataDirectory(true));
    if (table.isEmpty() ? store.SetFileFromSettings() != 0 : !useTable(store, table, io))
        return 1;
    QString path;
    store.GetFilePath(path);
    if (store.Load() != 0) {
        io.err << path << ": " << store.errorMessage() << '\n';
        return 1;
    }
    QStringList problems;
    const int stored = GoodsCsvImport::import(content, store, problems);
    for (const QString& problem : problems)
        io.err << problem << '\n';
    if (stored < 0)
        return 1;
    if (!problems.isEmpty()) {
        // All or nothing: the mended file can be imported again as a whole.
        io.err << "Nichts gespeichert: " << problems.size()
               << (problems.size() == 1 ? " Zeile kann" : " Zeilen können")
               << " nicht übernommen werden.\n";
        return 1;
    }
    io.out << stored << (stored == 1 ? " Datensatz" : " Datensätze") << " in " << store.table().GetPathName()
           << " gespeichert.\n";
    return 0;
}

const cli::Registration registration(QStringLiteral("goods"),
                                     QStringLiteral("goods import DATEI.csv [--table DATEI.dbf]"), goods);

} // namespace
