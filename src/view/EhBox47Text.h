#pragma once

#include <cstdint>

#include <QString>

#include "form/EhFieldFlags.h"
#include "view/FieldTextPainter.h"

class FieldStore;
struct Feld47Box;

// The cells of a box 47 are narrow: the "Art" column leaves 7 mm for a duty
// type, and five digits need the smallest size step there. When the dialog
// writes a box back, each column gets the largest size step, up to the usual
// step 3, in which every text of the column stays whole inside its cell on
// screen at real size and on paper, so the digits of a column keep one size.
// The total is sized on its own. Screen and paper measure with the fonts and
// rectangles they draw with, so what fits here fits there.
namespace EhBox47Text {

inline constexpr int UsualSizeStep = 3;

// Lays texts into field rectangles as the screen at real size and the
// printer (at a printer font factor in percent) lay them.
class CellFit
{
public:
    explicit CellFit(int printerFontFactor);
    CellFit(const CellFit&) = delete;
    CellFit& operator=(const CellFit&) = delete;

    // Whether text with this attribute word keeps to the field's rectangle
    // on screen and on paper, nothing cut or left out.
    bool fits(EhFieldFlags::PageKind kind, int field, const QString& text, std::uint16_t attr) const;

private:
    FieldFontSet m_screenFonts;
    FieldFontSet m_printFonts;
    FieldTextPainter m_screen;
    FieldTextPainter m_paper;
};

// The attribute word's size step replaced, everything else kept.
constexpr std::uint16_t withSizeStep(std::uint16_t attr, int step)
{
    return std::uint16_t((attr & ~0x000F) | (step & 0x000F));
}

// Gives each column of the box, and its total, the largest size step up to
// UsualSizeStep in which its texts fit; a column whose texts fit in no step
// gets step 0, where the least is lost. Only size steps change.
void fitSizes(FieldStore& store, const Feld47Box& box, const CellFit& fit);

} // namespace EhBox47Text
