#include "masterdata/GoodsRecordModel.h"

#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/KeyOrder.h"

#include <algorithm>
#include <array>

namespace {

// Between the parts of a record in the search buffer: no text the user types
// holds them, so no match reaches from one part into the next.
const QChar kPartEnd(u'\x01');
const QChar kRecordEnd(u'\0');

// The base letter of a Latin-1 letter with a mark (Ä -> A); 0 for others.
char16_t latinBase(char16_t c)
{
    static const auto table = [] {
        std::array<char16_t, 64> t{};
        for (char16_t c = 0xC0; c <= 0xFF; ++c) {
            const QString d = QChar(c).decomposition();
            t[c - 0xC0] = d.isEmpty() ? 0 : d.at(0).unicode();
        }
        return t;
    }();
    return c >= 0xC0 && c <= 0xFF ? table[c - 0xC0] : 0;
}

char16_t folded(char16_t u)
{
    if (u < 0x80)
        return u >= 'A' && u <= 'Z' ? char16_t(u + 32) : u;
    return char16_t(QChar::toCaseFolded(char32_t(u)));
}

// Appends characters through a pointer into room made beforehand: building
// the buffers for 100,000 records one checked append at a time costs more
// than sorting them.
struct Writer {
    QString& buffer;
    char16_t* at;
    explicit Writer(QString& b, qsizetype room) : buffer(b)
    {
        const qsizetype used = b.size();
        b.resize(used + room);
        at = reinterpret_cast<char16_t*>(b.data()) + used;
    }
    ~Writer() { buffer.truncate(at - reinterpret_cast<const char16_t*>(buffer.constData())); }
    void put(char16_t c) { *at++ = c; }
    void putFolded(QStringView text)
    {
        for (QChar c : text)
            *at++ = folded(c.unicode());
    }
};

// The order key of a list text in German alphabetical order: the letters
// without case and marks ("Äpfel" -> "apfel", "ß" as "ss"), then a NUL and
// the text itself, which orders texts equal so far ("Apfel", "apfel",
// "Äpfel"). Needs room for 3 characters per character of the text, and 1.
void putOrderKey(Writer& out, QStringView text)
{
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u == 0xDF) {
            out.put(u's');
            out.put(u's');
            continue;
        }
        if (u >= 0x80) {
            if (const char16_t base = latinBase(u))
                u = base;
            else if (c.decompositionTag() == QChar::Canonical)
                u = c.decomposition().at(0).unicode();
        }
        out.put(folded(u));
    }
    out.put(u'\0');
    for (QChar c : text)
        out.put(c.unicode());
}

QStringView firstLineOf(QStringView description)
{
    qsizetype end = 0;
    while (end < description.size() && description.at(end) != QLatin1Char('\r') && description.at(end) != QLatin1Char('\n'))
        ++end;
    return description.first(end);
}

// Keys of many records in one buffer: record r's key is buffer[start[r],
// start[r + 1]).
struct KeyBuffer {
    QString text;
    QList<qsizetype> start;
    QStringView key(qsizetype record) const
    {
        return QStringView(text).sliced(start[record], start[record + 1] - start[record]);
    }
};

QList<int> sortedRecords(const KeyBuffer& keys, int count)
{
    const QList<qsizetype> sorted = keyorder::stableOrder(count, [&keys](qsizetype r) { return keys.key(r); });
    return QList<int>(sorted.begin(), sorted.end());
}

} // namespace

GoodsRecordModel::GoodsRecordModel(const CKestrovaneStammDaten& store, QObject* parent)
    : QAbstractTableModel(parent)
    , m_store(store)
{
    build();
}

int GoodsRecordModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int GoodsRecordModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GoodsRecordModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count || index.column() >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    // The whole description, for the lines the list does not show.
    if (role == Qt::ToolTipRole && index.column() == DescriptionColumn)
        return m_store.value(index.row(), 0);
    if (role == RecordRole)
        return index.row();
    return {};
}

QString GoodsRecordModel::text(int record, int column) const
{
    // Made when asked: a list asks only for the rows it shows.
    if (column == DescriptionColumn)
        return firstLineOf(m_store.view(record, 0)).toString();
    return goodsNumber(m_store.value(record, 1), m_store.value(record, 2), m_store.value(record, 3),
                       m_store.value(record, 4), m_store.value(record, 5));
}

QString GoodsRecordModel::firstLine(const QString& description)
{
    return firstLineOf(description).toString();
}

QString GoodsRecordModel::goodsNumber(const QString& part1, const QString& part2, const QString& part3,
                                      const QString& part4, const QString& part5)
{
    return part1 + QLatin1Char('-') + part2 + QLatin1Char('-') + part3 + QLatin1Char('-') + part4 + QLatin1Char('-')
        + part5;
}

void GoodsRecordModel::build()
{
    m_count = m_store.GetCount();
    buildSearch();
    buildOrders();
    m_shown.fill('\1', m_count);
    applySearch();
}

void GoodsRecordModel::reload()
{
    beginResetModel();
    build();
    endResetModel();
    emit listsChanged();
}

void GoodsRecordModel::recordChanged(int record)
{
    const int n = m_store.GetCount();
    if (record < 0 || record >= n)
        return;
    // Saving a record is rare: the orders and the search are made anew.
    if (n > m_count) {
        beginInsertRows(QModelIndex(), m_count, n - 1);
        build();
        endInsertRows();
    } else {
        build();
        emit dataChanged(index(record, 0), index(record, ColumnCount - 1));
    }
    emit listsChanged();
}

void GoodsRecordModel::buildSearch()
{
    qsizetype room = 0;
    for (int record = 0; record < m_count; ++record) {
        room += m_store.view(record, 0).size() + 3;
        for (int part = 1; part <= 5; ++part)
            room += 2 * m_store.view(record, part).size() + 1;
    }
    m_search.clear();
    m_searchStart.resize(m_count + 1);
    {
        Writer out(m_search, room);
        for (int record = 0; record < m_count; ++record) {
            m_searchStart[record] = out.at - reinterpret_cast<const char16_t*>(m_search.constData());
            // Description lines joined by blanks, so a search may span them.
            bool lineBreak = false;
            for (QChar c : m_store.view(record, 0)) {
                if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                    lineBreak = true;
                    continue;
                }
                if (lineBreak)
                    out.put(u' ');
                lineBreak = false;
                out.put(folded(c.unicode()));
            }
            out.put(kPartEnd.unicode());
            for (int part = 1; part <= 5; ++part) {
                out.putFolded(m_store.view(record, part));
                if (part < 5)
                    out.put(u'-');
            }
            out.put(kPartEnd.unicode());
            for (int part = 1; part <= 5; ++part)
                out.putFolded(m_store.view(record, part));
            out.put(kRecordEnd.unicode());
        }
    }
    m_searchStart[m_count] = m_search.size();
}

void GoodsRecordModel::buildOrders()
{
    KeyBuffer descriptions, numbers;
    descriptions.start.resize(m_count + 1);
    numbers.start.resize(m_count + 1);
    qsizetype descriptionRoom = 0, numberRoom = 0;
    for (int record = 0; record < m_count; ++record) {
        descriptionRoom += 3 * firstLineOf(m_store.view(record, 0)).size() + 1;
        for (int part = 1; part <= 5; ++part)
            numberRoom += m_store.view(record, part).size() + 1;
    }
    {
        Writer d(descriptions.text, descriptionRoom);
        Writer n(numbers.text, numberRoom);
        const char16_t* dBase = reinterpret_cast<const char16_t*>(descriptions.text.constData());
        const char16_t* nBase = reinterpret_cast<const char16_t*>(numbers.text.constData());
        for (int record = 0; record < m_count; ++record) {
            descriptions.start[record] = d.at - dBase;
            putOrderKey(d, firstLineOf(m_store.view(record, 0)));
            numbers.start[record] = n.at - nBase;
            for (int part = 1; part <= 5; ++part) {
                for (QChar c : m_store.view(record, part))
                    n.put(c.unicode());
                if (part < 5)
                    n.put(u'-');
            }
        }
        descriptions.start[m_count] = d.at - dBase;
        numbers.start[m_count] = n.at - nBase;
    }
    m_order[DescriptionColumn] = sortedRecords(descriptions, m_count);
    m_order[NumberColumn] = sortedRecords(numbers, m_count);
}

void GoodsRecordModel::setSearchText(const QString& text)
{
    const QString key = text.toCaseFolded();
    if (key == m_searchKey)
        return;
    m_searchKey = key;
    applySearch();
    emit listsChanged();
}

void GoodsRecordModel::applySearch()
{
    if (m_searchKey.isEmpty()) {
        m_shown.fill('\1', m_count);
        return;
    }
    m_shown.fill('\0', m_count);
    // One scan of the whole buffer; after a match the rest of its record
    // is skipped.
    const QStringView all(m_search);
    qsizetype from = 0;
    while ((from = all.indexOf(m_searchKey, from)) >= 0) {
        const auto next = std::upper_bound(m_searchStart.cbegin(), m_searchStart.cend(), from);
        const int record = int(next - m_searchStart.cbegin()) - 1;
        if (record < 0 || record >= m_count)
            break;
        m_shown[record] = '\1';
        from = *next;
    }
}
