#include "form/EhGoodsPosition.h"

#include <algorithm>

#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"

int EhGoodsPosition::firstBoxField() const
{
    return page <= 1 ? EhField::Box31 : EhField::Cont::FirstBlock + BoxFieldCount * (slot - 1);
}

int EhGoodsPosition::firstGridField() const
{
    return page <= 1 ? EhField::Box47Grid : EhField::Cont::Box47Grids[slot - 1];
}

EhGoodsPosition EhGoodsPosition::ofContinuationField(int page, int field)
{
    const int slot = 1 + std::clamp((field - EhField::Cont::FirstBlock) / BoxFieldCount, 0, 2);
    return {page, slot};
}

EhGoodsPosition EhGoodsPosition::fromContinuationIndex(int index)
{
    return {2 + index / 3, 1 + index % 3};
}

namespace EhGoodsPositions {

namespace {

void copyTexts(FieldStore& store, const EhGoodsPosition& from, const EhGoodsPosition& to, bool emptySource)
{
    const auto copyRange = [&](int fromStart, int toStart, int count) {
        for (int i = 0; i < count; ++i) {
            store.setText(toStart + i, to.page, store.text(fromStart + i, from.page));
            if (emptySource)
                store.setText(fromStart + i, from.page, QString());
        }
    };
    copyRange(from.firstBoxField(), to.firstBoxField(), EhGoodsPosition::BoxFieldCount);
    copyRange(from.firstGridField(), to.firstGridField(), EhGoodsPosition::GridFieldCount);
}

void clearTexts(FieldStore& store, const EhGoodsPosition& position)
{
    for (int i = 0; i < EhGoodsPosition::BoxFieldCount; ++i)
        store.setText(position.firstBoxField() + i, position.page, QString());
    for (int i = 0; i < EhGoodsPosition::GridFieldCount; ++i)
        store.setText(position.firstGridField() + i, position.page, QString());
}

} // namespace

QStringList list(const CEinheitspapierDoc& doc, bool includeFirstPage)
{
    const FieldStore& store = doc.store();
    const auto entry = [&](const EhGoodsPosition& pos) {
        QString text = QStringLiteral("Position %1 auf Seite %2").arg(pos.slot).arg(pos.page);
        if (store.textLength(pos.box31Field(), pos.page) < 3)
            text += QStringLiteral(" (leer)");
        return text;
    };
    QStringList out;
    if (includeFirstPage)
        out << entry({1, 1});
    for (int page = 2; page <= store.pageCount(); ++page) {
        for (int slot = 1; slot <= 3; ++slot)
            out << entry({page, slot});
    }
    return out;
}

bool isFilled(const CEinheitspapierDoc& doc, const EhGoodsPosition& position)
{
    const FieldStore& store = doc.store();
    const auto holds = [&](int field) { return !store.text(field, position.page).trimmed().isEmpty(); };
    for (int i = 0; i < EhGoodsPosition::BoxFieldCount; ++i) {
        if (i != EhField::Block::Box32 && holds(position.firstBoxField() + i))
            return true;
    }
    for (int i = 0; i < EhGoodsPosition::GridFieldCount; ++i) {
        if (holds(position.firstGridField() + i))
            return true;
    }
    return false;
}

void move(CEinheitspapierDoc& doc, const EhGoodsPosition& from, const EhGoodsPosition& to)
{
    if (from == to)
        return;
    copyTexts(doc.store(), from, to, true);
    doc.setModified();
}

void remove(CEinheitspapierDoc& doc, const EhGoodsPosition& position)
{
    FieldStore& store = doc.store();
    const int count = 3 * (store.pageCount() - 1);
    const int start = position.continuationIndex();
    if (position.page < 2 || start < 0 || start >= count)
        return;
    for (int i = start; i + 1 < count; ++i) {
        copyTexts(store, EhGoodsPosition::fromContinuationIndex(i + 1),
                  EhGoodsPosition::fromContinuationIndex(i), false);
    }
    clearTexts(store, EhGoodsPosition::fromContinuationIndex(count - 1));
    doc.setModified();
}

} // namespace EhGoodsPositions
