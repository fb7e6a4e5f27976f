#pragma once

#include <QString>
#include <QStringList>

#include "form/EhField.h"

class CEinheitspapierDoc;

// A goods position of an Einheitspapier: the first page carries one, every
// continuation page three. Boxes 31 to 46 take 21 consecutive fields, the
// box 47 grid 36 (35 cells and the total).
struct EhGoodsPosition
{
    int page = 1;  // 1: the first page's position
    int slot = 1;  // 1..3 on a continuation page, 1 on the first page

    static constexpr int BoxFieldCount = EhField::Cont::BlockFields;
    static constexpr int GridFieldCount = EhField::Box47TotalOffset + 1;

    int firstBoxField() const;   // box 31
    int firstGridField() const;  // box 47 row 0 "Art"
    int box31Field() const { return firstBoxField(); }
    int box32Field() const { return firstBoxField() + EhField::Block::Box32; }
    // A field of the position's boxes 31 to 46 (offset EhField::Block::...).
    int boxField(int blockOffset) const { return firstBoxField() + blockOffset; }
    // A cell of the position's box 47 grid, and its total.
    int gridCell(int row, int column) const { return EhField::box47Cell(firstGridField(), row, column); }
    int gridTotal() const { return firstGridField() + EhField::Box47TotalOffset; }
    // The field that stands for the whole box 47 of this position (the one
    // the focus enters to open the box 47 dialog).
    int box47Field() const
    {
        return page <= 1 ? EhField::Box47 : EhField::Cont::Box47Position1 + slot - 1;
    }

    bool operator==(const EhGoodsPosition&) const = default;

    // The continuation-page position holding a continuation field: below 32
    // position 1, 32 to 52 position 2, above 52 position 3.
    static EhGoodsPosition ofContinuationField(int page, int field);
    // Continuation-page positions in order: index 3 (p - 2) + slot - 1.
    static EhGoodsPosition fromContinuationIndex(int index);
    int continuationIndex() const { return 3 * (page - 2) + slot - 1; }
};

namespace EhGoodsPositions {

// "Position %d auf Seite %d" for every position, " (leer)" appended where box
// 31 holds fewer than 3 characters; with the first page's entry in front
// when includeFirstPage is set (the move dialog).
QStringList list(const CEinheitspapierDoc& doc, bool includeFirstPage);

// Whether a position holds anything in boxes 31-46 or its box 47 grid (box
// 32 aside: the automatic numbering fills it in).
bool isFilled(const CEinheitspapierDoc& doc, const EhGoodsPosition& position);

// Moves the texts of a position's boxes 31-46 and box 47 grid to another
// position, emptying the source. Attribute words stay where they are.
void move(CEinheitspapierDoc& doc, const EhGoodsPosition& from, const EhGoodsPosition& to);

// Removes a continuation-page position: every later position moves up one
// place, across pages, and the last position of the document becomes empty.
// No page is removed; attribute words stay where they are.
void remove(CEinheitspapierDoc& doc, const EhGoodsPosition& position);

} // namespace EhGoodsPositions
