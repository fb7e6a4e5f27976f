#pragma once

#include <QStringList>

#include "form/FieldDefinitions.h"

class CRegeditManagment;

// The rules of "Felddefinitionen anpassen": one form set and one field of
// the 181-entry list are selected; three of the field's flag bits are shown
// and changed in the live tables at once. OK saves the live tables to the
// store, Cancel reads them back from it, undoing every change.
class FieldDefinitionsEditor
{
public:
    // The three bits the editor shows; every other bit stays as it is.
    struct Checks {
        bool notEditable = false;   // 0x02 "nicht &editierbar"
        bool notPrinted = false;    // 0x01 "nicht &drucken"
        bool hidden = false;        // 0x08 "im &Bildschirm nicht anzeigen"
        bool operator==(const Checks&) const = default;
    };

    FieldDefinitionsEditor(FieldDefinitions& live, CRegeditManagment& registry);

    // "Formular 0737/0738" ... "Formular 0779/0780".
    static QStringList formSetNames();
    // "Seite 1 - Feld 1 A" ... "Seite 2 - 47 (Summe)".
    static QStringList fieldNames();
    // Entries 0-102 are first-page fields of that number, 103-180 the
    // continuation fields entry - 103.
    static FieldDefinitions::PageKind pageKindOf(int entry);
    static int fieldOf(int entry);

    int formSet() const { return m_formSet; }
    int entry() const { return m_entry; }
    // Out-of-range values are clamped to the lists.
    void select(int formSet, int entry);

    Checks checks() const;
    void setChecks(const Checks& checks);

    // "Originalwerte für alle Felder": the built-in tables, all form sets.
    void resetAll();
    // OK: false when the store refused the tables.
    bool save();
    // Cancel.
    void revert();

private:
    FieldDefinitions& m_live;
    CRegeditManagment& m_registry;
    int m_formSet = 0;
    int m_entry = 0;
};
