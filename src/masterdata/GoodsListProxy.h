#pragma once

#include <QAbstractProxyModel>
#include <QList>

class GoodsRecordModel;

// One list of the goods dialog: a sorting and filtering proxy over a
// GoodsRecordModel that shows the records its search leaves, in the order
// of one column.
//
// It works from the record model's list orders and search results, so a new
// search text costs one pass over the records and one reset of the list,
// not a sort: a keystroke stays quick on 100,000 records.
// (QSortFilterProxyModel removes the hidden rows range by range, each with
// its own signals, which takes seconds when a letter hides rows all over a
// long list.)
class GoodsListProxy : public QAbstractProxyModel
{
    Q_OBJECT

public:
    GoodsListProxy(GoodsRecordModel& records, int column, QObject* parent = nullptr);

    int column() const { return m_column; }

    // The list row of a record, -1 when the search hides it.
    int rowOfRecord(int record) const;
    // The record at a list row, -1 when there is none.
    int recordAt(int row) const;

    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;

private:
    // The rows anew from the model's order and search.
    void rebuild();

    GoodsRecordModel& m_records;
    int m_column;
    QList<int> m_rows;  // record at each list row
    QList<int> m_rowOf; // list row of each record, -1 when hidden
};
