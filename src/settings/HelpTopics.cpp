#include "settings/HelpTopics.h"

#include <QDir>
#include <QFileInfo>

namespace HelpTopics {

const QList<Topic>& all()
{
    static const QList<Topic> topics{
        {NewDocument, "programm.html#dokumente"},
        {NewEinheitspapier, "einheitspapier.html#formularsatz"},
        {Einheitspapier, "einheitspapier.html"},
        {BoxPickers, "einheitspapier.html#vorgaben"},
        {Box44, "einheitspapier.html#feld44"},
        // The form defaults and box 47.
        {132, "formularvorgaben.html"},
        {447, "feld47.html"},
        // The goods master data: the lists, then the boxes of a record.
        {130, "stammdaten.html"},
        {431, "stammdaten.html#beschreibung"},
        {433, "stammdaten.html#warennummer"},
        {434, "stammdaten.html#ursprung"},
        // The D.V.1: the boxes of the front, then every box of the other pages.
        {300, "dv1.html#feld1"},
        {301, "dv1.html#feld2b"},
        {302, "dv1.html#feld2a"},
        {303, "dv1.html#feld4"},
        {304, "dv1.html#feld5"},
        {305, "dv1.html#feld6"},
        {306, "dv1.html#feld7"},
        {307, "dv1.html#feld8"},
        {308, "dv1.html#feld9"},
        {309, "dv1.html#feld10a"},
        {310, "dv1.html#feld10b"},
        {312, "dv1.html#rueckseite"},
        // Printing.
        {PrintDialog, "drucken.html"},
        {Margins, "drucken.html#raender"},
        {PrintSizeCorrection, "drucken.html#druckbereich"},
        {PrinterFontSize, "drucken.html#schriftgroessen"},
        {PrintSetup, "drucken.html#druckerauswahl"},
        // Settings and the program.
        {ProgramOptions, "einstellungen.html"},
        {FieldDefinitions, "einstellungen.html#felddefinitionen"},
        {WebUpdate, "programm.html#webupdate"},
        {About, "programm.html"},
    };
    return topics;
}

QString page(int context)
{
    for (const Topic& t : all()) {
        if (t.context == context)
            return QString::fromLatin1(t.page);
    }
    return QString::fromLatin1(ContentsPage);
}

bool hasTopic(int context)
{
    for (const Topic& t : all()) {
        if (t.context == context)
            return true;
    }
    return false;
}

QStringList manualCandidates(const QString& programDirectory)
{
    QStringList folders;
    if (!programDirectory.isEmpty())
        folders << QDir::cleanPath(programDirectory + QStringLiteral("/../share/kestrovane-import/help"));
    folders << QStringLiteral(KV_HELP_INSTALL_DIR) << QStringLiteral(KV_HELP_SOURCE_DIR);
    folders.removeDuplicates();
    return folders;
}

QString manualFolder(const QString& programDirectory)
{
    for (const QString& folder : manualCandidates(programDirectory)) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(ContentsPage)))
            return folder;
    }
    return QString();
}

} // namespace HelpTopics
