#include "masterdata/GoodsCsvImport.h"

namespace {

QChar pickSeparator(const QString& text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++comma;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolon;
        else if (!quoted && c == QLatin1Char('\t'))
            ++tab;
    }
    if (semicolon > comma && semicolon >= tab)
        return QLatin1Char(';');
    if (tab > comma)
        return QLatin1Char('\t');
    return QLatin1Char(',');
}

bool isHeader(const QStringList& cells)
{
    if (cells.size() != CKestrovaneStammDaten::ColumnCount)
        return false;
    for (int k = 0; k < CKestrovaneStammDaten::ColumnCount; ++k) {
        if (cells.at(k).trimmed().compare(QLatin1String(CKestrovaneStammDaten::fieldNames()[k]), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

} // namespace

QList<GoodsCsvImport::Row> GoodsCsvImport::parse(const QByteArray& utf8)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QChar separator = pickSeparator(text);

    QList<Row> rows;
    Row row;
    QString cell;
    bool quoted = false;
    bool cellStarted = false; // the row has content, even an empty cell before a separator
    int line = 1;
    row.line = 1;
    auto endRow = [&] {
        row.cells.append(cell);
        cell.clear();
        const bool blank = !cellStarted && row.cells.size() == 1 && row.cells.first().isEmpty();
        if (!blank)
            rows.append(row);
        row = Row();
        cellStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            cellStarted = true;
        } else if (c == separator) {
            row.cells.append(cell);
            cell.clear();
            cellStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
            row.line = ++line;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (cellStarted || !cell.isEmpty() || !row.cells.isEmpty())
        endRow();
    return rows;
}

bool GoodsCsvImport::toValues(const Row& row, CKestrovaneStammDaten::Values& values, QString& why)
{
    if (row.cells.size() != CKestrovaneStammDaten::ColumnCount) {
        why = QStringLiteral("%1 Spalten statt %2").arg(row.cells.size()).arg(CKestrovaneStammDaten::ColumnCount);
        return false;
    }
    // Line breaks of any kind become the CR LF the goods dialog shows.
    values[0] = CKestrovaneStammDaten::NormalisedDescription(row.cells.at(0));
    for (int k = 1; k < CKestrovaneStammDaten::ColumnCount; ++k)
        values[k] = row.cells.at(k).trimmed();

    bool empty = true;
    for (const QString& v : values)
        empty = empty && v.isEmpty();
    if (empty) {
        why = QStringLiteral("die Zeile ist leer");
        return false;
    }
    return true;
}

int GoodsCsvImport::import(const QByteArray& utf8, CKestrovaneStammDaten& store, QStringList& problems)
{
    QList<Row> rows = parse(utf8);
    if (!rows.isEmpty() && isHeader(rows.first().cells))
        rows.removeFirst();
    QList<CKestrovaneStammDaten::Values> accepted;
    accepted.reserve(rows.size());
    for (const Row& row : std::as_const(rows)) {
        CKestrovaneStammDaten::Values values;
        QString why;
        if (toValues(row, values, why))
            why = store.RecordRefusal(values);
        if (why.isEmpty())
            accepted.append(values);
        else
            problems.append(QStringLiteral("Zeile %1: %2").arg(row.line).arg(why));
    }
    if (!problems.isEmpty() || accepted.isEmpty())
        return 0;
    for (const CKestrovaneStammDaten::Values& values : std::as_const(accepted))
        store.append(values);
    if (store.Save() != 0) {
        problems.append(store.errorMessage());
        return -1;
    }
    return int(accepted.size());
}
