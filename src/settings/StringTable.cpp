#include "settings/StringTable.h"

#include <algorithm>
#include <iterator>

#include "settings/Profile.h"

namespace StringTable {

namespace {

struct Entry {
    int id;
    const char* german;   // UTF-8
    const char* english;  // nullptr: German only
};

// Sorted by id.
constexpr Entry kEntries[] = {
    {17,
     "Die Formulardefinitionen können nicht bei geöffneten Dokumenten geändert werden.\n"
     "Sie haben im Anschluss an diese Meldung die Möglichkeit, offenen Dokumente zu schliessen.",
     nullptr},
    {18, "Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!", nullptr},
    {19, "Dies ist ein Dokument einer älteren Version\nund kann nicht geöffnet werden!", nullptr},
    {20, "Dies ist ein Dokument einer neueren Version\nund kann nicht geöffnet werden!", nullptr},
    {22,
     "Um eine weitere Seite zufügen zu können\nmüssen erst alle Warenpositionen ausgefüllt\nworden sein.\n"
     "(Sie müssen im Feld 31 jeweils mehr als\n5 Zeichen eingegeben)",
     nullptr},
    {23,
     "Möchten Sie die letzte Formularseite wirklich\nlöschen? Alle Daten auf dieser Seite werden\n"
     "unwiderruflich gelöscht.\n\nMöchten Sie fortfahren und die Seite Löschen?",
     nullptr},
    {33, "Die Vorgabedaten wurden gesichert\nund werden beim nächsten neuen\nDokument benutzt.", nullptr},
    {34,
     "In der Spalte ZA sind nur folgende Eingaben zulässig:\n\nB   für Barzahlung\n"
     "C   für Verrechnungsscheck (Banküberweisung)\nD   für Andere\nE   für Zahlungsaufschub",
     nullptr},
    {100,
     "OLE-Initialisierungsfehler. Stellen Sie sicher, dass die OLE-Bibliotheken in der richtigen Version "
     "vorliegen.",
     nullptr},
    {124, "Standard", nullptr},
    {125, "Anpassen...", nullptr},
    {128, "Kestrovane-Import", nullptr},
    {132, "&Fenster...", nullptr},
    {143, "Soll das aktuelle Datum eingefügt werden?", nullptr},
    // 144 and 145 without the paragraph about ending Windows and restarting
    // the computer: re-creating a table restarts nothing here.
    {144,
     "Mit dieser Option wird die aktuelle Datenbankdatei\nfür die Adressdaten gelöscht und eine neue, leere\n"
     "Datei angelegt. Alle bisherigen Daten werden gelöscht!\n\nMöchten Sie wirklich die Datei initialisieren?",
     nullptr},
    {145,
     "Mit dieser Option wird die aktuelle Datenbankdatei\nfür die Warendaten gelöscht und eine neue, leere\n"
     "Datei angelegt. Alle bisherigen Daten werden gelöscht!\n\nMöchten Sie wirklich die Datei initialisieren?",
     nullptr},
    {57344, "Kestrovane-Import", nullptr},
    {61440, "Öffnen", nullptr},
    {61441, "Speichern unter", nullptr},
    {61442, "Alle Dateien (*.*)", nullptr},
};

const Entry* findEntry(int id)
{
    const auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                     [](const Entry& e, int wanted) { return e.id < wanted; });
    return it != std::end(kEntries) && it->id == id ? it : nullptr;
}

} // namespace

Language language()
{
    // Only 0 and 1 name a language; any other stored value would index past
    // the two variants, so it reads as German.
    return Profile::get(Settings::Language) == English ? English : German;
}

QString text(int id)
{
    return text(id, language());
}

QString text(int id, Language lang)
{
    const Entry* e = findEntry(id);
    if (!e)
        return QString();
    if (lang == English && e->english)
        return QString::fromUtf8(e->english);
    return QString::fromUtf8(e->german);
}

bool contains(int id)
{
    return findEntry(id) != nullptr;
}

QString choose(const QString& german, const QString& english)
{
    return language() == English ? english : german;
}

} // namespace StringTable
