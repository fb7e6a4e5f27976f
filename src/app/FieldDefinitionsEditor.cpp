#include "app/FieldDefinitionsEditor.h"

#include <algorithm>

#include "form/EhFieldNames.h"
#include "settings/CRegeditManagment.h"

FieldDefinitionsEditor::FieldDefinitionsEditor(FieldDefinitions& live, CRegeditManagment& registry)
    : m_live(live)
    , m_registry(registry)
{
}

QStringList FieldDefinitionsEditor::formSetNames()
{
    return {QStringLiteral("Formular 0737/0738"), QStringLiteral("Formular 0747/0748"),
            QStringLiteral("Formular 0777/0778"), QStringLiteral("Formular 0779/0780")};
}

QStringList FieldDefinitionsEditor::fieldNames()
{
    QStringList names;
    for (int i = 0; i < EhFieldNames::ListSize; ++i)
        names << EhFieldNames::listEntry(i);
    return names;
}

FieldDefinitions::PageKind FieldDefinitionsEditor::pageKindOf(int entry)
{
    return entry < EhFieldNames::FirstPageNamed ? FieldDefinitions::PageKind::First
                                                : FieldDefinitions::PageKind::Continuation;
}

int FieldDefinitionsEditor::fieldOf(int entry)
{
    return entry < EhFieldNames::FirstPageNamed ? entry : entry - EhFieldNames::FirstPageNamed;
}

void FieldDefinitionsEditor::select(int formSet, int entry)
{
    m_formSet = std::clamp(formSet, 0, EhFieldFlags::FormSets - 1);
    m_entry = std::clamp(entry, 0, EhFieldNames::ListSize - 1);
}

FieldDefinitionsEditor::Checks FieldDefinitionsEditor::checks() const
{
    const std::uint8_t flags = m_live.flag(pageKindOf(m_entry), fieldOf(m_entry), m_formSet);
    return {(flags & EhFieldFlags::NotEditable) != 0, (flags & EhFieldFlags::NotPrinted) != 0,
            (flags & EhFieldFlags::NotShown) != 0};
}

void FieldDefinitionsEditor::setChecks(const Checks& checks)
{
    constexpr std::uint8_t shown = EhFieldFlags::NotEditable | EhFieldFlags::NotPrinted | EhFieldFlags::NotShown;
    const FieldDefinitions::PageKind kind = pageKindOf(m_entry);
    const int field = fieldOf(m_entry);
    std::uint8_t flags = m_live.flag(kind, field, m_formSet) & ~shown;
    if (checks.notEditable)
        flags |= EhFieldFlags::NotEditable;
    if (checks.notPrinted)
        flags |= EhFieldFlags::NotPrinted;
    if (checks.hidden)
        flags |= EhFieldFlags::NotShown;
    m_live.setFlag(kind, field, m_formSet, flags);
}

void FieldDefinitionsEditor::resetAll()
{
    m_live.resetToDefaults();
}

bool FieldDefinitionsEditor::save()
{
    return m_live.save(m_registry);
}

void FieldDefinitionsEditor::revert()
{
    m_live.load(m_registry);
}
