#pragma once

#include <optional>

#include "form/EhField.h"

class FieldStore;
class Feld47Grid;

// One box 47 of an Einheitspapier as the dialogs see it: the box of a goods
// position (first page, or position 1 to 3 of a continuation sheet) or the
// summary box of a continuation sheet. It knows where its cells and total lie
// in the field store and moves them into a dialog's model and back.
struct Feld47Box
{
    enum Kind { Position, Summary };

    Kind kind = Position;
    int page = 1;
    int slot = 1;   // the goods position on its page, 1..3

    // The box whose field the focus entered: box 47 of the first page, or
    // one of the four box 47 fields of a continuation sheet. Nothing for any
    // other field.
    static std::optional<Feld47Box> openedBy(int field, int page);

    static constexpr int Rows = EhField::Box47Rows;
    // "Art", "Bemessungsgrundlage", "Satz", "Betrag", "ZA"; the summary box
    // has "Art", "Betrag", "ZA".
    int columns() const { return kind == Summary ? EhField::Cont::SummaryColumns : EhField::Box47Columns; }

    int cellField(int row, int column) const;
    int totalField() const;

    // The cells' texts into the model (the total is computed, never read).
    void load(Feld47Grid& grid, const FieldStore& store) const;
    // Every cell and the total back into the store.
    void store(const Feld47Grid& grid, FieldStore& store) const;
};

namespace Feld47Document {

// Normalises every amount and recomputes every total of every box 47 of the
// document, as opening each box's dialog does; no line is cleared.
void recalculate(FieldStore& store);

} // namespace Feld47Document
