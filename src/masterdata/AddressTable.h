#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "masterdata/CdBaseDocument.h"

// The address master data of box 8: a table with four address lines
// (ADRESS1 .. ADRESS4, 80 characters each) and a customs number (ZOLLNR, 25).
class AddressTable
{
public:
    static constexpr int LineCount = 4;
    static constexpr int LineWidth = 80;
    static constexpr int CustomsNumberWidth = 25;

    struct Entry {
        qint64 record = 0;
        QString firstLine;
    };

    // The table's path from "AdressdatenDatei"; when that is empty or "@",
    // the data folder + "Adress1.dbf", which is then written back.
    static QString PathFromSettings(const QString& dataDirectory);
    // The table in the data folder: "Adress1.dbf".
    static QString DefaultPath(const QString& dataDirectory);

    // Opens the table; false when it cannot be opened (the caller may then
    // offer to create it) with errorMessage() set.
    bool Open(const QString& path);
    // Creates the table with its five fields (an existing file is left
    // untouched), writes the first record "Erster Eintrag" into a new one
    // and opens it.
    bool Create(const QString& path);
    void Close() { m_table.CloseTable(); }

    // The active records with their first line, in record order.
    QList<Entry> Entries();
    // The four lines joined with CR LF, and the customs number.
    bool Read(qint64 record, QString& addressText, QString& customsNumber);
    // Stores an address: record 0 appends a new one (not stored when its
    // first line is empty; the result is 0 then), any other record number
    // is rewritten. The text is cut at its line breaks into the first four
    // lines, each without leading white space. Nothing is written when a
    // line or the customs number is wider than its field. Returns the record
    // number written, 0 or -1.
    qint64 Store(qint64 record, const QString& addressText, const QString& customsNumber);

    // The first four lines of an address text, leading white space removed.
    static QStringList SplitAddress(const QString& addressText);

    QString errorMessage() const { return m_error; }
    CdBaseDocument& table() { return m_table; }

private:
    CdBaseDocument m_table;
    QString m_error;
};
