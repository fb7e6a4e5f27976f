#include "duty/Default19Model.h"

#include "duty/CodeText.h"

QString Default19Model::entry(int position)
{
    return position == 1 ? QStringLiteral("1 - In Container befördert")
                         : QStringLiteral("0 - Nicht in Container befördert");
}

void Default19Model::open(const QString& text)
{
    select(CodeTables::leadingInteger(text));
}
