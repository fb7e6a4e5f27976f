#pragma once

#include "view/CQxEditWindow.h"

// The field editor of the Einheitspapier view: light green behind the text,
// the text in the colour of "EditTextColor" of the view's section.
class CQznEditWindow_EHP : public CQxEditWindow
{
    Q_OBJECT

public:
    // The window id the view creates it with.
    static constexpr int ControlId = 120;
    // 0x00BBGGRR of the background: red 222, green 255, blue 209.
    static constexpr int BackgroundColour = 0xD1FFDE;

    CQznEditWindow_EHP(CQxScrollViewBase* view, FieldStore& store);

    // A Windows colour value (0x00BBGGRR) as a colour.
    static QColor fromColourRef(int value);
};
