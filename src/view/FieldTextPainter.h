#pragma once

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>

class QPainter;

// One of the field editor's font sets: five sizes, normal and bold, all
// "Arial". Heights are cell heights (ascent plus descent) in the painter's
// logical units, as the form's font settings give them.
class FieldFontSet
{
public:
    static constexpr int Sizes = 5;

    FieldFontSet(const std::array<int, Sizes>& normalHeights, const std::array<int, Sizes>& boldHeights);

    // Screen fonts for a zoom: "DFont0".."DFont4B" of section "Font",
    // zoom * value / 12 units each.
    static FieldFontSet screen(int zoom);
    // Print fonts: "PFont0".."PFont4B", factor * value / 100 units each
    // (factor: the printer font factor in percent).
    static FieldFontSet print(int factorPercent);

    // The font a field's attribute word chooses (size step in bits 0-3, bold
    // in bit 4), or nullptr when the size step is outside 0..4.
    const QFont* font(std::uint16_t attr) const;

    // "Arial" of a cell height in logical units and a weight in the usual
    // 100..900 scale. Unhinted, so that text has the same width at every
    // size and on every device: captions keep to their boxes and field texts
    // break their lines alike on screen, in a PDF and on paper.
    static QFont cellHeightFont(int cellHeight, int weight);
    // Draws text with the bottom of its text cell at pos.
    static void drawOnCellBottom(QPainter& painter, const QPointF& pos, const QFont& font, const QString& text);

private:
    std::array<QFont, Sizes> m_normal;
    std::array<QFont, Sizes> m_bold;
};

// Lays a field's text into its rectangle: the one place that knows how.
// The view, the print preview, printing and the exports all draw field texts
// through draw(), each with its own font set and rectangles.
//
// A field text never leaves its rectangle: a further line that would reach
// below the rectangle is left out, a line a little wider than the rectangle
// is drawn narrower, and what still does not fit is cut at the rectangle's
// sides. draw() says when that happened, so the screen can mark the field.
class FieldTextPainter
{
public:
    explicit FieldTextPainter(const FieldFontSet& fonts) : m_fonts(fonts) {}

    // Breaks lines with these fonts instead of the drawing fonts. The printer
    // passes the screen's fonts at real size, so the paper shows exactly the
    // lines the screen shows even though the printer's fonts are a little
    // wider or narrower. The set must outlive the painter.
    void breakLinesWith(const FieldFontSet* fonts) { m_breakFonts = fonts; }

    // Draws text at the top of rect (painter units) in the painter's pen:
    // the field's font (a size step outside 0..4 keeps the font of the field
    // drawn before, as a device context keeps the font selected into it),
    // lines broken at word boundaries (a word longer than the line anywhere)
    // unless singleLine, line breaks kept. Left-aligned text starts 10 units
    // right of the left edge; right-aligned text ends 12 units left of the
    // right edge. breakWidth, when not negative, is the rectangle's width for
    // breaking lines (before the printer's area correction changed it).
    // Returns the height of the drawn text; overflow, when given, tells
    // whether some of the text did not fit; extent, when given, receives
    // the rectangle the drawn lines cover.
    int draw(QPainter& painter, const QRect& rect, const QString& text, std::uint16_t attr,
             bool singleLine = false, bool* overflow = nullptr, int breakWidth = -1,
             QRectF* extent = nullptr) const;

    // How many lines draw() breaks text into in a rectangle of this width
    // (painter units), with the field's font and alignment; 0 for no text.
    int lineCount(const QString& text, std::uint16_t attr, int width) const;

private:
    const FieldFontSet& m_fonts;
    const FieldFontSet* m_breakFonts = nullptr;
    mutable QFont m_current;
    mutable QFont m_currentBreak;
    mutable bool m_hasCurrent = false;
};
