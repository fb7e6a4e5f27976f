#include "view/FormDrawing.h"

#include <QPainter>

#include <cmath>

#include "form/EhFieldGeometry.h"
#include "view/FieldTextPainter.h"

namespace FormDrawing {

namespace {

const QColor Grey(128, 128, 128);
const QColor OutlineColour(200, 0, 160);

} // namespace

QPen pen(const QPainter& painter, const QColor& color, double width, Qt::PenStyle style)
{
    const double perUnit = std::abs(painter.deviceTransform().m11());
    double w = width;
    if (perUnit > 0 && w * perUnit < 1.0)
        w = 1.0 / perUnit;
    return QPen(color, w, style, Qt::FlatCap, Qt::MiterJoin);
}

void paintGreyAreas(QPainter& painter, const QRect& area, int zoom)
{
    if (area.isEmpty())
        return;
    const int right = area.left() + area.width();
    const int bottom = area.top() + area.height();
    const int sheetRight = SheetWidth * zoom / 10;
    const int sheetBottom = SheetHeight * zoom / 10;
    if (right > sheetRight)
        painter.fillRect(QRect(sheetRight, area.top(), right - sheetRight, area.height()), Grey);
    if (bottom > sheetBottom)
        painter.fillRect(QRect(area.left(), sheetBottom, area.width(), bottom - sheetBottom), Grey);
}

void paintFieldOutlines(QPainter& painter, int zoom, int count, const std::function<EhRect(int)>& rect)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const int numberHeight = std::max(1, 2 * zoom);
    const QFont numberFont = FieldFontSet::cellHeightFont(numberHeight, 400);
    painter.setPen(pen(painter, OutlineColour, 1));
    for (int i = 0; i < count; ++i) {
        const EhRect r = rect(i);
        if (r.isZero())
            continue;
        painter.drawRect(QRectF(r.left, r.top, r.width(), r.height()));
        FieldFontSet::drawOnCellBottom(painter, QPointF(r.left + 3, r.top + numberHeight), numberFont,
                                       QString::number(i));
    }
    painter.restore();
}

void paintOverflowMark(QPainter& painter, const QRect& r, int zoom)
{
    const int size = std::max(3, 15 * zoom / 10);
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const QPoint corner[3] = {{right, bottom - size}, {right, bottom}, {right - size, bottom}};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(corner, 3);
    painter.restore();
}

QColor windowsColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace FormDrawing
