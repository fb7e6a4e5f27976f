#include "dv1/DV1Focus.h"

#include "dv1/DV1Field.h"
#include "dv1/DV1Geometry.h"

namespace DV1Focus {

namespace {

bool hits(const EhRect& r, const QPoint& p, int zoom)
{
    const EhRect z = r.scaled(zoom);
    return !r.isZero() && p.x() >= z.left && p.x() < z.right && p.y() >= z.top && p.y() < z.bottom;
}

} // namespace

int lastTypedField(int page)
{
    return page <= 1 ? Dv1Field::FirstPageLast : Dv1Field::ContinuationTypedLast;
}

bool takesFocus(int page, int field)
{
    const DV1Geometry::Layout layout = DV1Geometry::layoutOf(page);
    return field >= 0 && field < DV1Geometry::fieldCount(layout) && !DV1Geometry::screenRect(layout, field).isZero();
}

int resolve(int page, int target, int direction)
{
    const int last = lastTypedField(page);
    if (target < 0 || target >= DV1Geometry::fieldCount(DV1Geometry::layoutOf(page)))
        target = 0;
    // The totals take the focus when a caller asks for them by name; only
    // the fields Tab reaches are stepped through.
    for (int tries = 0; tries <= last && !takesFocus(page, target); ++tries) {
        target += direction < 0 ? -1 : 1;
        if (target > last)
            target = 0;
        else if (target < 0)
            target = last;
    }
    return target;
}

int nextField(int page, int field)
{
    const int next = field >= lastTypedField(page) ? 0 : field + 1;
    return resolve(page, next, +1);
}

int previousField(int page, int field)
{
    const int previous = field <= 0 || field > lastTypedField(page) ? lastTypedField(page) : field - 1;
    return resolve(page, previous, -1);
}

int fieldAt(int page, const QPoint& zoomedPoint, int zoom)
{
    const DV1Geometry::Layout layout = DV1Geometry::layoutOf(page);
    for (int field = 0; field <= lastTypedField(page); ++field) {
        if (hits(DV1Geometry::screenRect(layout, field), zoomedPoint, zoom))
            return field;
    }
    return -1;
}

int answerBoxAt(const QPoint& zoomedPoint, int zoom)
{
    for (int box = 0; box < DV1Geometry::AnswerBoxes; ++box) {
        if (hits(DV1Geometry::answerBox(box), zoomedPoint, zoom))
            return box;
    }
    return -1;
}

} // namespace DV1Focus
