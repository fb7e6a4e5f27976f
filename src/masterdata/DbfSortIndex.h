#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// The in-memory sort index of a table over one field: sort key i belongs to
// record index(i). Position 0 holds an empty key and no record, so the first
// real entry is at position 1 and size() counts that empty entry too.
class DbfSortIndex
{
public:
    DbfSortIndex();

    void clear();       // back to the single empty entry
    void append(QStringView key, std::uint32_t record);

    qsizetype size() const { return qsizetype(m_entries.size()); }
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
    struct Entry {
        qsizetype start;  // of the key in m_text
        qsizetype length;
        std::uint32_t record;
    };
    QStringView keyView(const Entry& e) const { return QStringView(m_text).sliced(e.start, e.length); }

    // All keys one after another, in the order they were appended: sorting
    // moves only the entries.
    QString m_text;
    std::vector<Entry> m_entries;
    qint64 m_current = 0;
    std::int64_t m_timeStamp = 0;
};
