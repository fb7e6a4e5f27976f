#include "duty/LaenderCodeModel.h"

#include "duty/CountryCodes.h"

const LinkedCodeLists::Sorted& LaenderCodeModel::sortedCountries()
{
    static const LinkedCodeLists::Sorted sorted(CountryCodes::rows());
    return sorted;
}

LaenderCodeModel::LaenderCodeModel(int purpose)
    : m_purpose(purpose)
    , m_lists(sortedCountries())
{
}

QString LaenderCodeModel::caption() const
{
    switch (m_purpose) {
    case Bestimmungsland:
        return QStringLiteral("Bestimmungsland");
    case Ursprungsland:
        return QStringLiteral("Ursprungsland");
    case Versendungsland:
        return QStringLiteral("Versendungsland");
    case Erzeugungsland:
        return QStringLiteral("Erzeugungsland");
    default:
        return QStringLiteral("Ländercodes");
    }
}

void LaenderCodeModel::open(const QString& name, const QString& code)
{
    if (!name.isEmpty()) {
        const auto rows = CountryCodes::rows();
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            if (rows[row].textString().startsWith(name, Qt::CaseInsensitive)) {
                m_lists.selectRow(row);
                return;
            }
        }
        // A name no row begins with falls back to the code (or Germany)
        // rather than to an arbitrary row.
    }
    const QString wanted = code.isEmpty() ? QStringLiteral("DE") : code;
    int row = m_lists.firstCodeBeginningWith(wanted);
    if (row < 0)
        row = m_lists.firstCodeBeginningWith(QStringLiteral("DE"));
    m_lists.selectRow(row);
}

QString LaenderCodeModel::resultCode() const
{
    const int row = m_lists.selectedRow();
    return row < 0 ? QString() : m_lists.lists().code(row);
}

QString LaenderCodeModel::resultName() const
{
    const int row = m_lists.selectedRow();
    return row < 0 ? QString() : m_lists.lists().name(row);
}
