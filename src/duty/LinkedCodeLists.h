#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <span>

#include "duty/CodeText.h"

// The two sorted lists of a code chooser, codes and names, that show every
// row of a code table once each and select together: picking a code picks
// the name of the same row and the other way round. A filter text narrows
// both lists to the rows whose code or name contains it; the selection is
// always one row of the table (or none), so what the chooser returns does
// not depend on which list or filter the user picked it through.
class LinkedCodeLists
{
public:
    struct Entry {
        QString text;
        int row;   // index into the table
    };

    // The sorted lists of one table, made once: codes in code order, names in
    // German alphabetical order (umlauts beside their vowels, without regard
    // to case). Equal texts keep their table order.
    class Sorted
    {
    public:
        explicit Sorted(std::span<const CodeText> rows);
        int rowCount() const { return static_cast<int>(m_codes.size()); }
        const QList<Entry>& codes() const { return m_codes; }
        const QList<Entry>& names() const { return m_names; }
        int codePosition(int row) const { return m_codePosition[row]; }
        int namePosition(int row) const { return m_namePosition[row]; }
        QString code(int row) const { return m_codes[m_codePosition[row]].text; }
        QString name(int row) const { return m_names[m_namePosition[row]].text; }

    private:
        QList<Entry> m_codes;
        QList<Entry> m_names;
        QList<int> m_codePosition;
        QList<int> m_namePosition;
    };

    explicit LinkedCodeLists(const Sorted& sorted);

    const Sorted& lists() const { return m_sorted; }
    int rowCount() const { return m_sorted.rowCount(); }

    // The selected table row, or -1.
    int selectedRow() const { return m_selectedRow; }
    void selectRow(int row);
    // Selecting through a list: a position in the full code or name list.
    void selectCodeAt(int position);
    void selectNameAt(int position);
    // Positions of the selected row in the two full lists, or -1.
    int selectedCodePosition() const;
    int selectedNamePosition() const;

    // The row of the first entry of the code list that begins with text,
    // without regard to case; -1 when none does.
    int firstCodeBeginningWith(const QString& text) const;

    // Narrows both lists to the rows whose code or name contains text
    // (without regard to case); an empty text shows every row. When the
    // selected row drops out, the first row left in the name list is
    // selected, or none when no row is left.
    void setFilter(const QString& text);
    const QString& filter() const { return m_filter; }
    bool isShown(int row) const { return m_shown[row]; }
    // The positions in the full lists that the filter leaves, in list order.
    QList<int> shownCodePositions() const;
    QList<int> shownNamePositions() const;

private:
    const Sorted& m_sorted;
    int m_selectedRow = -1;
    QString m_filter;
    QList<bool> m_shown;
};
