#include "view/EhPositionChoice.h"

namespace EhPositionChoice {

int moveSource(int page, int field)
{
    if (page <= 1)
        return 0;
    return 1 + EhGoodsPosition::ofContinuationField(page, field).continuationIndex();
}

int moveTarget(int page)
{
    return page <= 1 ? -1 : 1;
}

EhGoodsPosition movePosition(int index)
{
    return index <= 0 ? EhGoodsPosition{1, 1} : EhGoodsPosition::fromContinuationIndex(index - 1);
}

int deleteIndex(int page, int field)
{
    if (page <= 1)
        return -1;
    return EhGoodsPosition::ofContinuationField(page, field).continuationIndex();
}

} // namespace EhPositionChoice
