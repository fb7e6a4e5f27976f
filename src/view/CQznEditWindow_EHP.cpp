#include "view/CQznEditWindow_EHP.h"

#include "settings/Profile.h"

CQznEditWindow_EHP::CQznEditWindow_EHP(CQxScrollViewBase* view, FieldStore& store) : CQxEditWindow(view, store)
{
    setObjectName(QStringLiteral("fieldEditor"));
    SetColours(fromColourRef(Profile::get(Settings::EditTextColor, QString::fromLatin1(Settings::SectionEH))),
               fromColourRef(BackgroundColour));
}

QColor CQznEditWindow_EHP::fromColourRef(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
