#pragma once

#include <QRect>
#include <QRectF>

#include <cstdint>

#include "dv1/DV1Geometry.h"
#include "print/PrintCorrection.h"
#include "view/FieldTextPainter.h"

class CDV1_Doc;
class QPainter;

// What decides where the texts of one D.V.1 sheet land: the margins of its
// sheet side, the printer font size and the print area correction. All
// lengths in 0.1 mm.
struct Dv1PrintSetup {
    int leftMargin = 0;     // positive: the print moves right
    int topMargin = 0;      // positive: the print moves down
    int fontFactor = 95;    // printer font size in percent
    PrintCorrection correction;

    // The origin of the sheet in the printable area, T counted upwards as
    // the sheets' measurements are.
    int originLeft() const { return leftMargin + 30; }
    int originTop() const { return 10 - topMargin; }

    // As the store says for the sheet side of a page: the front, the back
    // of the declaration, the front and the back of a D.V.1 BIS each have
    // their own margins.
    static Dv1PrintSetup fromStore(int page);
    // The sheet as measured, without margins or correction: for exports.
    static Dv1PrintSetup uncalibrated();
};

// Prints the field texts of one D.V.1 page onto a pre-printed sheet, with
// the crop marks and, on the front, a cross in every answer box that is set.
// The painter's unit is 0.1 mm, its origin the top-left corner of the
// printable area, y pointing down. The field texts go through the same
// FieldTextPainter as on screen, with the print fonts.
class DV1PrintLayer
{
public:
    explicit DV1PrintLayer(const Dv1PrintSetup& setup);

    const Dv1PrintSetup& setup() const { return m_setup; }

    // A field's print rectangle placed on the sheet, before the correction;
    // null for a field without a place on the layout.
    QRect placedRect(DV1Geometry::Layout layout, int field) const;
    // An answer box placed on the sheet.
    QRect placedBox(int box) const;

    void printPage(QPainter& painter, const CDV1_Doc& doc, int page) const;

    // One field's text into its placed rectangle, corrected, with the line
    // breaks the screen shows; extent, when given, receives where the lines
    // went. Returns the height of the printed text.
    int PrintField(QPainter& painter, const QRect& placed, const QString& text, std::uint16_t attr,
                   QRectF* extent = nullptr) const;

    // Where the form picture lies in the printer's coordinates, so that a
    // picture drawn there shows each box where its text is printed.
    QPoint sheetPictureOffset() const;

private:
    void printMarks(QPainter& painter, DV1Geometry::Layout layout) const;
    void printCrosses(QPainter& painter, const CDV1_Doc& doc) const;

    Dv1PrintSetup m_setup;
    FieldFontSet m_fonts;
    FieldFontSet m_screenFonts;   // real size: where the screen breaks lines
    FieldTextPainter m_text;
};
