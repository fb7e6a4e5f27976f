#pragma once

#include <QList>
#include <QString>

// What "Zollstellen" offers for box 29: the customs offices as a table with
// the columns "Ort", "Art", "Zollamt" and "Code", sortable by any column.
class Default29Model
{
public:
    enum Column { Place = 0, Category = 1, Kind = 2, Code = 3 };
    static constexpr int Columns = 4;

    Default29Model();

    static QString heading(int column);
    // Column widths of the report list, in dialog units.
    static int width(int column);

    // Selects the office whose code is the box text (blanks around it and
    // case do not count), the first row when none is.
    void open(const QString& text);

    // Offices in the order shown: indexes into the office table.
    const QList<int>& order() const { return m_order; }
    QString cell(int office, int column) const;

    // Sorts by a column; a second sort by the same column reverses it. The
    // selected office stays selected.
    void sortBy(int column);
    int sortColumn() const { return m_sortColumn; }
    bool ascending() const { return m_ascending; }

    // The selected office (index into the office table), -1 for none, and its
    // row in the shown order.
    int selectedOffice() const { return m_selected; }
    int selectedRow() const { return m_order.indexOf(m_selected); }
    void selectRow(int row);

    QString result() const;

private:
    QList<int> m_order;
    int m_sortColumn = -1;
    bool m_ascending = true;
    int m_selected = 0;
};
