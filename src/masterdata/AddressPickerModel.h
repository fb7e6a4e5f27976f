#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "masterdata/AddressTable.h"

// What the address picker of boxes 2 and 8 ("Adressdaten") does: it lists
// the addresses of the address table sorted by their first line, shows the
// selected one, edits it or a new one and stores it in the table at once.
// The table stays open while the model lives.
class AddressPickerModel
{
public:
    using Entry = AddressTable::Entry;
    enum class OpenResult { Opened, Declined, Failed };

    // Opens the table at path. A table that does not exist yet is created
    // (with its first record "Erster Eintrag") when askCreate says yes;
    // Declined when it says no. Failed, with errorMessage() naming the file
    // and the reason, when the file cannot be opened or created.
    OpenResult open(const QString& path, const std::function<bool()>& askCreate);
    QString errorMessage() const { return m_error; }

    // The addresses in list order.
    const QList<Entry>& entries() const { return m_entries; }
    int selectedRow() const { return m_row; }
    // Selects a row (-1: none) and shows its record.
    void selectRow(int row);
    // The row of the address whose first line is the first line of boxText
    // (case ignored); the first row when no address has it.
    int rowFor(const QString& boxText) const;

    // What the picker shows: the four lines joined with CR LF, the customs
    // number.
    QString shownAddress() const { return m_address; }
    QString shownCustomsNumber() const { return m_customs; }
    // The address for the box: without the empty lines at its end.
    QString resultAddress() const;

    bool editing() const { return m_editing; }
    bool editingNew() const { return m_new; }
    // "Bearbeiten": edits the shown record (only with a row selected).
    bool beginEdit();
    // "Neuer Datensatz": edits a new, empty record.
    void beginNew();
    // "Speichern": stores the record, leaves editing, refreshes the list and
    // selects the stored address. False, with errorMessage() set and still
    // editing, when it cannot be stored: a new address needs a first line,
    // and every line and the customs number must fit the table.
    bool save(const QString& address, const QString& customsNumber);
    // Leaves editing and shows the selected record again.
    void cancelEdit();

private:
    void reload();
    void show(qint64 record);

    AddressTable m_table;
    QString m_path;
    QList<Entry> m_entries;
    int m_row = -1;
    QString m_address;
    QString m_customs;
    bool m_editing = false;
    bool m_new = false;
    QString m_error;
};
