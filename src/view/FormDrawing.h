#pragma once

#include <QColor>
#include <QPen>
#include <QRect>

#include <functional>

class QPainter;
struct EhRect;

// What every drawn form shares, whichever form it is: pens that stay
// visible at any zoom, the grey beyond the sheet, the outlines that check a
// form's geometry by eye, and the settings' colour values. Painter units are
// 0.1 mm of the magnified picture, y pointing down.
namespace FormDrawing {

// The drawn picture ends 205 mm right and 298 mm down.
inline constexpr int SheetWidth = 2050;
inline constexpr int SheetHeight = 2980;

// A pen of width painter units, never thinner than one device pixel: the
// form must stay readable at every zoom.
QPen pen(const QPainter& painter, const QColor& color, double width, Qt::PenStyle style = Qt::SolidLine);

// Greys what of area (painter units) lies right of the sheet or below it.
void paintGreyAreas(QPainter& painter, const QRect& area, int zoom);

// Frames and numbers count fields; rect(i) is field i's rectangle at the
// zoom, in painter units. Zero rectangles (fields without a place) are left
// out.
void paintFieldOutlines(QPainter& painter, int zoom, int count, const std::function<EhRect(int)>& rect);

// A small red corner at the lower right of a field's text rectangle: the
// field holds more than its box shows, and the paper shows no more either.
void paintOverflowMark(QPainter& painter, const QRect& textRect, int zoom);

// A settings colour value 0x00BBGGRR.
QColor windowsColor(int value);

} // namespace FormDrawing
