#include "duty/ZollArtenModel.h"

#include "duty/DutyTypes.h"

void ZollArtenModel::open(const QString& text)
{
    select(DutyTypes::firstBeginningWith(text));
}

void ZollArtenModel::select(int position)
{
    m_position = position >= 0 && position < DutyTypes::Count ? position : 0;
}

QString ZollArtenModel::meaning() const
{
    return DutyTypes::rows()[m_position].textString();
}

QString ZollArtenModel::resultCode() const
{
    return DutyTypes::rows()[m_position].codeString();
}
