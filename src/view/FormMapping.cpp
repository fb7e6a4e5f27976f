#include "view/FormMapping.h"

#include "form/EhFieldGeometry.h"

#include <algorithm>
#include <cmath>

int FormMapping::toPixels(int logical) const
{
    return int(std::lround(logical * pixelsPerUnit()));
}

int FormMapping::toLogical(int pixels) const
{
    return int(std::lround(pixels / pixelsPerUnit()));
}

QRect FormMapping::fieldRect(const EhRect& formRect) const
{
    const EhRect z = formRect.scaled(m_zoom);
    const int left = toPixels(z.left);
    const int top = toPixels(z.top);
    return QRect(QPoint(left, top), QPoint(toPixels(z.right) - 1, toPixels(z.bottom) - 1));
}

QPoint FormMapping::zoomedPoint(const QPoint& pixels) const
{
    // Truncate, as a pixel covers the units from its top-left corner on.
    return QPoint(int(std::floor(pixels.x() / pixelsPerUnit())), int(std::floor(pixels.y() / pixelsPerUnit())));
}

QSize FormMapping::documentSize(int widthMm, int lengthMm) const
{
    return QSize(toPixels(widthMm * m_zoom), toPixels(lengthMm * m_zoom));
}

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
    while (right - scroll.x() > view.width() - 20) {
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
