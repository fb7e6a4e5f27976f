#pragma once

#include <QString>
#include <QStringList>

class CEinheitspapierDoc;

// A goods position of an Einheitspapier: the first page carries one, every
// continuation page three. Boxes 31 to 46 take 21 consecutive fields, the
// box 47 grid 36 (35 cells and the total).
struct EhGoodsPosition
{
    int page = 1;  // 1: the first page's position
    int slot = 1;  // 1..3 on a continuation page, 1 on the first page

    static constexpr int BoxFieldCount = 21;
    static constexpr int GridFieldCount = 36;

    int firstBoxField() const;   // box 31
    int firstGridField() const;  // box 47 row 0 "Art"
    int box31Field() const { return firstBoxField(); }
    int box32Field() const { return firstBoxField() + 1; }

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

// Moves the texts of a position's boxes 31-46 and box 47 grid to another
// position, emptying the source. Attribute words stay where they are.
void move(CEinheitspapierDoc& doc, const EhGoodsPosition& from, const EhGoodsPosition& to);

// Removes a continuation-page position: every later position moves up one
// place, across pages, and the last position of the document becomes empty.
// No page is removed; attribute words stay where they are.
void remove(CEinheitspapierDoc& doc, const EhGoodsPosition& position);

} // namespace EhGoodsPositions
