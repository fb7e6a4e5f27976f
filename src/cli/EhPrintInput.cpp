#include "cli/EhPrintInput.h"

#include <QTextStream>

#include "form/CEinheitspapierDoc.h"
#include "form/FieldDefinitions.h"
#include "settings/CRegeditManagment.h"
#include "settings/StringTable.h"

namespace cli {

bool loadEinheitspapier(CEinheitspapierDoc& doc, const QString& path, QTextStream& err)
{
    QString error;
    if (!doc.load(path, &error)) {
        err << path << ": " << error << '\n';
        return false;
    }
    if (doc.loadStatus() != 0) {
        err << path << ": " << StringTable::text(doc.loadStatus()) << '\n';
        return false;
    }
    return true;
}

FieldDefinitions storedFieldDefinitions()
{
    CRegeditManagment registry;
    registry.InitialiseForReading();
    FieldDefinitions definitions;
    definitions.load(registry, FieldDefinitions::StoreRepair::Leave);
    return definitions;
}

} // namespace cli
