#pragma once

#include "form/EhGoodsPosition.h"

// Which entries the goods-position dialogs offer preselected, and which
// position an entry stands for. The move dialog lists the first page's
// position first, the delete dialog only the continuation pages' positions.
namespace EhPositionChoice {

// The move dialog's source: the position holding the focus.
int moveSource(int page, int field);
// The move dialog's target: position 1 of page 2 on a continuation page,
// nothing (-1) on the first page.
int moveTarget(int page);
// The position of an entry of the move dialog's list.
EhGoodsPosition movePosition(int index);

// The delete dialog's preselection: the position holding the focus, or
// nothing (-1) on the first page.
int deleteIndex(int page, int field);

} // namespace EhPositionChoice
