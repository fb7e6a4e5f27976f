#include "check/EhCheckContext.h"

#include "form/CEinheitspapierDoc.h"
#include "form/EhFieldFlags.h"
#include "form/EhField.h"
#include "form/EhFieldNames.h"

namespace F = EhField;

EhCheckContext::EhCheckContext(const CEinheitspapierDoc& doc, const QByteArray& firstFlags,
                               const QByteArray& contFlags)
    : m_doc(doc)
    , m_firstFlags(firstFlags)
    , m_contFlags(contFlags)
{
}

const FieldStore& EhCheckContext::store() const
{
    return m_doc.store();
}

int EhCheckContext::formSet() const
{
    return m_doc.formSet();
}

int EhCheckContext::pageCount() const
{
    return m_doc.store().pageCount();
}

QString EhCheckContext::text(int page, int field) const
{
    return m_doc.store().text(field, page).trimmed();
}

bool EhCheckContext::printed(int page, int field) const
{
    const QByteArray& table = page <= 1 ? m_firstFlags : m_contFlags;
    return !(EhFieldFlags::flag(table, field, formSet()) & EhFieldFlags::NotPrinted);
}

bool EhCheckContext::usedByFormSet(int page, int field) const
{
    if (formSet() < 0 || formSet() >= EhFieldFlags::FormSets)
        return true;
    const auto kind = page <= 1 ? EhFieldFlags::PageKind::First : EhFieldFlags::PageKind::Continuation;
    return !EhFieldFlags::unusedMarks(kind, formSet()).contains(field);
}

QString EhCheckContext::boxName(int page, int field)
{
    const QString name = page <= 1 ? EhFieldNames::firstPage(field) : EhFieldNames::continuation(field);
    if (name.isEmpty())
        return QStringLiteral("Feld %1").arg(field);
    return name.front().isDigit() ? QStringLiteral("Feld ") + name : name;
}

int EhCheckContext::reportedField(int page, int field)
{
    // The cells of a box 47 grid have no name and never get the focus: a
    // finding on one belongs to the box 47 field that opens its dialog.
    constexpr int GridFields = F::Box47TotalOffset + 1;
    if (page <= 1)
        return field >= F::Box47Grid && field < F::Box47Grid + GridFields ? F::Box47 : field;
    for (int slot = 0; slot < 3; ++slot) {
        const int grid = F::Cont::Box47Grids[slot];
        if (field >= grid && field < grid + GridFields)
            return F::Cont::Box47Position1 + slot;
    }
    if (field >= F::Cont::SummaryGrid && field <= F::Cont::SummaryTotal)
        return F::Cont::Box47Summary;
    return field;
}

void EhCheckContext::add(int page, int field, const QString& message, CheckFinding::Severity severity)
{
    const int shown = reportedField(page, field);
    m_findings.append({page, shown, boxName(page, shown), message, severity});
}

QList<EhGoodsPosition> EhCheckContext::goodsPositions() const
{
    QList<EhGoodsPosition> positions{{1, 1}};
    for (int page = 2; page <= pageCount(); ++page) {
        for (int slot = 1; slot <= 3; ++slot)
            positions.append({page, slot});
    }
    return positions;
}
