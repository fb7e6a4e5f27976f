#include "duty/WaehrungsCodeModel.h"

#include "duty/CurrencyCodes.h"

const LinkedCodeLists::Sorted& WaehrungsCodeModel::sortedCurrencies()
{
    static const LinkedCodeLists::Sorted sorted(CurrencyCodes::rows());
    return sorted;
}

WaehrungsCodeModel::WaehrungsCodeModel()
    : m_lists(sortedCurrencies())
{
}

void WaehrungsCodeModel::open(const QString& code)
{
    const QString wanted = code.isEmpty() ? QStringLiteral("EUR") : code;
    int found = -1;
    for (int row = 0; row < m_lists.rowCount(); ++row) {
        const QString rowCode = m_lists.lists().code(row);
        if (rowCode == wanted) {
            found = row;
            break;
        }
        if (found < 0 && rowCode.compare(wanted, Qt::CaseInsensitive) == 0)
            found = row;
    }
    m_lists.selectRow(found);
}

QString WaehrungsCodeModel::resultCode() const
{
    const int row = m_lists.selectedRow();
    return row < 0 ? QString() : m_lists.lists().code(row);
}
