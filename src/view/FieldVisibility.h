#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace FieldVisibility {

// The scroll position that shows a field: scrolls in steps (pixels) down
// while the field reaches below the view and its top is more than 50 pixels
// below the view's top, up while it starts above the view, right while it
// reaches within 20 pixels of the right edge, left while it starts left of
// the view. Of a field wider than the view, its start and half a view of
// it are enough. field is in pixels from the form's top-left corner.
QPoint scrollFor(const QRect& field, const QSize& view, QPoint scroll, const QPoint& maxScroll, int step);

} // namespace FieldVisibility
