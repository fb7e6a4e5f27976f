#pragma once

#include <QRect>

#include "form/EhField.h"
#include "form/EhFieldGeometry.h"
#include "form/FieldStore.h"
#include "view/FieldTextPainter.h"

// Box 44's text area (first-page field 113) takes the first line of the box
// too when nothing is kept there (field 111), and gives way to the deadline
// box (field 114) when that holds text. Screen and print lay it out alike.
namespace EhBox44Text {

inline constexpr int TextField = EhField::Box44Text;
inline constexpr int FirstLineField = EhField::OffSheet1;
inline constexpr int DeadlineField = EhField::Box44Second;

inline QRect adjusted(QRect text, const FieldStore& store, const QRect& deadline)
{
    if (store.text(FirstLineField, 1).isEmpty())
        text.setTop(text.top() - 50);
    if (!store.text(DeadlineField, 1).isEmpty())
        text.setRight(deadline.left() - 2 - 1);
    return text;
}

// Box 44 itself (field 69) holds the five lines of its dialog in the small
// size step; the usual step 3 shows only four. The dialog writes its text in
// that step, keeping the box's bold bit.
inline std::uint8_t dialogSizeByte(std::uint16_t attr)
{
    return std::uint8_t((attr & FieldStore::BoldBit) | EhField::SmallSizeStep);
}

// How many lines of box 44 a line of its dialog takes in that step, broken
// as the screen at real size breaks it, and so the printer too.
inline int boxLinesOf(const QString& line, std::uint16_t attr)
{
    const FieldFontSet fonts = FieldFontSet::screen(10);
    const FieldTextPainter painter(fonts);
    const std::uint16_t word = std::uint16_t((attr & ~0xFF) | dialogSizeByte(attr));
    return painter.lineCount(line, word,
                             EhFieldGeometry::screenRect(EhFieldGeometry::PageKind::First, EhField::Box44).width());
}

} // namespace EhBox44Text
