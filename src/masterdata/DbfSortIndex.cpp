#include "masterdata/DbfSortIndex.h"

#include "form/Archive.h"
#include "masterdata/KeyOrder.h"

#include <QDateTime>
#include <QFile>

DbfSortIndex::DbfSortIndex()
{
    clear();
}

void DbfSortIndex::clear()
{
    m_text.clear();
    m_entries.assign(1, Entry{0, 0, 0});
    m_current = 0;
    m_timeStamp = 0;
}

void DbfSortIndex::append(QStringView key, std::uint32_t record)
{
    m_entries.push_back({m_text.size(), key.size(), record});
    m_text.append(key);
}

QString DbfSortIndex::key(qsizetype position) const
{
    return position >= 0 && position < size() ? keyView(m_entries[size_t(position)]).toString() : QString();
}

std::uint32_t DbfSortIndex::record(qsizetype position) const
{
    return position >= 0 && position < size() ? m_entries[size_t(position)].record : 0;
}

void DbfSortIndex::sort()
{
    if (size() < 3)
        return;
    // A stable sort by key is exactly what exchanging neighbours while the
    // later one is strictly smaller produces.
    const QList<qsizetype> order =
        keyorder::stableOrder(size() - 1, [this](qsizetype p) { return keyView(m_entries[size_t(p + 1)]); });
    std::vector<Entry> sorted;
    sorted.reserve(m_entries.size());
    sorted.push_back(m_entries.front());
    for (qsizetype p : order)
        sorted.push_back(m_entries[size_t(p + 1)]);
    m_entries = std::move(sorted);
}

const QByteArray& DbfSortIndex::signature()
{
    static const QByteArray sig = QByteArray::fromHex("494458C6F4517800");
    return sig;
}

bool DbfSortIndex::save(const QString& path)
{
    // Nothing but this program reads the index, and it is rebuilt from the
    // table at will, so it is simply rewritten in place. It is put together
    // in memory and written in large pieces: one write per key would cost
    // more than building the index.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    constexpr qsizetype kPiece = 1 << 16;
    QByteArray piece;
    piece.reserve(kPiece + 1024); // and the key that fills it up
    bool ok = true;
    auto writeOut = [&](qsizetype atLeast) {
        if (piece.size() >= atLeast) {
            ok = ok && file.write(piece) == piece.size();
            piece.resize(0);
        }
    };
    ArchiveWriter w(&piece);
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    w.bytes(signature());
    w.u32(std::uint32_t(std::uint64_t(now) & 0xFFFFFFFFu));
    w.u32(std::uint32_t(std::uint64_t(now) >> 32));
    w.count(quint64(m_entries.size()));
    for (const Entry& e : m_entries) {
        w.u32(e.record);
        writeOut(kPiece);
    }
    // A list of texts: the count, then each text.
    w.count(quint64(m_entries.size()));
    for (const Entry& e : m_entries) {
        w.string(keyView(e));
        writeOut(kPiece);
    }
    writeOut(0);
    if (!ok || !file.flush())
        return false;
    m_timeStamp = now;
    return true;
}
