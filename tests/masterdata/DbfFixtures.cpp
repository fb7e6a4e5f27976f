#include "DbfFixtures.h"

#include "TestSupport.h"

namespace dbffixture {

QByteArray header(unsigned version, quint32 recordCount, const QList<Field>& fields, int extraRoom, int recordLength)
{
    int width = 1;
    for (const Field& f : fields)
        width += f.length;
    testsupport::Bytes b;
    b.u8(version).u8(124).u8(3).u8(7).u32(recordCount);
    b.u16(unsigned(32 * fields.size() + 33 + extraRoom)).u16(unsigned(recordLength < 0 ? width : recordLength));
    b.fill(20, '\0');
    for (const Field& f : fields) {
        QByteArray name(f.name);
        name = name.leftJustified(11, '\0', true);
        b.raw(name).u8(unsigned(f.type)).fill(4, '\0').u8(unsigned(f.length)).u8(unsigned(f.decimals)).fill(14, '\0');
    }
    b.u8(0x0D).fill(extraRoom, '\0');
    return b.data();
}

QByteArray record(const QList<Field>& fields, const QList<QByteArray>& values, bool deleted)
{
    QByteArray r(1, deleted ? '*' : ' ');
    for (qsizetype k = 0; k < fields.size(); ++k)
        r += values.value(k).leftJustified(fields[k].length, ' ', true);
    return r;
}

} // namespace dbffixture
