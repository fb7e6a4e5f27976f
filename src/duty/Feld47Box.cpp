#include "duty/Feld47Box.h"

#include "duty/Feld47Grid.h"
#include "form/EhField.h"
#include "form/EhGoodsPosition.h"
#include "form/FieldStore.h"

std::optional<Feld47Box> Feld47Box::openedBy(int field, int page)
{
    if (page <= 1)
        return field == EhField::Box47 ? std::optional(Feld47Box{Position, 1, 1}) : std::nullopt;
    if (field == EhField::Cont::Box47Summary)
        return Feld47Box{Summary, page, 1};
    if (field >= EhField::Cont::Box47Position1 && field <= EhField::Cont::Box47Position3)
        return Feld47Box{Position, page, field - EhField::Cont::Box47Position1 + 1};
    return std::nullopt;
}

int Feld47Box::cellField(int row, int column) const
{
    if (kind == Summary)
        return EhField::Cont::summaryCell(row, column);
    return EhGoodsPosition{page, slot}.gridCell(row, column);
}

int Feld47Box::totalField() const
{
    return kind == Summary ? EhField::Cont::SummaryTotal : EhGoodsPosition{page, slot}.gridTotal();
}

void Feld47Box::load(Feld47Grid& grid, const FieldStore& store) const
{
    for (int row = 0; row < Feld47Grid::Rows; ++row) {
        for (int column = 0; column < grid.columns(); ++column)
            grid.setCell(row, column, store.text(cellField(row, column), page));
    }
}

void Feld47Box::store(const Feld47Grid& grid, FieldStore& store) const
{
    for (int row = 0; row < Feld47Grid::Rows; ++row) {
        for (int column = 0; column < grid.columns(); ++column)
            store.setText(cellField(row, column), page, grid.cell(row, column));
    }
    store.setText(totalField(), page, grid.total());
}

namespace Feld47Document {

namespace {

void recalculateBox(const Feld47Box& box, Feld47Grid& grid, FieldStore& store)
{
    box.load(grid, store);
    grid.normaliseAmounts();
    box.store(grid, store);
}

} // namespace

void recalculate(FieldStore& store)
{
    Feld47Model position;
    Feld47SummeModel summary;
    recalculateBox({Feld47Box::Position, 1, 1}, position, store);
    for (int page = 2; page <= store.pageCount(); ++page) {
        for (int slot = 1; slot <= 3; ++slot)
            recalculateBox({Feld47Box::Position, page, slot}, position, store);
        recalculateBox({Feld47Box::Summary, page, 1}, summary, store);
    }
}

} // namespace Feld47Document
