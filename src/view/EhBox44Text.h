#pragma once

#include <QRect>

#include "form/EhField.h"
#include "form/FieldStore.h"

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

} // namespace EhBox44Text
