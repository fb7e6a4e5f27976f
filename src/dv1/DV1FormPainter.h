#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QRect>

#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Geometry.h"
#include "view/FieldTextPainter.h"

class QPainter;

// What the user has chosen about the D.V.1's look.
struct Dv1PaintOptions {
    int zoom = 10;                          // tenths of real size
    QColor textColor = QColor(0, 0, 255);   // field texts
    bool outlineFields = false;             // frame and number every field
    bool markOverflow = true;               // a mark on a field whose text does not fit
    // The part of the picture to cover, in drawing units; what lies right of
    // 205 mm or below 298 mm of the sheet is greyed. Empty: no grey.
    QRect area;

    // The options as the D.V.1's settings give them.
    static Dv1PaintOptions fromSettings(int zoom);
};

// Draws a D.V.1 page: the empty form of its layout (lines and texts), the
// field texts and, on the first page, the answer boxes, at a zoom, onto any
// painter whose unit is 0.1 mm of the magnified picture with y pointing down.
// A form coordinate v is drawn at v * zoom / 10.
class DV1FormPainter
{
public:
    explicit DV1FormPainter(const Dv1PaintOptions& options);

    const Dv1PaintOptions& options() const { return m_options; }

    // The whole page of a document (doc null: the empty form): grey areas,
    // form, field texts, answer boxes.
    void paintPage(QPainter& painter, const CDV1_Doc* doc, int page) const;

    // All of the page but the empty form: what a view draws over its
    // picture of the form.
    void paintOverForm(QPainter& painter, const CDV1_Doc* doc, int page) const;
    // What the empty form of a layout depends on, but the scale.
    QByteArray formLook(DV1Geometry::Layout layout) const;
    void paintForm(QPainter& painter, DV1Geometry::Layout layout) const;
    void paintFieldTexts(QPainter& painter, const FieldStore& store, int page) const;
    // Outlined squares, both diagonals in a box that is set (boxes null: all
    // empty).
    void paintAnswerBoxes(QPainter& painter, const CDV1_Doc::AnswerBoxes* boxes) const;
    void paintFieldOutlines(QPainter& painter, DV1Geometry::Layout layout) const;

    // Where a field's text is drawn: its rectangle at the zoom, 2 units to
    // the right. Empty for a field without a place.
    QRect textRect(DV1Geometry::Layout layout, int field) const;

private:
    int scaled(int v) const { return v * m_options.zoom / 10; }

    Dv1PaintOptions m_options;
    FieldFontSet m_fonts;
    FieldTextPainter m_text;
    QFont m_boldFont;
    QFont m_normalFont;
};
