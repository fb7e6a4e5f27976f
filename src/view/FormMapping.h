#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

struct EhRect;

// From the form's 0.1-mm units to the pixels of a screen and back. The view
// draws in units of 0.1 mm on the device ("logical units"); the zoom in
// tenths multiplies every form coordinate, so a form value v lies at
// v * zoom / 10 logical units, and a logical unit is dpi / 254 pixels.
class FormMapping
{
public:
    FormMapping(int zoom, int dpi) : m_zoom(zoom), m_dpi(dpi > 0 ? dpi : 96) {}

    int zoom() const { return m_zoom; }
    int dpi() const { return m_dpi; }
    double pixelsPerUnit() const { return m_dpi / 254.0; }

    int toPixels(int logical) const;
    int toLogical(int pixels) const;

    // A field's rectangle (form units) at the zoom, in pixels from the
    // form's top-left corner.
    QRect fieldRect(const EhRect& formRect) const;
    // A point in pixels from the form's top-left corner, in the zoomed
    // form's logical units (what the field rectangles are tested against).
    QPoint zoomedPoint(const QPoint& pixels) const;
    // The scrollable size: width and length in millimetres times the zoom
    // are logical units.
    QSize documentSize(int widthMm, int lengthMm) const;

private:
    int m_zoom;
    int m_dpi;
};
