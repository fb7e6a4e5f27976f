#pragma once

#include <QFileInfo>
#include <QList>
#include <QString>

#include "TestSupport.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "settings/Profile.h"

// Goods tables for the tests of the goods dialog and of picking goods.
namespace goodsfixture {

using Values = CKestrovaneStammDaten::Values;

inline Values goods(const QString& description, const QString& number = QStringLiteral("12345678"),
                    const QString& country = QStringLiteral("DE"), const QString& region = QStringLiteral("01"))
{
    return {description, number, QStringLiteral("90"), QStringLiteral("1234"), QStringLiteral("5678"),
            QStringLiteral("9"), country, region};
}

// Makes the goods table of the settings ("StammdatenDatei") a table at path
// holding the records (none: no table yet, the dialog creates it).
inline void useTable(const QString& path, const QList<Values>& records = {})
{
    Profile::set(Settings::StammdatenDatei, path);
    if (records.isEmpty())
        return;
    CKestrovaneStammDaten store;
    store.SetFile(QFileInfo(path).path(), QFileInfo(path).fileName(), CKestrovaneStammDaten::KindCurrent);
    store.Load();
    for (const Values& v : records)
        store.append(v);
    store.Save();
}

// The bytes of a goods table of the current layout with count records,
// built directly: description "Ware N" with a second line "Los N % 100",
// goods number 10000000 + N, origin "CN". Quick enough for 100,000 records.
inline QByteArray manyGoods(int count)
{
    static constexpr int widths[8] = {254, 8, 2, 4, 4, 1, 3, 3};
    static const char* const names[8] = {"WBESCH1", "WNR1", "WNR2", "WNR3", "WNR4", "WNR5", "LAND1", "LAND2"};
    testsupport::Bytes header;
    header.u8(3).u8(124).u8(3).u8(7).u32(quint32(count)).u16(32 * 8 + 33).u16(280).fill(17, '\0').u8(3).fill(2, '\0');
    for (int k = 0; k < 8; ++k)
        header.raw(QByteArray(names[k]).leftJustified(11, '\0')).u8('C').fill(4, '\0').u8(unsigned(widths[k])).fill(15, '\0');
    header.u8(0x0D);
    QByteArray bytes = header.data();
    bytes.reserve(bytes.size() + qsizetype(count) * 280 + 1);
    for (int n = 1; n <= count; ++n) {
        QByteArray record(" ");
        record += (QByteArray("Ware ") + QByteArray::number(n) + "\r\nLos " + QByteArray::number(n % 100))
                      .leftJustified(254, ' ');
        record += QByteArray::number(10000000 + n) + "00" + "0000" + "    " + "0" + "CN " + "   ";
        bytes += record;
    }
    bytes += '\x1A';
    return bytes;
}

} // namespace goodsfixture
