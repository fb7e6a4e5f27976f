#include "duty/BundeslaenderCodeModel.h"

#include "duty/FederalStates.h"

void BundeslaenderCodeModel::open(const QString& code)
{
    select(FederalStates::positionOfCode(code.isEmpty() ? QStringLiteral("1") : code));
}

void BundeslaenderCodeModel::select(int position)
{
    m_position = position >= 0 && position < FederalStates::Count ? position : -1;
}

QString BundeslaenderCodeModel::resultCode() const
{
    return FederalStates::codeAt(m_position);
}
