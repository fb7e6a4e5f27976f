#include "masterdata/GoodsListProxy.h"

#include "masterdata/GoodsRecordModel.h"

GoodsListProxy::GoodsListProxy(GoodsRecordModel& records, int column, QObject* parent)
    : QAbstractProxyModel(parent)
    , m_records(records)
    , m_column(column)
{
    setSourceModel(&records);
    connect(&records, &GoodsRecordModel::listsChanged, this, &GoodsListProxy::rebuild);
    connect(&records, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                // Only the rows of a record changed in place, ranks unchanged.
                for (int record = from.row(); record <= to.row(); ++record) {
                    const int row = rowOfRecord(record);
                    if (row >= 0)
                        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
                }
            });
    rebuild();
}

void GoodsListProxy::rebuild()
{
    beginResetModel();
    const QList<int>& order = m_records.order(m_column);
    m_rows.clear();
    m_rows.reserve(order.size());
    m_rowOf.fill(-1, order.size());
    for (int record : order) {
        if (m_records.isShown(record)) {
            m_rowOf[record] = int(m_rows.size());
            m_rows.append(record);
        }
    }
    endResetModel();
}

int GoodsListProxy::rowOfRecord(int record) const
{
    return record >= 0 && record < m_rowOf.size() ? m_rowOf.at(record) : -1;
}

int GoodsListProxy::recordAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : -1;
}

QModelIndex GoodsListProxy::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this)
        return {};
    return m_records.index(recordAt(proxyIndex.row()), proxyIndex.column());
}

QModelIndex GoodsListProxy::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const int row = rowOfRecord(sourceIndex.row());
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QModelIndex GoodsListProxy::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= m_rows.size() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex GoodsListProxy::parent(const QModelIndex&) const
{
    return {};
}

int GoodsListProxy::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GoodsListProxy::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_records.columnCount();
}
