#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QString>

class CKestrovaneStammDaten;

// The goods records as the goods dialog lists them, one row per record
// (row = the record's position in the store): column 0 the first line of the
// description, column 1 the goods number parts joined with "-". The item data
// (RecordRole) is the record position.
//
// Sorting and searching 100,000 records must keep up with typing, so the
// model keeps each list's order and one buffer of all records' texts folded
// for searching; a search is one scan of that buffer, and GoodsListProxy
// shows the records it leaves in a list's order.
class GoodsRecordModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DescriptionColumn = 0, NumberColumn = 1, ColumnCount = 2 };
    static constexpr int RecordRole = Qt::UserRole;

    explicit GoodsRecordModel(const CKestrovaneStammDaten& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Takes every record of the store anew.
    void reload();
    // A record of the store was changed, or appended at its end.
    void recordChanged(int record);

    // The list text of a record.
    QString text(int record, int column) const;
    // The records in a column's list order: German alphabetical order of the
    // descriptions' first lines (umlauts beside their vowels, without regard
    // to case), character order of the goods numbers; equal texts in record
    // order.
    const QList<int>& order(int column) const { return m_order[column]; }

    // Leaves the records whose description (any of its lines) or goods
    // number (with or without the "-") contains the text, without regard to
    // case; an empty text leaves all.
    void setSearchText(const QString& text);
    bool isShown(int record) const { return m_shown.at(record) != 0; }

    // The list texts of a record's values.
    static QString firstLine(const QString& description);
    static QString goodsNumber(const QString& part1, const QString& part2, const QString& part3,
                               const QString& part4, const QString& part5);

signals:
    // The list orders or the records the search leaves changed (after
    // reload, recordChanged and setSearchText).
    void listsChanged();

private:
    void build();
    void buildSearch();
    void buildOrders();
    void applySearch();

    const CKestrovaneStammDaten& m_store;
    int m_count = 0;
    QString m_searchKey;
    // Every record's description, goods number with and without "-",
    // folded, each record ended by a NUL; m_searchStart[r] is where record r
    // starts, with the buffer's end after the last.
    QString m_search;
    QList<qsizetype> m_searchStart;
    QByteArray m_shown;
    QList<int> m_order[ColumnCount];
};
