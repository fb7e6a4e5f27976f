#pragma once

#include <QByteArray>

#include <cstdint>

#include "form/EhFieldFlags.h"

class CRegeditManagment;

// The two field flag tables the program works with: the first-page table
// (616 bytes) and the continuation table (856 bytes), one byte per field and
// form set. They start as the built-in tables; the program replaces them at
// start-up with the user's definitions from the store, and the field
// definitions editor saves them back. The program owns one set and hands it
// to every view (and so to printing); the command-line tool and tests make
// their own.
//
// The store is read once at start-up because a change only takes effect
// after the program restarts.
class FieldDefinitions
{
public:
    using PageKind = EhFieldFlags::PageKind;

    // The section of the per-user binary store and the value names.
    static constexpr const char* Section = "EHForm_Defaults";
    static constexpr const char* FormerSection = "Settings";
    static constexpr const char* FieldDef_EH1 = "FieldDef_EH1";
    static constexpr const char* FieldDef_EH2 = "FieldDef_EH2";

    FieldDefinitions();

    const QByteArray& table(PageKind kind) const;
    // False (and nothing changes) unless table has exactly the table's size.
    bool setTable(PageKind kind, const QByteArray& table);
    std::uint8_t flag(PageKind kind, int field, int formSet) const;
    void setFlag(PageKind kind, int field, int formSet, std::uint8_t value);

    // Whether load() may mend the store.
    enum class StoreRepair { Write, Leave };

    // Reads both tables from the store. A table whose stored size is not the
    // expected one reads as the built-in table; with StoreRepair::Write it is
    // also replaced in the store by the built-in table, and the values that
    // earlier versions kept in "Settings" are removed.
    void load(CRegeditManagment& registry, StoreRepair repair = StoreRepair::Write);
    // Writes both tables and their sizes. A size is written only after its
    // table was, so the store never claims a table it does not hold.
    bool save(CRegeditManagment& registry) const;
    // Back to the built-in tables ("Originalwerte für alle Felder").
    void resetToDefaults();

private:
    void loadTable(CRegeditManagment& registry, PageKind kind, StoreRepair repair);

    QByteArray m_first;
    QByteArray m_continuation;
};
