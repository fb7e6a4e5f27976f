#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// The in-memory sort index of a table over one field: sort key i belongs to
// record index(i). Position 0 holds an empty key and no record, so the first
// real entry is at position 1 and size() counts that empty entry too.
class DbfSortIndex
{
public:
    DbfSortIndex();

    void clear();       // back to the single empty entry
    void append(const QString& key, std::uint32_t record);

    qsizetype size() const { return m_keys.size(); }
    QString key(qsizetype position) const;
    std::uint32_t record(qsizetype position) const; // 0 beyond the index

    // Orders the entries 1..size-1 by their keys compared as 16-bit code
    // units; entries with equal keys keep their order. This is the order a
    // pairwise exchange of neighbours gives, reached in n log n steps.
    void sort();

    qint64 currentPosition() const { return m_current; }
    void setCurrentPosition(qint64 position) { m_current = position; }
    std::int64_t timeStamp() const { return m_timeStamp; }

    // Writes the companion index file: signature, time of writing, the
    // record list and the key list. Returns false when the file cannot be
    // written completely.
    bool save(const QString& path);

    static const QByteArray& signature();

private:
    QStringList m_keys;
    QList<std::uint32_t> m_records;
    qint64 m_current = 0;
    std::int64_t m_timeStamp = 0;
};
