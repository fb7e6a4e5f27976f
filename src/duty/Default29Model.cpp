#include "duty/Default29Model.h"

#include <algorithm>

#include "duty/CustomsOffices.h"
#include "duty/ListOrder.h"

namespace {

struct ColumnInfo {
    const char* heading;
    int width;
};
constexpr ColumnInfo kColumns[Default29Model::Columns] = {
    {"Ort", 200}, {"Art", 90}, {"Zollamt", 100}, {"Code", 80}};

} // namespace

Default29Model::Default29Model()
{
    const int count = int(CustomsOffices::rows().size());
    for (int i = 0; i < count; ++i)
        m_order.append(i);
}

QString Default29Model::heading(int column)
{
    return column >= 0 && column < Columns ? QString::fromLatin1(kColumns[column].heading) : QString();
}

int Default29Model::width(int column)
{
    return column >= 0 && column < Columns ? kColumns[column].width : 0;
}

QString Default29Model::cell(int office, int column) const
{
    const auto rows = CustomsOffices::rows();
    if (office < 0 || office >= int(rows.size()))
        return {};
    const CustomsOffices::Office& o = rows[office];
    switch (column) {
    case Place:
        return QString::fromUtf8(o.place);
    case Category:
        return QString::fromUtf8(o.category);
    case Kind:
        return QString::fromUtf8(o.kind);
    case Code:
        return QString::fromUtf8(o.code);
    default:
        return {};
    }
}

void Default29Model::open(const QString& text)
{
    const QString code = text.trimmed();
    m_selected = m_order.isEmpty() ? -1 : m_order.first();
    for (int office : std::as_const(m_order)) {
        if (cell(office, Code).compare(code, Qt::CaseInsensitive) == 0) {
            m_selected = office;
            break;
        }
    }
}

void Default29Model::sortBy(int column)
{
    if (column < 0 || column >= Columns)
        return;
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    // Equal cells keep the table's order, so a sort by category lists each
    // category's offices as the table does (and the reverse sort is exactly
    // the reverse).
    const bool ascending = m_ascending;
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        const int c = ListOrder::compare(cell(a, column), cell(b, column));
        if (c == 0)
            return ascending ? a < b : a > b;
        return ascending ? c < 0 : c > 0;
    });
}

void Default29Model::selectRow(int row)
{
    m_selected = row >= 0 && row < m_order.size() ? m_order.at(row) : -1;
}

QString Default29Model::result() const
{
    return cell(m_selected, Code);
}
