#pragma once

#include "view/CQxEditWindow.h"

// The field editor of the D.V.1 view: white behind the text, the text in the
// colour of "EditTextColor" of the D.V.1's settings section.
class CQznEditWindow_DV1 : public CQxEditWindow
{
    Q_OBJECT

public:
    // The window id the view creates it with.
    static constexpr int ControlId = 149;
    // 0x00BBGGRR of the background: white.
    static constexpr int BackgroundColour = 0xFFFFFF;

    CQznEditWindow_DV1(CQxScrollViewBase* view, FieldStore& store);
};
