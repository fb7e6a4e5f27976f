#include "duty/LinkedCodeLists.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

LinkedCodeLists::Sorted::Sorted(std::span<const CodeText> rows)
{
    const int n = static_cast<int>(rows.size());
    m_codes.reserve(n);
    m_names.reserve(n);
    for (int row = 0; row < n; ++row) {
        m_codes.append({rows[row].codeString(), row});
        m_names.append({rows[row].textString(), row});
    }
    std::stable_sort(m_codes.begin(), m_codes.end(),
                     [](const Entry& a, const Entry& b) { return a.text < b.text; });
    // Sort keys, so that the collation runs once per name rather than once
    // per comparison.
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<QCollatorSortKey> keys;
    keys.reserve(n);
    for (const Entry& e : m_names)
        keys.append(collator.sortKey(e.text));
    std::stable_sort(m_names.begin(), m_names.end(), [&keys](const Entry& a, const Entry& b) {
        return keys[a.row].compare(keys[b.row]) < 0;
    });
    m_codePosition.resize(n);
    m_namePosition.resize(n);
    for (int i = 0; i < n; ++i) {
        m_codePosition[m_codes[i].row] = i;
        m_namePosition[m_names[i].row] = i;
    }
}

LinkedCodeLists::LinkedCodeLists(const Sorted& sorted)
    : m_sorted(sorted)
    , m_shown(sorted.rowCount(), true)
{
}

void LinkedCodeLists::selectRow(int row)
{
    m_selectedRow = row >= 0 && row < rowCount() ? row : -1;
}

void LinkedCodeLists::selectCodeAt(int position)
{
    selectRow(position >= 0 && position < rowCount() ? m_sorted.codes()[position].row : -1);
}

void LinkedCodeLists::selectNameAt(int position)
{
    selectRow(position >= 0 && position < rowCount() ? m_sorted.names()[position].row : -1);
}

int LinkedCodeLists::selectedCodePosition() const
{
    return m_selectedRow < 0 ? -1 : m_sorted.codePosition(m_selectedRow);
}

int LinkedCodeLists::selectedNamePosition() const
{
    return m_selectedRow < 0 ? -1 : m_sorted.namePosition(m_selectedRow);
}

int LinkedCodeLists::firstCodeBeginningWith(const QString& text) const
{
    for (const Entry& e : m_sorted.codes()) {
        if (e.text.startsWith(text, Qt::CaseInsensitive))
            return e.row;
    }
    return -1;
}

void LinkedCodeLists::setFilter(const QString& text)
{
    m_filter = text;
    for (int row = 0; row < rowCount(); ++row) {
        m_shown[row] = text.isEmpty() || m_sorted.code(row).contains(text, Qt::CaseInsensitive)
                       || m_sorted.name(row).contains(text, Qt::CaseInsensitive);
    }
    if (m_selectedRow >= 0 && m_shown[m_selectedRow])
        return;
    m_selectedRow = -1;
    for (const Entry& e : m_sorted.names()) {
        if (m_shown[e.row]) {
            m_selectedRow = e.row;
            break;
        }
    }
}

QList<int> LinkedCodeLists::shownCodePositions() const
{
    QList<int> positions;
    positions.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i) {
        if (m_shown[m_sorted.codes()[i].row])
            positions.append(i);
    }
    return positions;
}

QList<int> LinkedCodeLists::shownNamePositions() const
{
    QList<int> positions;
    positions.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i) {
        if (m_shown[m_sorted.names()[i].row])
            positions.append(i);
    }
    return positions;
}
