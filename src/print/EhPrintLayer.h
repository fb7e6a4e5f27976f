#pragma once

#include <QList>
#include <QRect>

#include <cstdint>

#include "form/EhFieldFlags.h"
#include "view/FieldTextPainter.h"

class QPainter;
struct EhFormPage;

// What decides where the texts of one sheet land: the margins of the sheet
// type, the printer font size, the input-tax cross offsets and whether box 2
// goes onto the continuation sheets. All lengths in 0.1 mm.
struct EhPrintSetup {
    int leftMargin = 0;     // positive: the print moves right
    int topMargin = 0;      // positive: the print moves down
    int crossH = 0;         // further offsets of the input-tax cross
    int crossV = 0;
    int fontFactor = 95;    // printer font size in percent
    bool box2OnSheets = true;   // box 2 and its number on continuation sheets
    // The print area correction in 0.1 %: read from the store at every field
    // (so a change in the correction dialog counts from the next field on),
    // or fixed, for output that must not depend on one printer's calibration.
    bool correctionFromStore = true;
    int factorV = 1000;
    int factorH = 1000;

    // The origin of the sheet in the printable area: L and T of the print
    // code, T counted upwards as the sheets' measurements are.
    int originLeft() const { return leftMargin + 30; }
    int originTop() const { return 10 - topMargin; }

    // Everything as the store says for a sheet of this kind.
    static EhPrintSetup fromStore(EhFieldFlags::PageKind kind);
    // The sheet as measured, without margins or correction: for exports.
    static EhPrintSetup uncalibrated();
};

// One field text that goes onto the sheet.
struct EhPrintedField {
    EhFieldFlags::PageKind kind;   // whose table holds the rectangle
    int field = 0;
    int page = 1;                  // the page whose text is printed
    QRect placed;                  // on the sheet, before the correction
};

// Prints the field texts of one Einheitspapier page onto a pre-printed sheet.
// The painter's unit is 0.1 mm, its origin the top-left corner of the
// printable area, y pointing down. Only texts, the two alignment marks and
// the input-tax cross are printed: the sheet carries everything else.
//
// The field texts go through the same FieldTextPainter as on screen, with
// the print fonts and the print rectangles.
class EhPrintLayer
{
public:
    explicit EhPrintLayer(const EhPrintSetup& setup);

    const EhPrintSetup& setup() const { return m_setup; }

    // The fields printed on the page, in printing order.
    QList<EhPrintedField> printedFields(const EhFormPage& page) const;

    // A field's print rectangle placed on the sheet: moved by the origin and
    // 0.2 mm to the right. Empty for a field that is never printed.
    QRect placedRect(EhFieldFlags::PageKind kind, int field) const;

    // The print area correction applied to a placed rectangle: every edge
    // scaled from the origin of the printable area (0.1 % units, truncated
    // towards zero; 1000 leaves it as it is).
    static QRect corrected(const QRect& placed, int factorV, int factorH);

    // The whole page: texts, marks, the input-tax cross.
    void printPage(QPainter& painter, const EhFormPage& page) const;

    // One field's text into its placed rectangle, corrected, with the line
    // breaks the screen shows; returns the height of the printed text.
    // overflow, when given, tells whether part of the text found no room.
    int PrintField(QPainter& painter, const QRect& placed, const QString& text, std::uint16_t attr,
                   bool singleLine = false, QRectF* extent = nullptr, bool* overflow = nullptr) const;

    // Where the form picture lies in the printer's coordinates: the print
    // rectangles are the screen rectangles 5 mm further right, so a picture
    // drawn at this offset shows each box where its text is printed and each
    // field text of the picture exactly over the printed one. The preview
    // and the export take both from here.
    QPoint sheetPictureOffset() const;

    // Where the input-tax cross goes on the sheet (its two lines are the
    // rectangle's diagonals).
    QRect inputTaxCrossRect() const;

private:
    void printMarks(QPainter& painter, EhFieldFlags::PageKind kind) const;
    void printInputTaxCross(QPainter& painter) const;

    EhPrintSetup m_setup;
    FieldFontSet m_fonts;
    FieldFontSet m_screenFonts;   // real size: where the screen breaks lines
    FieldTextPainter m_text;
};
