#include "masterdata/GoodsFormTransfer.h"

#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"

namespace GoodsFormTransfer {

std::optional<EhGoodsPosition> positionOfBox31(int page, int field)
{
    if (page <= 1)
        return field == EhField::Box31 ? std::optional<EhGoodsPosition>(EhGoodsPosition{1, 1}) : std::nullopt;
    const EhGoodsPosition position = EhGoodsPosition::ofContinuationField(page, field);
    if (position.box31Field() != field)
        return std::nullopt;
    return position;
}

void write(CEinheitspapierDoc& doc, const EhGoodsPosition& position, const CKestrovaneStammDaten::Values& values)
{
    FieldStore& store = doc.store();
    store.setText(position.boxField(EhField::Block::Box31), position.page, values[0]);
    for (int part = 0; part < 5; ++part)
        store.setText(position.boxField(EhField::Block::Box33A + part), position.page, values[1 + part]);
    store.setText(position.boxField(EhField::Block::Box34A), position.page, values[6]);
    store.setText(position.boxField(EhField::Block::Box34B), position.page, values[7]);
}

} // namespace GoodsFormTransfer
