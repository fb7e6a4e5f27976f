#pragma once

#include <optional>

#include "form/EhGoodsPosition.h"
#include "masterdata/CKestrovaneStammDaten.h"

class CEinheitspapierDoc;

// A goods record into the form: its description into box 31, the five goods
// number parts into boxes 33 A to E and the two origin codes into boxes 34 A
// and B of one goods position.
namespace GoodsFormTransfer {

// The goods position whose box 31 a field is (the first page's, or one of
// the three of a continuation sheet); none for every other field.
std::optional<EhGoodsPosition> positionOfBox31(int page, int field);

// Writes the record into the position, overwriting what the boxes held,
// with empty texts too. The caller marks the document modified.
void write(CEinheitspapierDoc& doc, const EhGoodsPosition& position, const CKestrovaneStammDaten::Values& values);

} // namespace GoodsFormTransfer
