#include "masterdata/DbfHeader.h"

#include "masterdata/DbfText.h"

#include <QIODevice>

namespace {

const char* const kBadFormat = "Unerwartetes Dateiformat.";

std::uint32_t le32(const QByteArray& b, int at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8
        | std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int le16(const QByteArray& b, int at)
{
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8;
}

void put16(QByteArray& b, int at, int v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

} // namespace

QString DbfHeader::read(QIODevice& device)
{
    fields.clear();
    if (!device.seek(0))
        return QString::fromUtf8(kBadFormat);
    const QByteArray head = device.read(PrefixSize);
    if (head.size() < 12)
        return QString::fromUtf8(kBadFormat);
    version = std::uint8_t(head[0]);
    if (version != 0x03 && version != 0x83)
        return QString::fromUtf8(kBadFormat);
    year = std::uint8_t(head[1]);
    month = std::uint8_t(head[2]);
    day = std::uint8_t(head[3]);
    recordCount = le32(head, 4);
    headerLength = le16(head, 8);
    recordLength = le16(head, 10);
    if (headerLength < PrefixSize + 1 || head.size() < PrefixSize)
        return QString::fromUtf8(kBadFormat);
    prefix = head;
    languageDriver = std::uint8_t(head[LanguageDriverOffset]);
    // The record buffer holds 4000 bytes; a longer record would overrun it.
    if (recordLength > MaxRecordLength)
        return QStringLiteral("Die Datensätze dieser Tabelle sind länger als %1 Byte.").arg(MaxRecordLength);
    if (recordLength < 1)
        return QString::fromUtf8(kBadFormat);

    const int declared = (headerLength - PrefixSize - 1) / DescriptorSize;
    const QByteArray descriptors = device.read(qint64(declared) * DescriptorSize);
    if (descriptors.size() < qint64(declared) * DescriptorSize)
        return QString::fromUtf8(kBadFormat);
    int offset = 1;
    for (int k = 0; k < declared; ++k) {
        const char* d = descriptors.constData() + k * DescriptorSize;
        // Some writers leave room after the terminator; a descriptor that
        // starts with it ends the list.
        if (d[0] == '\x0D')
            break;
        DbfField f;
        f.name = dbftext::decodeField(QByteArrayView(d, 11), codePage());
        f.type = d[11];
        f.length = std::uint8_t(d[16]);
        f.decimals = std::uint8_t(d[17]);
        f.offset = offset;
        f.descriptor = QByteArray(d, DescriptorSize);
        offset += f.length;
        fields.append(f);
    }
    if (offset > recordLength)
        return QStringLiteral("Die Felder dieser Tabelle passen nicht in ihre Datensatzlänge von %1 Byte.")
            .arg(recordLength);
    return {};
}

bool DbfHeader::readRecordCount(QIODevice& device, std::uint32_t& count)
{
    if (!device.seek(4))
        return false;
    const QByteArray b = device.read(4);
    if (b.size() != 4)
        return false;
    count = le32(b, 0);
    return true;
}

void DbfHeader::layOut()
{
    headerLength = DescriptorSize * int(fields.size()) + PrefixSize + 1;
    int offset = 1;
    for (DbfField& f : fields) {
        f.offset = offset;
        offset += f.length;
    }
    recordLength = offset;
}

QByteArray DbfHeader::serialize() const
{
    QByteArray b(PrefixSize + DescriptorSize * fields.size() + 1, '\0');
    if (prefix.size() == PrefixSize)
        std::copy(prefix.begin(), prefix.end(), b.begin());
    b[LanguageDriverOffset] = char(languageDriver);
    b[0] = '\x03';
    b[1] = char(year);
    b[2] = char(month);
    b[3] = char(day);
    for (int i = 0; i < 4; ++i)
        b[4 + i] = char((recordCount >> (8 * i)) & 0xFF);
    put16(b, 8, headerLength);
    put16(b, 10, recordLength);
    for (qsizetype k = 0; k < fields.size(); ++k) {
        char* d = b.data() + PrefixSize + k * DescriptorSize;
        if (fields[k].descriptor.size() == DescriptorSize) {
            std::copy(fields[k].descriptor.begin(), fields[k].descriptor.end(), d);
            continue;
        }
        const QByteArray name = dbftext::encodeSingleByte(fields[k].name, codePage()).left(MaxNameLength);
        std::copy(name.begin(), name.end(), d);
        d[11] = fields[k].type;
        d[16] = char(fields[k].length & 0xFF);
        d[17] = char(fields[k].decimals & 0xFF);
    }
    b[b.size() - 1] = '\x0D';
    return b;
}
