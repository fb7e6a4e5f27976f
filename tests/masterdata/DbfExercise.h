#pragma once

// Reads everything a table offers through every read operation: the common
// body of the table reader's fuzz target and of the test that replays what
// the fuzzer found.
#include <QString>
#include <QTextStream>

#include "masterdata/CdBaseDocument.h"
#include "masterdata/DbfDump.h"

namespace dbfexercise {

// Opens the file read-only and reads it whole; returns whether it opened.
inline bool readAll(const QString& path)
{
    CdBaseDocument table;
    if (!table.OnOpenDocument(path, true))
        return false;
    QString json;
    QTextStream out(&json);
    writeDbfJson(table, out);
    // The block reader the goods store and the sort index use.
    table.ReadRecords(1, 64, [&](qint64) {
        for (int k = 0; k < table.GetFieldCount(); ++k) {
            QString text;
            std::int32_t l = 0;
            std::uint16_t s = 0;
            double d = 0;
            bool b = false;
            QByteArray raw;
            table.GetString(k, text);
            table.GetLongValue(k);
            table.GetLong(k, l);
            table.GetShort(k, s);
            table.GetDouble(k, d);
            table.GetLogical(k, b);
            table.GetDateRaw(k, raw);
            table.GetDateText(k, raw);
            table.GetDate(k, text);
        }
    });
    return true;
}

} // namespace dbfexercise
