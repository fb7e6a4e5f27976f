#include "view/FormMapping.h"

#include "form/EhFieldGeometry.h"

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
