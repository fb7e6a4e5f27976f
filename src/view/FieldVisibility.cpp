#include "view/FieldVisibility.h"

#include <algorithm>

namespace FieldVisibility {

QPoint scrollFor(const QRect& field, const QSize& view, QPoint scroll, const QPoint& maxScroll, int step)
{
    step = std::max(1, step);
    const auto clampTo = [](int v, int hi) { return std::clamp(v, 0, std::max(0, hi)); };
    const int bottom = field.top() + field.height();
    const int right = field.left() + field.width();

    while (bottom - scroll.y() > view.height() && field.top() - scroll.y() > 50) {
        const int y = clampTo(scroll.y() + step, maxScroll.y());
        if (y == scroll.y())
            break;
        scroll.setY(y);
    }
    while (field.top() - scroll.y() < 0) {
        const int y = clampTo(scroll.y() - step, maxScroll.y());
        if (y == scroll.y())
            break;
        scroll.setY(y);
    }
    // A field wider than the view cannot be shown whole. Its start is where
    // typing begins: it is enough that the start and half a view of the
    // field are in sight. Going right for its end would cut off the sheet's
    // left part, only to scroll back for the start at once.
    const int room = view.width() - 20;
    const int reach = field.width() <= room ? right : field.left() + room / 2;
    while (reach - scroll.x() > room) {
        const int x = clampTo(scroll.x() + step, maxScroll.x());
        if (x == scroll.x())
            break;
        scroll.setX(x);
    }
    while (field.left() - scroll.x() < 0) {
        const int x = clampTo(scroll.x() - step, maxScroll.x());
        if (x == scroll.x())
            break;
        scroll.setX(x);
    }
    return scroll;
}

} // namespace FieldVisibility
