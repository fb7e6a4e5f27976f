#include "masterdata/AddressPickerModel.h"

#include <algorithm>

#include "duty/ListOrder.h"
#include "form/FieldStore.h"
#include "masterdata/TablePath.h"

AddressPickerModel::OpenResult AddressPickerModel::open(const QString& path, const std::function<bool()>& askCreate)
{
    m_path = path;
    m_error.clear();
    if (!m_table.Open(path)) {
        // A file that is there but cannot be read as an address table is
        // reported, not offered for creation: creating never overwrites it.
        if (tablepath::exists(path)) {
            m_error = QStringLiteral("Die Adressdatei %1 kann nicht geöffnet werden.\n%2").arg(path, m_table.errorMessage());
            return OpenResult::Failed;
        }
        if (!askCreate || !askCreate())
            return OpenResult::Declined;
        if (!m_table.Create(path)) {
            m_error = QStringLiteral("Die Adressdatei %1 kann nicht angelegt werden.\n%2").arg(path, m_table.errorMessage());
            return OpenResult::Failed;
        }
    }
    reload();
    selectRow(m_entries.isEmpty() ? -1 : 0);
    return OpenResult::Opened;
}

void AddressPickerModel::reload()
{
    m_entries = m_table.Entries();
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        return ListOrder::compare(a.firstLine, b.firstLine) < 0;
    });
}

void AddressPickerModel::show(qint64 record)
{
    m_address.clear();
    m_customs.clear();
    if (record > 0)
        m_table.Read(record, m_address, m_customs);
}

void AddressPickerModel::selectRow(int row)
{
    m_row = row >= 0 && row < m_entries.size() ? row : -1;
    show(m_row >= 0 ? m_entries.at(m_row).record : 0);
}

int AddressPickerModel::rowFor(const QString& boxText) const
{
    if (m_entries.isEmpty())
        return -1;
    const QString first = AddressTable::SplitAddress(boxText).first().trimmed();
    for (int i = 0; i < m_entries.size(); ++i) {
        if (!first.isEmpty() && m_entries.at(i).firstLine.trimmed().compare(first, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}

QString AddressPickerModel::resultAddress() const
{
    return FieldStore::trimmedRight(m_address);
}

bool AddressPickerModel::beginEdit()
{
    if (m_row < 0)
        return false;
    m_editing = true;
    m_new = false;
    return true;
}

void AddressPickerModel::beginNew()
{
    m_editing = true;
    m_new = true;
    m_address.clear();
    m_customs.clear();
}

bool AddressPickerModel::save(const QString& address, const QString& customsNumber)
{
    m_error.clear();
    if (!m_editing)
        return false;
    const qint64 record = m_new ? 0 : m_entries.at(m_row).record;
    const qint64 written = m_table.Store(record, address, customsNumber);
    if (written == 0) {
        m_error = QStringLiteral("Die Adresse wurde nicht gespeichert: ihre erste Zeile ist leer.");
        return false;
    }
    if (written < 0) {
        m_error = QStringLiteral("Die Adresse wurde nicht in %1 gespeichert.\n%2").arg(m_path, m_table.errorMessage());
        return false;
    }
    m_editing = false;
    m_new = false;
    reload();
    int row = -1;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).record == written)
            row = i;
    }
    selectRow(row);
    return true;
}

void AddressPickerModel::cancelEdit()
{
    m_editing = false;
    m_new = false;
    selectRow(m_row);
}
