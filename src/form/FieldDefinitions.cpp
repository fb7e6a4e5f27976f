#include "form/FieldDefinitions.h"

#include <QString>

#include "settings/CRegeditManagment.h"
#include "settings/Profile.h"

namespace {

struct TableNames {
    const char* value;
    const Settings::IntKey& sizeKey;
    int size;
};

TableNames names(EhFieldFlags::PageKind kind)
{
    if (kind == EhFieldFlags::PageKind::First)
        return {FieldDefinitions::FieldDef_EH1, Settings::FieldSize_EH1, EhFieldFlags::FirstTableSize};
    return {FieldDefinitions::FieldDef_EH2, Settings::FieldSize_EH2, EhFieldFlags::ContinuationTableSize};
}

} // namespace

FieldDefinitions::FieldDefinitions()
{
    resetToDefaults();
}

void FieldDefinitions::resetToDefaults()
{
    m_first = EhFieldFlags::defaultTable(PageKind::First);
    m_continuation = EhFieldFlags::defaultTable(PageKind::Continuation);
}

const QByteArray& FieldDefinitions::table(PageKind kind) const
{
    return kind == PageKind::First ? m_first : m_continuation;
}

bool FieldDefinitions::setTable(PageKind kind, const QByteArray& table)
{
    QByteArray& target = kind == PageKind::First ? m_first : m_continuation;
    if (table.size() != target.size())
        return false;
    target = table;
    return true;
}

std::uint8_t FieldDefinitions::flag(PageKind kind, int field, int formSet) const
{
    return EhFieldFlags::flag(table(kind), field, formSet);
}

void FieldDefinitions::setFlag(PageKind kind, int field, int formSet, std::uint8_t value)
{
    EhFieldFlags::setFlag(kind == PageKind::First ? m_first : m_continuation, field, formSet, value);
}

void FieldDefinitions::loadTable(CRegeditManagment& registry, PageKind kind, StoreRepair repair)
{
    const TableNames n = names(kind);
    const QString value = QString::fromLatin1(n.value);
    if (Profile::get(n.sizeKey) != n.size) {
        if (repair == StoreRepair::Leave) {
            setTable(kind, EhFieldFlags::defaultTable(kind));
            return;
        }
        registry.WriteBinaryValue(QString::fromLatin1(Section), value, EhFieldFlags::defaultTable(kind));
        Profile::set(n.sizeKey, n.size);
        registry.DeleteUserValue(QString::fromLatin1(FormerSection), value);
        registry.DeleteUserValue(QString::fromLatin1(FormerSection), QString::fromLatin1(n.sizeKey.key));
    }
    // Start from the built-in table, so a value that has gone missing since
    // its size was written yields the defaults rather than stale flags.
    QByteArray buffer = EhFieldFlags::defaultTable(kind);
    if (registry.ReadBinaryValue(QString::fromLatin1(Section), value, buffer, n.size) != CRegeditManagment::Success)
        buffer = EhFieldFlags::defaultTable(kind);
    setTable(kind, buffer);
}

void FieldDefinitions::load(CRegeditManagment& registry, StoreRepair repair)
{
    loadTable(registry, PageKind::First, repair);
    loadTable(registry, PageKind::Continuation, repair);
}

bool FieldDefinitions::save(CRegeditManagment& registry) const
{
    bool ok = true;
    for (const PageKind kind : {PageKind::First, PageKind::Continuation}) {
        const TableNames n = names(kind);
        if (registry.WriteBinaryValue(QString::fromLatin1(Section), QString::fromLatin1(n.value), table(kind)))
            Profile::set(n.sizeKey, n.size);
        else
            ok = false;
    }
    return ok;
}
