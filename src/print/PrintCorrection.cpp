#include "print/PrintCorrection.h"

#include "settings/Profile.h"

namespace {

int scaledEdge(int v, int factor)
{
    return int(qint64(v) * factor / 1000);
}

} // namespace

QRect PrintCorrection::apply(const QRect& placed) const
{
    if (fromStore)
        return scaled(placed, Profile::get(Settings::PrnFactorV), Profile::get(Settings::PrnFactorH));
    return scaled(placed, factorV, factorH);
}

QRect PrintCorrection::scaled(const QRect& placed, int factorV, int factorH)
{
    const int left = scaledEdge(placed.left(), factorH);
    const int right = scaledEdge(placed.left() + placed.width(), factorH);
    const int top = scaledEdge(placed.top(), factorV);
    const int bottom = scaledEdge(placed.top() + placed.height(), factorV);
    return QRect(left, top, right - left, bottom - top);
}
