#include "masterdata/DbfSortIndex.h"

#include "form/Archive.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <numeric>

DbfSortIndex::DbfSortIndex()
{
    clear();
}

void DbfSortIndex::clear()
{
    m_keys = QStringList{QString()};
    m_records = {0};
    m_current = 0;
    m_timeStamp = 0;
}

void DbfSortIndex::append(const QString& key, std::uint32_t record)
{
    m_keys.append(key);
    m_records.append(record);
}

QString DbfSortIndex::key(qsizetype position) const
{
    return position >= 0 && position < m_keys.size() ? m_keys.at(position) : QString();
}

std::uint32_t DbfSortIndex::record(qsizetype position) const
{
    return position >= 0 && position < m_records.size() ? m_records.at(position) : 0;
}

void DbfSortIndex::sort()
{
    if (m_keys.size() < 3)
        return;
    // A stable sort by key is exactly what exchanging neighbours while the
    // later one is strictly smaller produces. QString's operator< compares
    // UTF-16 code units, which is the comparison the keys need.
    std::vector<qsizetype> order(size_t(m_keys.size() - 1));
    std::iota(order.begin(), order.end(), qsizetype(1));
    std::stable_sort(order.begin(), order.end(),
                     [this](qsizetype a, qsizetype b) { return m_keys.at(a) < m_keys.at(b); });
    QStringList keys;
    QList<std::uint32_t> records;
    keys.reserve(m_keys.size());
    records.reserve(m_records.size());
    keys.append(QString());
    records.append(0);
    for (qsizetype i : order) {
        keys.append(std::move(m_keys[i]));
        records.append(m_records.at(i));
    }
    m_keys = std::move(keys);
    m_records = std::move(records);
}

const QByteArray& DbfSortIndex::signature()
{
    static const QByteArray sig = QByteArray::fromHex("494458C6F4517800");
    return sig;
}

bool DbfSortIndex::save(const QString& path)
{
    // Nothing but this program reads the index, and it is rebuilt from the
    // table at will, so it is simply rewritten in place.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    ArchiveWriter w(&file);
    w.bytes(signature());
    w.u32(std::uint32_t(std::uint64_t(now) & 0xFFFFFFFFu));
    w.u32(std::uint32_t(std::uint64_t(now) >> 32));
    w.count(quint64(m_records.size()));
    for (std::uint32_t r : m_records)
        w.u32(r);
    w.stringArray(m_keys);
    if (!w.ok() || !file.flush())
        return false;
    m_timeStamp = now;
    return true;
}
