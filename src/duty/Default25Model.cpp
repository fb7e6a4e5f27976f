#include "duty/Default25Model.h"

#include "duty/CodeText.h"
#include "duty/TransportModes.h"

void Default25Model::open(const QString& text)
{
    select(TransportModes::positionOfCode(CodeTables::leadingInteger(text)));
}

void Default25Model::select(int position)
{
    m_position = position >= 0 && position < TransportModes::Count ? position : 0;
}

QString Default25Model::result() const
{
    return QString::number(m_position + 1 + (m_position > 4 ? 1 : 0));
}
