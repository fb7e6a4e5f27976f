#include "view/EhFocusNavigator.h"

#include "form/EhFieldFlags.h"
#include "form/EhFieldGeometry.h"

namespace {

EhFieldFlags::PageKind kindOf(int page)
{
    return page <= 1 ? EhFieldFlags::PageKind::First : EhFieldFlags::PageKind::Continuation;
}

} // namespace

EhFocusNavigator::EhFocusNavigator(const QByteArray& firstFlags, const QByteArray& continuationFlags, int formSet)
    : m_first(firstFlags), m_continuation(continuationFlags), m_formSet(formSet)
{
}

int EhFocusNavigator::fieldCount(int page)
{
    return page <= 1 ? EhFieldFlags::FirstPageFields : EhFieldFlags::ContinuationFields;
}

std::uint8_t EhFocusNavigator::flag(int page, int field) const
{
    return EhFieldFlags::flag(page <= 1 ? m_first : m_continuation, field, m_formSet);
}

bool EhFocusNavigator::isEditable(int page, int field) const
{
    return !(flag(page, field) & EhFieldFlags::NotEditable);
}

// One field forward or back in Tab order, wrapping at the page's ends.
int EhFocusNavigator::step(int page, int field, int direction) const
{
    const int tabEnd = page <= 1 ? FirstPageTabEnd : ContinuationTabEnd;
    if (direction > 0) {
        if (field == tabEnd || field + 1 >= fieldCount(page))
            return 0;
        return field + 1;
    }
    if (field <= 0)
        return tabEnd;
    return field - 1;
}

int EhFocusNavigator::nextField(int page, int field) const
{
    int f = step(page, field, +1);
    // A table that locks every field must not hang the keyboard.
    for (int guard = fieldCount(page); guard > 0 && !isEditable(page, f); --guard)
        f = step(page, f, +1);
    return f;
}

int EhFocusNavigator::previousField(int page, int field) const
{
    int f = step(page, field, -1);
    for (int guard = fieldCount(page); guard > 0 && !isEditable(page, f); --guard)
        f = step(page, f, -1);
    return f;
}

int EhFocusNavigator::resolveTarget(int page, int leftField, int target) const
{
    const int count = fieldCount(page);
    if (target < 0 || target >= count)
        target = 0;
    if (isEditable(page, target))
        return target;
    const int direction = (leftField >= target && target != 0) ? -1 : +1;
    int f = target;
    for (int guard = count; guard > 0; --guard) {
        f = (f + direction + count) % count;
        if (isEditable(page, f))
            return f;
    }
    return target;
}

int EhFocusNavigator::moveOnWhile(int page, int field, std::uint8_t mask) const
{
    return (flag(page, field) & mask) ? nextField(page, field) : field;
}

EhFocusNavigator::Position EhFocusNavigator::firstPage() const
{
    return {1, moveOnWhile(1, 0, EhFieldFlags::NotEditable)};
}

EhFocusNavigator::Position EhFocusNavigator::nextPage(int currentPage, int pageCount) const
{
    if (currentPage >= pageCount)
        return {currentPage, -1};
    const int page = currentPage + 1;
    return {page, moveOnWhile(page, 0, EhFieldFlags::NotEditable)};
}

EhFocusNavigator::Position EhFocusNavigator::previousPage(int currentPage) const
{
    if (currentPage <= 1)
        return {currentPage, -1};
    if (currentPage == 2)
        return firstPage();
    const int page = currentPage - 1;
    return {page, moveOnWhile(page, 0, EhFieldFlags::NotShown)};
}

EhFocusNavigator::Position EhFocusNavigator::lastPage(int pageCount) const
{
    if (pageCount <= 1)
        return firstPage();
    return {pageCount, moveOnWhile(pageCount, 0, EhFieldFlags::NotShown)};
}

int EhFocusNavigator::fieldAt(int page, const QPoint& zoomedPoint, int zoom) const
{
    const auto kind = kindOf(page);
    const int count = fieldCount(page);
    for (int f = 0; f < count; ++f) {
        const EhRect r = EhFieldGeometry::screenRect(kind, f).scaled(zoom);
        if (zoomedPoint.x() >= r.left && zoomedPoint.x() < r.right && zoomedPoint.y() >= r.top
            && zoomedPoint.y() < r.bottom && isEditable(page, f))
            return f;
    }
    return -1;
}
