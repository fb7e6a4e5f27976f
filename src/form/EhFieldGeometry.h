#pragma once

#include "form/EhField.h"
#include "form/EhFieldFlags.h"

// Where every Einheitspapier field lies: on the screen picture of the form
// and on the pre-printed sheet. Values are 0.1 mm from the top-left corner,
// y downwards; right and bottom are exclusive edges (a field from 160 to
// 1050 is 89.0 mm wide).
struct EhRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool contains(const EhRect& o) const
    {
        return o.left >= left && o.right <= right && o.top >= top && o.bottom <= bottom;
    }
    constexpr bool intersects(const EhRect& o) const
    {
        return o.left < right && left < o.right && o.top < bottom && top < o.bottom;
    }
    constexpr EhRect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // The rectangle at a zoom in tenths (10 = real size), truncated toward
    // zero as the view's drawing units are.
    constexpr EhRect scaled(int zoom) const
    {
        return {left * zoom / 10, top * zoom / 10, right * zoom / 10, bottom * zoom / 10};
    }
    friend constexpr bool operator==(const EhRect&, const EhRect&) = default;
};

namespace EhFieldGeometry {

using PageKind = EhFieldFlags::PageKind;

constexpr int FirstPageRows = EhFieldFlags::FirstPageFields;          // 154
constexpr int ContinuationRows = EhFieldFlags::ContinuationFields;    // 214

int rowCount(PageKind kind);

// The field's rectangle in the form picture. An index at or beyond the
// table (or negative) yields row 0, as the view has always looked it up.
EhRect screenRect(PageKind kind, int field);

// The field's rectangle on the pre-printed sheet; all zeros for the fields
// that are only ever shown on screen. Same lookup rule as screenRect().
EhRect printRect(PageKind kind, int field);

// Continuation-page field indexes of the three goods positions.
constexpr int ContBlockFirstField = EhField::Cont::FirstBlock;
constexpr int ContBlockFields = EhField::Cont::BlockFields;
// Box 47 grids: cell (row, col) at base + 5 * row + col, the total at base + 35.
constexpr int FirstDutyBase = EhField::Box47Grid;
constexpr int FirstDutyTotal = EhField::Box47Total;
inline constexpr const int (&ContDutyBases)[3] = EhField::Cont::Box47Grids;
constexpr int ContSummaryBase = EhField::Cont::SummaryGrid;   // cell (row, col) at 186 + 3 * row + col
constexpr int ContSummaryTotal = EhField::Cont::SummaryTotal;

} // namespace EhFieldGeometry
