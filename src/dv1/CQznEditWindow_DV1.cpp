#include "dv1/CQznEditWindow_DV1.h"

#include "settings/Profile.h"
#include "view/FormDrawing.h"

CQznEditWindow_DV1::CQznEditWindow_DV1(CQxScrollViewBase* view, FieldStore& store) : CQxEditWindow(view, store)
{
    setObjectName(QStringLiteral("fieldEditor"));
    SetColours(FormDrawing::windowsColor(Profile::get(Settings::EditTextColor, QString::fromLatin1(Settings::SectionDV1))),
               FormDrawing::windowsColor(BackgroundColour));
}
