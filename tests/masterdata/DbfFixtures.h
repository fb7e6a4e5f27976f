#pragma once

#include <QByteArray>
#include <QList>

// Hand-made table files, built byte by byte from the dBase III layout.
namespace dbffixture {

struct Field {
    const char* name;
    char type;
    int length;
    int decimals = 0;
};

// The header of a table: 32-byte prefix (update date 2024-03-07), one
// descriptor per field, the 0x0D terminator, then `extraRoom` zero bytes
// counted into the header length. recordLength -1 means 1 + the widths.
QByteArray header(unsigned version, quint32 recordCount, const QList<Field>& fields, int extraRoom = 0,
                  int recordLength = -1);

// One record: deletion flag and the field texts, each padded with blanks.
QByteArray record(const QList<Field>& fields, const QList<QByteArray>& values, bool deleted = false);

} // namespace dbffixture
