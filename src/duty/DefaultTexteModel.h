#pragma once

#include <QString>

class FieldDefinitions;

// What "Voreinstellungen und Vorgabetexte (Einheitspapier)" keeps: the
// standing texts every new Einheitspapier starts with and the form-wide
// switches. load() reads them from the settings store, save() writes them
// back and switches the stamp fields of boxes A and C on or off in the flag
// tables (all four form sets), which the caller then stores.
class DefaultTexteModel
{
public:
    // The address lines a new document takes are cut to this length.
    static constexpr int AddressLineWidth = 49;
    static constexpr int AddressLines = 4;
    // The declarant list: an empty entry, then the four roles.
    static constexpr int DeclarantEntries = 5;
    // The federal-state lists offer the sixteen states, not "99 - Ausland".
    static constexpr int StateEntries = 16;

    // Box 8 ("Feld 8: Empfänger").
    QString address;          // lines joined with CR LF
    QString customsNumber1;
    bool useAddress = false;  // "Vorgabetext benutzen"
    bool notOnPage2 = false;  // "Auf Seite 2 nicht drucken"
    // Box 14 ("Feld 14: Anmelder/Vertreter").
    int declarant = 0;        // list position, -1 none
    QString customsNumber2;
    bool useDeclarant = false;
    // Boxes 17 b and 34 b: list positions 0..15, -1 none.
    int state17 = 0;
    bool useState17 = true;
    int state34 = 0;
    bool useState34 = true;
    // The form-wide switches.
    bool autoFill = true;
    bool stampA = false;
    bool stampC = false;
    bool autoDate = false;
    bool threeLineStamp = true;
    bool showXX = true;

    void load();
    // Writes every key and sets the stamp flags in definitions.
    void save(FieldDefinitions& definitions) const;

    // The four lines "Firma1" .. "Firma4" of an address text: cut at its line
    // breaks, missing lines empty, further lines dropped, each line at most
    // AddressLineWidth characters.
    static QStringList addressLines(const QString& text);
    // The stamp fields of box A (first page and continuation sheet) and of
    // box C (first page) get flag 0 when their stamp is on and the unused
    // mark when it is off, in every form set.
    static void applyStampFlags(FieldDefinitions& definitions, bool stampA, bool stampC);
};
