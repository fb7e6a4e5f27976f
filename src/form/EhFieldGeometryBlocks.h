#pragma once

#include "form/EhFieldGeometry.h"
#include "form/EhFieldGeometryGrid.h"

#include <array>

// Building blocks of the rectangle tables: the parts of the form that the
// first page and the continuation sheet share, placed from grid lines.
namespace EhFieldGeometry::detail {

// The 21 fields of one goods position (box 31 to box 46), in field order:
// 31, 32, 33 A-E, 34 A/B, 35, 36, 37 A/B, 38, 39, 40, 41, 44, 42,
// 44 (Ein-/Ausfuhrfrist), 46.
struct GoodsBlock {
    int pageTop;        // top frame line of the page
    int firstRow;       // grid line of the block's top edge
    int box44Rows;      // height of box 44 in grid lines
    int box44TextTop;   // offset of the box-44 text below box 44's top line
    int drift = 0;      // further down than the grid line, in 0.1 mm

    int row(int i) const { return EhGrid::rowY(pageTop, firstRow + i) + drift; }
    std::array<EhRect, 21> fields() const;
    // The two screen-only fields beside the Ein-/Ausfuhrfrist field.
    EhRect besideDeadlineLeft() const;
    EhRect besideDeadlineRight() const;
};

// Cells of a duty grid, cell (row, col) at 5 * row + col (3 * row + col in
// the summary grid), and its total.
void placeDutyGrid(EhRect* cells, EhRect& total, const EhGrid::DutyColumns& columns, int headerBottom);

std::array<EhRect, FirstPageRows> firstPageScreen();
std::array<EhRect, ContinuationRows> continuationScreen();

} // namespace EhFieldGeometry::detail
